#include "match3/TMatch3Game.h"

#include <cstdlib>

#include "gui/TMouse.h"
#include "match3/TFlyingTile.h"
#include "match3/TLevel.h"
#include "match3/TTile.h"
#include "platform/platform.h"

namespace {
constexpr int kDragPixels = 8;
}

void TMatch3Game::setLevel(const std::shared_ptr<TLevel>& newLevel) {
  level = newLevel;
  if (level) level->setPointer(mouse_);
}

void TMatch3Game::draw() {
  if (level) level->draw();
}

void TMatch3Game::update() {
  over = nullptr;
  if (!level) return;
  level->update();
  // A selected tile that starts to fall or is caught in a blast is no longer the player's.
  if (clicked && !clicked->atRest()) odznacz();
  // A frozen board takes no mouse input (its hover is not even looked at).
  if (level->hold) return;
  over = level->over;
  const TMouse& m = _mouse();
  if (m.leftPressed && over) {
    clickTile(over);
    mx = static_cast<float>(m.x);
    my = static_cast<float>(m.y);
    _over = over;
  }
  if (!platform::MouseDown(1)) {
    over = nullptr;
    _over = nullptr;
  }
  if (m.leftHolded && over && (static_cast<float>(m.x) != mx || static_cast<float>(m.y) != my)) {
    over = _over;
    checkMove2();
  }
  lastOver = over;
}

void TMatch3Game::setClicked(const std::shared_ptr<TTile>& tile) {
  clicked = tile;
  if (level) level->clicked = tile;
  if (tile) tile->clickMe();
}

void TMatch3Game::odznacz() {
  clicked = nullptr;
  if (level) level->clicked = nullptr;
}

void TMatch3Game::clickTile(const std::shared_ptr<TTile>& tile) {
  if (!tile) return;
  if (clicked && tile == clicked) {
    odznacz();
    checkIfBonus(tile);
  } else if (clicked && checkClickedTilePosition(tile)) {
    setChange(clicked, tile);
  } else {
    setClicked(tile);
  }
}

void TMatch3Game::setChange(const std::shared_ptr<TTile>& a, const std::shared_ptr<TTile>& b) {
  if (!a || !b) return;
  if (!a->td || !b->td) {
    odznacz();
    return;
  }
  if (a->_lancuch || b->_lancuch) return;
  // A falling tile would leave its kind on two cells, a fading one would live again.
  if (!a->atRest() || !b->atRest()) return;
  createSwap(a, b);
  odznacz();
}

int TMatch3Game::checkIfBonus(const std::shared_ptr<TTile>& tile) {
  if (!tile || !tile->holdsBonus()) return 0;
  tile->destroy(0);
  return 1;
}

int TMatch3Game::checkTilesPositionRange(const TTile& a, const TTile& b) {
  const int ra = TLevel::rowOf(a), ca = TLevel::colOf(a);
  const int rb = TLevel::rowOf(b), cb = TLevel::colOf(b);
  return ((ca == cb && std::abs(ra - rb) == 1) || (ra == rb && std::abs(ca - cb) == 1)) ? 1 : 0;
}

int TMatch3Game::checkClickedTilePosition(const std::shared_ptr<TTile>& tile) const {
  if (!tile || !clicked) return 0;
  return checkTilesPositionRange(*tile, *clicked);
}

void TMatch3Game::checkMove2() {
  if (!over || !level) return;
  const TMouse& m = _mouse();
  const int dx = m.x - static_cast<int>(mx);
  const int dy = m.y - static_cast<int>(my);
  const int row = TLevel::rowOf(*over);
  const int col = TLevel::colOf(*over);
  std::shared_ptr<TTile> target;
  if (std::abs(dx) > std::abs(dy)) {
    if (dx <= -kDragPixels && col > 1)
      target = level->tileAt(row, col - 1);
    else if (dx >= kDragPixels && col < level->cols - 2)
      target = level->tileAt(row, col + 1);
  } else {
    if (dy <= -kDragPixels && row > 1)
      target = level->tileAt(row - 1, col);
    else if (dy >= kDragPixels && row < level->rows - 2)
      target = level->tileAt(row + 1, col);
  }
  if (!target) return;
  lastOver = target;
  move();
}

void TMatch3Game::move() {
  if (over && lastOver && checkTilesPositionRange(*over, *lastOver)) setChange(over, lastOver);
  over = nullptr;
  lastOver = nullptr;
  mx = my = 0;
  platform::FlushMouse();
}
