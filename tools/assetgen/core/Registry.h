// Every picture family registers its generators here; main.cpp runs them all. A family file
// needs only:
//
//   #include "core/Registry.h"
//   namespace {
//   void makePixel(assetgen::Output& out) { ... out.savePng("gfx/pixel.png", canvas); }
//   ASSETGEN_REGISTER("pixel", makePixel);
//   }
//
// Each registered generator must be independent of the others: they run on several threads.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/Image.h"

namespace assetgen {

// What one written file is, for the manifest, the contact sheet and the report.
struct ManifestEntry {
  std::string path;
  int width = 0;  // picture size (whole sheet)
  int height = 0;
  int cellWidth = 0;  // 0 for single pictures
  int cellHeight = 0;
  int frames = 1;
  std::string note;
};

// The output folder, seen by generators through relative asset paths ("gfx/pixel.png").
class Output {
 public:
  explicit Output(std::string root) : root_(std::move(root)) {}

  const std::string& root() const { return root_; }
  // Absolute path for a relative asset path; creates its folders.
  std::string prepare(const std::string& relative);

  void savePng(const std::string& relative, const Image& image, int cellWidth = 0,
               int cellHeight = 0, int frames = 1);
  void savePng(const std::string& relative, const Canvas& canvas, int cellWidth = 0,
               int cellHeight = 0, int frames = 1) {
    savePng(relative, canvas.toImage(), cellWidth, cellHeight, frames);
  }
  void saveJpeg(const std::string& relative, const Canvas& canvas, int quality = 90);
  void saveBytes(const std::string& relative, const std::vector<uint8_t>& bytes,
                 const std::string& note = "");
  void copyFile(const std::string& source, const std::string& relative);

  // A failure marks the whole run as failed but lets the other generators finish.
  void fail(const std::string& message);
  bool failed() const;
  std::vector<ManifestEntry> manifest() const;

 private:
  void record(ManifestEntry entry);

  std::string root_;
  mutable std::mutex mutex_;
  std::vector<ManifestEntry> manifest_;
  bool failed_ = false;
};

using Generator = std::function<void(Output&)>;

struct RegisteredGenerator {
  std::string name;
  Generator run;
};

class Registry {
 public:
  static Registry& instance();
  bool add(std::string name, Generator run);
  const std::vector<RegisteredGenerator>& generators() const { return generators_; }

 private:
  std::vector<RegisteredGenerator> generators_;
};

}  // namespace assetgen

#define ASSETGEN_CONCAT_INNER(a, b) a##b
#define ASSETGEN_CONCAT(a, b) ASSETGEN_CONCAT_INNER(a, b)
#define ASSETGEN_REGISTER(name, fn)                                                      \
  [[maybe_unused]] static const bool ASSETGEN_CONCAT(assetgenRegistered_, __COUNTER__) = \
      ::assetgen::Registry::instance().add(name, fn)
