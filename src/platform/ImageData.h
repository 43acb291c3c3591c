// Internal definitions of the platform's image handles. Every image keeps its CPU pixels;
// textures are made from them on demand for whichever renderer is alive.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/TextureCache.h"
#include "platform/platform.h"

namespace platform {

struct PixmapData {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // ARGB, row-major

  PixmapData() = default;
  PixmapData(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h), 0u) {}
  uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

struct ImageData {
  int width = 0;
  int height = 0;
  int flags = 0;
  float handleX = 0;
  float handleY = 0;
  std::vector<Pixmap> frames;
  std::vector<TextureCache> textures;  // one per frame

  bool filtered() const { return (flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE)) != 0; }
  bool validFrame(int frame) const { return frame >= 0 && frame < int(frames.size()); }
};

// Normalises the image flags: -1 is the default set.
inline int NormaliseImageFlags(int flags) {
  return flags < 0 ? (MASKEDIMAGE | FILTEREDIMAGE) : flags;
}

// Builds an image from frames of equal size.
Image MakeImage(std::vector<Pixmap> frames, int flags);

}  // namespace platform
