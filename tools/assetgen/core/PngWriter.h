#pragma once

#include <string>

#include "core/Image.h"

namespace assetgen {

// Writes 8-bit RGBA PNG files (no time stamp, so output is byte-identical run to run).
class PngWriter {
 public:
  static bool write(const std::string& path, const Image& image);
  // Reads any PNG back as RGBA; false when the file is missing or broken.
  static bool read(const std::string& path, Image& image);
};

}  // namespace assetgen
