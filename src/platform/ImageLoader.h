// Decoding and encoding of pictures: PNG (libpng), JPEG (libjpeg), BMP (SDL). A picture that
// does not decode gives nothing, never a crash.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ImageData.h"

namespace platform {

class ImageLoader {
 public:
  struct Picture {
    Pixmap pixels;
    bool hasAlpha = false;
  };

  // Largest side accepted; anything bigger is taken as a broken file.
  static constexpr int kMaxSide = 16384;

  static std::optional<Picture> decode(const std::vector<uint8_t>& bytes, std::string& error);
  // Loads a file (case-insensitive path); logs a line on failure.
  static std::optional<Picture> load(const std::string& path);
  // Loads a file without logging; `error` says why it failed.
  static std::optional<Picture> read(const std::string& path, std::string& error);
  // The line a failed load prints.
  static void logFailure(const std::string& path, const std::string& error);
  static bool savePNG(const PixmapData& pixmap, const std::string& path);
  // Pure black becomes transparent; its colour comes from non-black neighbours.
  static void applyMask(PixmapData& pixmap);

 private:
  static std::optional<Picture> decodePNG(const std::vector<uint8_t>& bytes, std::string& error);
  static std::optional<Picture> decodeJPEG(const std::vector<uint8_t>& bytes, std::string& error);
  static std::optional<Picture> decodeBMP(const std::vector<uint8_t>& bytes, std::string& error);
};

}  // namespace platform
