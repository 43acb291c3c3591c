#include "match3/TLevel.h"

#include "gui/TMouse.h"
#include "platform/platform.h"

namespace {
// What an unconnected board reports to, plays through and points with: nothing.
TNullBoardListener& nullListener() {
  static TNullBoardListener none;
  return none;
}

TNullBoardSounds& nullSounds() {
  static TNullBoardSounds none;
  return none;
}

const TMouse& idlePointer() {
  static const TMouse idle;
  return idle;
}
}  // namespace

TLevel::TLevel(std::shared_ptr<const TTileCatalog> catalog, TBoardGeometry geometry)
    : gameField(kMaxGrid, std::vector<std::shared_ptr<TTile>>(kMaxGrid)),
      blinkTime(platform::MilliSecs() + platform::Rand(5000, 8000)),
      rozjasnTime(platform::MilliSecs() + 10000),
      catalog_(catalog ? std::move(catalog) : std::make_shared<const TTileCatalog>()),
      geometry_(geometry),
      listener_(&nullListener()),
      sounds_(&nullSounds()),
      pointer_(&idlePointer()) {}

void TLevel::connect(IBoardListener& listener, IBoardSounds& sounds) {
  listener_ = &listener;
  sounds_ = &sounds;
}

std::shared_ptr<TTile> TLevel::tileAt(int row, int col) const {
  if (row < 0 || col < 0 || row >= rows || col >= cols) return nullptr;
  if (row >= static_cast<int>(gameField.size())) return nullptr;
  const auto& line = gameField[row];
  if (col >= static_cast<int>(line.size())) return nullptr;
  return line[col];
}

void TLevel::loadBackGround() {
  if (backGround) backGround->LoadImg();
}

void TLevel::drawBackGround() const {
  if (backGround) backGround->draw();
}

bool TLevel::isAvailable(int row, int col) const {
  const auto tile = tileAt(row, col);
  return tile && tile->available != 0;
}

TCellMask TLevel::cellMask() const {
  return {rows, cols, [this](int row, int col) { return isAvailable(row, col); }};
}

void TLevel::countMaths(float mX_, float mY_) {
  WWW = static_cast<int>(static_cast<float>(cols) * geometry_.factorW);
  HHH = static_cast<int>(static_cast<float>(rows) * geometry_.factorH);
  screenW = 768;
  screenH = 704;
  _countSizes();
  setTilesSize();
  _countScale();
  mX = mX_;
  mY = mY_;
  _countLevelDIMS();
  _countTilesPosition();
}

void TLevel::_countSizes() { size = 2; }

void TLevel::setTilesSize() {
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col)
      if (auto tile = tileAt(row, col)) tile->size = size;
}

void TLevel::_countScale() { geometry_.scale = 1.0f; }

void TLevel::_countLevelDIMS() {
  // The cell pitch is the size of tile kind 1; without it the 42 px art size stands.
  if (const auto kind = catalog_->getTileData(1)) {
    if (const auto picture = kind->picture(size)) {
      geometry_.tileWidth = static_cast<float>(platform::ImageWidth(picture));
      geometry_.tileHeight = static_cast<float>(platform::ImageHeight(picture));
    }
  }
  levelW = static_cast<float>(cols - 1) * geometry_.tileWidth;
  levelH = static_cast<float>(rows) * geometry_.tileHeight;
  levelX = geometry_.centreX - levelW / 2.0f;
  levelY = geometry_.centreY - levelH / 2.0f;
}

void TLevel::_countTilesPosition() {
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < cols; ++col) {
      auto tile = tileAt(row, col);
      if (!tile) continue;
      tile->r = static_cast<float>(row);
      tile->c = static_cast<float>(col);
      _countSingleTilePosition(*tile);
      if (tile->tileBack) tile->matches = tile->tileBack->matches;
    }
  }
}

std::shared_ptr<TDim> TLevel::_countSingleTilePosition(TTile& tile) {
  const float tw = geometry_.tileWidth;
  const float th = geometry_.tileHeight;
  tile.x = tile.constX = levelX + tile.c * tw;
  tile.y = tile.constY = levelY + tile.r * th;
  tile.x1 = tile.x - tw / 2.0f;
  tile.y1 = tile.y - th / 2.0f;
  tile.x2 = tile.x + tw / 2.0f;
  tile.y2 = tile.y + th / 2.0f;
  tile.w = tw;
  tile.h = th;
  tile.constS = geometry_.scale;
  auto dim = std::make_shared<TDim>();
  dim->x = static_cast<float>(static_cast<int>(tile.x1));
  dim->y = static_cast<float>(static_cast<int>(tile.y1));
  dim->w = static_cast<float>(static_cast<int>(tw));
  dim->h = static_cast<float>(static_cast<int>(th));
  return dim;
}
