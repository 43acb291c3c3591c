#include "platform/ImageCache.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/ImageLoader.h"
#include "platform/Log.h"
#include "platform/files.h"

namespace platform {

PictureData::PictureData(std::vector<Pixmap> pictureFrames)
    : frames(std::move(pictureFrames)), textures(frames.size()) {
  if (!frames.empty() && frames.front()) {
    width = frames.front()->width;
    height = frames.front()->height;
  }
}

const Pixmap& PictureData::pixels(size_t frame) {
  if (!frames[frame] && reload) {
    std::vector<Pixmap> fresh = reload();
    if (fresh.size() == frames.size()) {
      for (size_t i = 0; i < frames.size(); ++i)
        if (!frames[i]) frames[i] = std::move(fresh[i]);
    } else {
      Log("Cannot read a picture's pixels again: its file changed or went away");
    }
  }
  return frames[frame];
}

void PictureData::release(size_t frame) {
  if (reload) frames[frame].reset();
}

void PictureData::keepPixels() {
  for (size_t i = 0; i < frames.size(); ++i) pixels(i);
  reload = nullptr;
}

namespace {

Pixmap cut(const PixmapData& sheet, int x, int y, int width, int height) {
  auto cell = std::make_shared<PixmapData>(width, height);
  for (int row = 0; row < height; ++row)
    std::copy_n(sheet.pixels.begin() + ptrdiff_t(size_t(y + row) * size_t(sheet.width) + size_t(x)),
                width, cell->pixels.begin() + ptrdiff_t(size_t(row) * size_t(width)));
  return cell;
}

// The cells of a layout that fits the sheet; none when its pixels cannot be had.
std::vector<Pixmap> cutCells(PictureData& whole, const ImageCache::Layout& layout) {
  const Pixmap& sheet = whole.pixels(0);
  if (!sheet) return {};
  const int columns = sheet->width / layout.cellWidth;
  std::vector<Pixmap> frames;
  for (int cell = layout.firstCell; cell < layout.firstCell + layout.cellCount; ++cell)
    frames.push_back(cut(*sheet, (cell % columns) * layout.cellWidth,
                         (cell / columns) * layout.cellHeight, layout.cellWidth,
                         layout.cellHeight));
  return frames;
}

std::vector<Pixmap> readWhole(const std::string& path, ImageFlags flags, std::string& error) {
  auto picture = ImageLoader::read(path, error);
  if (!picture) return {};
  if (HasAnyFlag(flags, ImageFlags::Masked) && !picture->hasAlpha)
    ImageLoader::applyMask(*picture->pixels);
  return {picture->pixels};
}

}  // namespace

std::shared_ptr<PictureData> ImageCache::Entry::cells(const Layout& layout) {
  if (!whole_ || layout.cellWidth <= 0 || layout.cellHeight <= 0 || layout.firstCell < 0 ||
      layout.cellCount <= 0)
    return nullptr;
  const int columns = whole_->width / layout.cellWidth;
  const int rows = whole_->height / layout.cellHeight;
  if (int64_t(layout.firstCell) + layout.cellCount > int64_t(columns) * rows) return nullptr;
  // One cell covering the whole picture is the picture itself.
  if (layout == Layout{whole_->width, whole_->height, 0, 1}) return whole_;
  std::shared_ptr<PictureData>& sheetFrames = sheets_[layout];
  if (!sheetFrames) {
    std::vector<Pixmap> frames = cutCells(*whole_, layout);
    if (frames.empty()) return nullptr;
    sheetFrames = std::make_shared<PictureData>(std::move(frames));
    sheetFrames->reload = [whole = whole_, layout] { return cutCells(*whole, layout); };
  }
  return sheetFrames;
}

ImageCache::Entry& ImageCache::load(const std::string& path, ImageFlags flags) {
  // Keyed by where the file is, so a relative path read from another folder is another file.
  auto [it, added] = entries_.try_emplace({RealPath(path), flags});
  Entry& entry = it->second;
  if (added) {
    ++decodes_;
    std::vector<Pixmap> frames = readWhole(path, flags, entry.error_);
    if (!frames.empty()) {
      entry.whole_ = std::make_shared<PictureData>(std::move(frames));
      entry.whole_->reload = [path = RealPath(path), flags] {
        std::string error;
        return readWhole(path, flags, error);
      };
    }
  }
  if (!entry.whole_) ImageLoader::logFailure(path, entry.error_);
  return entry;
}

void ImageCache::clear() {
  entries_.clear();
  decodes_ = 0;
}

}  // namespace platform
