// One FreeType face at one pixel size, with the file bytes it reads from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class FreeTypeFace {
 public:
  struct Bitmap {
    int width = 0, height = 0;
    int left = 0, top = 0;  // bearing from the pen and from the baseline
    int advance = 0;
    std::vector<uint8_t> coverage;  // width * height, 0-255
  };

  // Null and a log line when the file does not open as a font.
  static std::shared_ptr<FreeTypeFace> open(const std::string& path, int pixelSize);
  FreeTypeFace() = default;
  ~FreeTypeFace();
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  int ascent() const { return ascent_; }
  int descent() const { return descent_; }  // below the baseline, positive
  bool render(int codepoint, bool smooth, Bitmap& out) const;
  int kerning(int left, int right) const;

 private:
  struct Library;

  std::shared_ptr<Library> library_;
  std::vector<uint8_t> bytes_;
  void* face_ = nullptr;  // FT_Face
  int ascent_ = 0;
  int descent_ = 0;
};

}  // namespace platform
