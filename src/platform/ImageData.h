// Internal definitions of the platform's image handles. Every image keeps its CPU pixels;
// textures are made from them on demand for whichever renderer is alive.
#pragma once

#include <cstdint>
#include <memory>
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

// Frames of equal size and their textures. The picture cache hands one of these to every
// image loaded from the same file, flags and cell layout.
struct PictureData {
  std::vector<Pixmap> frames;
  std::vector<TextureCache> textures;  // one per frame

  explicit PictureData(std::vector<Pixmap> pictureFrames)
      : frames(std::move(pictureFrames)), textures(frames.size()) {}
};

// What a user holds: the shared frames plus the state that is the user's own.
struct ImageData {
  int width = 0;  // of one frame
  int height = 0;
  ImageFlags flags = ImageFlags::Default;
  float handleX = 0;
  float handleY = 0;
  std::shared_ptr<PictureData> picture;  // never null

  const std::vector<Pixmap>& frames() const { return picture->frames; }
  bool filtered() const { return HasAnyFlag(flags, ImageFlags::Filtered | ImageFlags::Mipmapped); }
  bool validFrame(int frame) const { return frame >= 0 && frame < int(picture->frames.size()); }
};

// An image of its own over frames of equal size.
Image MakeImage(std::vector<Pixmap> frames, ImageFlags flags);
// A new image over frames that others may share too.
Image MakeImage(const std::shared_ptr<PictureData>& picture, ImageFlags flags);

}  // namespace platform
