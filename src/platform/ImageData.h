// Internal definitions of the platform's image handles. Textures are made from the CPU pixels
// on demand for whichever renderer is alive. A picture read from a file gives its CPU pixels
// up once a texture is made of them and reads them from the file again when something needs
// them (a collision test, a lock, a texture made anew), so a playing game keeps every picture
// once, not twice.
#pragma once

#include <cstdint>
#include <functional>
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
  std::vector<Pixmap> frames;          // null while given up
  std::vector<TextureCache> textures;  // one per frame
  int width = 0;                       // of one frame
  int height = 0;
  // Reads the frames again; set only for pictures that come from a file.
  std::function<std::vector<Pixmap>()> reload;

  explicit PictureData(std::vector<Pixmap> pictureFrames);
  // The pixels of a frame, read again if they were given up; null only when that fails.
  const Pixmap& pixels(size_t frame);
  // Gives up a frame's CPU pixels when they can be read again.
  void release(size_t frame);
  // The pixels will be written: every frame is kept from now on.
  void keepPixels();
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
