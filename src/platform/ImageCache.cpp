#include "platform/ImageCache.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/ImageLoader.h"
#include "platform/files.h"

namespace platform {

namespace {

Pixmap cut(const PixmapData& sheet, int x, int y, int width, int height) {
  auto cell = std::make_shared<PixmapData>(width, height);
  for (int row = 0; row < height; ++row)
    std::copy_n(sheet.pixels.begin() + ptrdiff_t(size_t(y + row) * size_t(sheet.width) + size_t(x)),
                width, cell->pixels.begin() + ptrdiff_t(size_t(row) * size_t(width)));
  return cell;
}

}  // namespace

std::shared_ptr<PictureData> ImageCache::Entry::cells(const Layout& layout) {
  if (!whole_ || layout.cellWidth <= 0 || layout.cellHeight <= 0 || layout.firstCell < 0 ||
      layout.cellCount <= 0)
    return nullptr;
  const PixmapData& sheet = *whole_->frames.front();
  const int columns = sheet.width / layout.cellWidth, rows = sheet.height / layout.cellHeight;
  if (int64_t(layout.firstCell) + layout.cellCount > int64_t(columns) * rows) return nullptr;
  // One cell covering the whole picture is the picture itself.
  if (layout == Layout{sheet.width, sheet.height, 0, 1}) return whole_;
  std::shared_ptr<PictureData>& sheetFrames = sheets_[layout];
  if (!sheetFrames) {
    std::vector<Pixmap> frames;
    for (int cell = layout.firstCell; cell < layout.firstCell + layout.cellCount; ++cell)
      frames.push_back(cut(sheet, (cell % columns) * layout.cellWidth,
                           (cell / columns) * layout.cellHeight, layout.cellWidth,
                           layout.cellHeight));
    sheetFrames = std::make_shared<PictureData>(std::move(frames));
  }
  return sheetFrames;
}

ImageCache::Entry& ImageCache::load(const std::string& path, ImageFlags flags) {
  // Keyed by where the file is, so a relative path read from another folder is another file.
  auto [it, added] = entries_.try_emplace({RealPath(path), flags});
  Entry& entry = it->second;
  if (added) {
    ++decodes_;
    auto picture = ImageLoader::read(path, entry.error_);
    if (picture && HasAnyFlag(flags, ImageFlags::Masked) && !picture->hasAlpha)
      ImageLoader::applyMask(*picture->pixels);
    if (picture) entry.whole_ = std::make_shared<PictureData>(std::vector<Pixmap>{picture->pixels});
  }
  if (!entry.whole_) ImageLoader::logFailure(path, entry.error_);
  return entry;
}

void ImageCache::clear() {
  entries_.clear();
  decodes_ = 0;
}

}  // namespace platform
