#pragma once

#include <string>

#include "core/Image.h"

namespace assetgen {

// Writes baseline JPEG files; alpha is dropped (the big backgrounds are opaque).
class JpegWriter {
 public:
  static bool write(const std::string& path, const Image& image, int quality = 90);
  static bool read(const std::string& path, Image& image);
};

}  // namespace assetgen
