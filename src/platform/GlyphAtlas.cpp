#include "platform/GlyphAtlas.h"

#include <algorithm>

namespace platform {

namespace {
constexpr int kPadding = 1;  // keeps filtered neighbours from bleeding into each other
}

GlyphAtlas::Slot GlyphAtlas::add(int width, int height, const std::vector<uint8_t>& coverage) {
  Slot slot;
  if (width <= 0 || height <= 0 || width + kPadding > kPageSize || height + kPadding > kPageSize ||
      coverage.size() < size_t(width) * size_t(height))
    return slot;
  if (cursorX_ + width + kPadding > kPageSize) {
    cursorX_ = 0;
    cursorY_ += rowHeight_ + kPadding;
    rowHeight_ = 0;
  }
  if (pages_.empty() || cursorY_ + height + kPadding > kPageSize) {
    pages_.push_back(CreateImage(kPageSize, kPageSize, 1, ImageFlags::Filtered));
    cursorX_ = cursorY_ = rowHeight_ = 0;
  }
  const Image& page = pages_.back();
  PixmapData& pixels = *page->picture->frames[0];
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels.pixels[size_t(cursorY_ + y) * size_t(kPageSize) + size_t(cursorX_ + x)] =
          (uint32_t(coverage[size_t(y) * size_t(width) + size_t(x)]) << 24) | 0x00FFFFFFu;
  page->picture->textures[0].invalidate();
  slot = Slot{page, cursorX_, cursorY_, width, height};
  cursorX_ += width + kPadding;
  rowHeight_ = std::max(rowHeight_, height);
  return slot;
}

}  // namespace platform
