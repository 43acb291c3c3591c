// A plain RGBA picture with straight (not premultiplied) alpha: what the writers take.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4, row-major

  Image() = default;
  Image(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
  uint8_t* pixel(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
  const uint8_t* pixel(int x, int y) const {
    return &rgba[(static_cast<size_t>(y) * width + x) * 4];
  }
};

}  // namespace assetgen
