#include "core/Registry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/JpegWriter.h"
#include "core/PngWriter.h"

namespace assetgen {

namespace fs = std::filesystem;

Registry& Registry::instance() {
  static Registry registry;
  return registry;
}

bool Registry::add(std::string name, Generator run) {
  generators_.push_back({std::move(name), std::move(run)});
  return true;
}

std::string Output::prepare(const std::string& relative) {
  fs::path full = fs::path(root_) / relative;
  std::error_code ec;
  fs::create_directories(full.parent_path(), ec);
  return full.string();
}

void Output::savePng(const std::string& relative, const Image& image, int cellWidth, int cellHeight,
                     int frames) {
  if (!PngWriter::write(prepare(relative), image)) {
    fail("cannot write " + relative);
    return;
  }
  record({relative, image.width, image.height, cellWidth, cellHeight, frames, ""});
}

void Output::saveJpeg(const std::string& relative, const Canvas& canvas, int quality) {
  if (!JpegWriter::write(prepare(relative), canvas.toImage(), quality)) {
    fail("cannot write " + relative);
    return;
  }
  record({relative, canvas.width(), canvas.height(), 0, 0, 1, ""});
}

void Output::saveBytes(const std::string& relative, const std::vector<uint8_t>& bytes,
                       const std::string& note) {
  std::ofstream file(prepare(relative), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    fail("cannot write " + relative);
    return;
  }
  record({relative, 0, 0, 0, 0, 0, note});
}

void Output::copyFile(const std::string& source, const std::string& relative) {
  std::error_code ec;
  fs::copy_file(source, prepare(relative), fs::copy_options::overwrite_existing, ec);
  if (ec) {
    fail("cannot copy " + source + " to " + relative + ": " + ec.message());
    return;
  }
  record({relative, 0, 0, 0, 0, 0, "copy of " + source});
}

void Output::fail(const std::string& message) {
  std::lock_guard lock(mutex_);
  std::fprintf(stderr, "assetgen: %s\n", message.c_str());
  failed_ = true;
}

bool Output::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

std::vector<ManifestEntry> Output::manifest() const {
  std::lock_guard lock(mutex_);
  return manifest_;
}

void Output::record(ManifestEntry entry) {
  std::lock_guard lock(mutex_);
  manifest_.push_back(std::move(entry));
}

}  // namespace assetgen
