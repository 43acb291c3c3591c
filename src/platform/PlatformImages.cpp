// Image, pixmap and collision calls of the platform API.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/Backend.h"
#include "platform/ImageCache.h"
#include "platform/ImageData.h"
#include "platform/ImageLoader.h"
#include "platform/Log.h"
#include "platform/platform.h"

namespace platform {

Image MakeImage(const std::shared_ptr<PictureData>& picture, ImageFlags flags) {
  if (!picture || picture->frames.empty() || picture->width <= 0) return nullptr;
  auto image = std::make_shared<ImageData>();
  image->width = picture->width;
  image->height = picture->height;
  image->flags = flags;
  image->picture = picture;
  return image;
}

Image MakeImage(std::vector<Pixmap> frames, ImageFlags flags) {
  if (frames.empty() || !frames.front()) return nullptr;
  return MakeImage(std::make_shared<PictureData>(std::move(frames)), flags);
}

namespace {

bool inside(const Pixmap& pixmap, int x, int y) {
  return pixmap && x >= 0 && y >= 0 && x < pixmap->width && y < pixmap->height;
}

}  // namespace

Image LoadImage(const std::string& path, ImageFlags flags) {
  return MakeImage(Backend::get().images.load(path, flags).whole(), flags);
}

Image LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                    int cellCount, ImageFlags flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) {
    Logf("Cannot load picture %s: bad cell layout %d x %d, %d from %d", path.c_str(), cellWidth,
         cellHeight, cellCount, firstCell);
    return nullptr;
  }
  ImageCache::Entry& entry = Backend::get().images.load(path, flags);
  if (!entry.whole()) return nullptr;
  auto cells = entry.cells({cellWidth, cellHeight, firstCell, cellCount});
  if (!cells) {
    Logf("Cannot load picture %s: %d cells of %d x %d do not fit in %d x %d", path.c_str(),
         firstCell + cellCount, cellWidth, cellHeight, entry.whole()->width, entry.whole()->height);
    return nullptr;
  }
  return MakeImage(cells, flags);
}

Image CreateImage(int width, int height, int frames, ImageFlags flags) {
  if (width <= 0 || height <= 0 || frames <= 0 || width > ImageLoader::kMaxSide ||
      height > ImageLoader::kMaxSide)
    return nullptr;
  std::vector<Pixmap> pixmaps;
  pixmaps.reserve(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) pixmaps.push_back(std::make_shared<PixmapData>(width, height));
  return MakeImage(std::move(pixmaps), flags);
}

Image CopyImage(const Image& image) {
  if (!image) return nullptr;
  std::vector<Pixmap> frames;
  for (size_t i = 0; i < image->frames().size(); ++i) {
    const Pixmap& frame = image->picture->pixels(i);
    frames.push_back(frame ? std::make_shared<PixmapData>(*frame)
                           : std::make_shared<PixmapData>(image->width, image->height));
  }
  Image copy = MakeImage(std::move(frames), image->flags);
  copy->handleX = image->handleX;
  copy->handleY = image->handleY;
  return copy;
}

int ImageWidth(const Image& image) { return image ? image->width : 0; }
int ImageHeight(const Image& image) { return image ? image->height : 0; }
int ImageFrames(const Image& image) { return image ? int(image->frames().size()) : 0; }

void SetImageHandle(const Image& image, float hx, float hy) {
  if (!image) return;
  image->handleX = hx;
  image->handleY = hy;
}

void MidHandleImage(const Image& image) {
  if (image) SetImageHandle(image, float(image->width) / 2, float(image->height) / 2);
}

float ImageXHandle(const Image& image) { return image ? image->handleX : 0; }
float ImageYHandle(const Image& image) { return image ? image->handleY : 0; }

Pixmap LockImage(const Image& image, int frame) {
  if (!image || !image->validFrame(frame)) return nullptr;
  // What was drawn before a change shows the old pixels: draw it before they can change.
  Backend::get().renderer.rasterisePending();
  // Frames shared with the cache or other images are copied before anyone can write to them.
  if (image->picture.use_count() > 1) image->picture = CopyImage(image)->picture;
  image->picture->keepPixels();
  return image->frames()[size_t(frame)];
}

void UnlockImage(const Image& image, int frame) {
  if (image && image->validFrame(frame)) image->picture->textures[size_t(frame)].invalidate();
}

Pixmap CreatePixmap(int width, int height, int) {
  if (width <= 0 || height <= 0 || width > ImageLoader::kMaxSide || height > ImageLoader::kMaxSide)
    return nullptr;
  return std::make_shared<PixmapData>(width, height);
}

Pixmap LoadPixmap(const std::string& path) {
  auto picture = ImageLoader::load(path);
  return picture ? picture->pixels : nullptr;
}

Pixmap CopyPixmap(const Pixmap& pixmap) {
  return pixmap ? std::make_shared<PixmapData>(*pixmap) : nullptr;
}

int PixmapWidth(const Pixmap& pixmap) { return pixmap ? pixmap->width : 0; }
int PixmapHeight(const Pixmap& pixmap) { return pixmap ? pixmap->height : 0; }

uint32_t ReadPixel(const Pixmap& pixmap, int x, int y) {
  return inside(pixmap, x, y) ? pixmap->at(x, y) : 0u;
}

void WritePixel(const Pixmap& pixmap, int x, int y, uint32_t argb) {
  if (inside(pixmap, x, y)) pixmap->pixels[size_t(y) * size_t(pixmap->width) + size_t(x)] = argb;
}

void ClearPixels(const Pixmap& pixmap, uint32_t argb) {
  if (pixmap) std::fill(pixmap->pixels.begin(), pixmap->pixels.end(), argb);
}

uint32_t* PixmapPixels(const Pixmap& pixmap) { return pixmap ? pixmap->pixels.data() : nullptr; }

// A pixmap has its own alpha, so masking black does not apply.
Image LoadImageFromPixmap(const Pixmap& pixmap, ImageFlags flags) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
  return MakeImage({std::make_shared<PixmapData>(*pixmap)}, flags);
}

Pixmap GrabPixmap(int x, int y, int width, int height) {
  return Backend::get().renderer.readPixels(x, y, width, height);
}

bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path) {
  return pixmap && ImageLoader::savePNG(*pixmap, path);
}

void ResetCollisions(uint32_t mask) { Backend::get().collisions.reset(mask); }

std::vector<int> CollideImage(const Image& image, float x, float y, int frame, uint32_t collideMask,
                              uint32_t writeMask, int id) {
  if (!image || !image->validFrame(frame)) return {};
  Backend& b = Backend::get();
  const Placement placement = b.state.place(x, y, float(image->width), float(image->height),
                                            image->handleX, image->handleY);
  const Pixmap& pixels = image->picture->pixels(size_t(frame));
  if (!pixels) return {};
  return b.collisions.collide(*pixels, placement, collideMask, writeMask, id);
}

bool ImageCoversPixel(const Image& image, float x, float y, int px, int py, int frame) {
  if (!image || !image->validFrame(frame)) return false;
  const Pixmap& framePixels = image->picture->pixels(size_t(frame));
  if (!framePixels) return false;
  const PixmapData& pixels = *framePixels;
  // The pixel's centre, taken back into the picture as the collision layers take it.
  const float lx = float(px) + 0.5f - x + image->handleX;
  const float ly = float(py) + 0.5f - y + image->handleY;
  if (lx < 0 || ly < 0 || lx >= float(image->width) || ly >= float(image->height)) return false;
  const int sx = std::min(pixels.width - 1, int(lx * float(pixels.width) / float(image->width)));
  const int sy = std::min(pixels.height - 1, int(ly * float(pixels.height) / float(image->height)));
  return (pixels.at(sx, sy) >> 24) >= 128;
}

}  // namespace platform
