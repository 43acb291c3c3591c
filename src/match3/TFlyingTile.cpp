#include "match3/TFlyingTile.h"

#include <algorithm>

#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "match3/TLevel.h"
#include "match3/TTile.h"
#include "match3/TTileData.h"
#include "platform/Log.h"
#include "platform/platform.h"

std::shared_ptr<TFlyingTile> createFlyingTile(const std::shared_ptr<TTile>& from,
                                              const std::shared_ptr<TTile>& to, int mType,
                                              int check) {
  auto flight = std::make_shared<TFlyingTile>();
  flight->level = from ? from->_parent : nullptr;
  flight->tile = from;
  flight->tileData = from ? from->td : nullptr;
  flight->dTile = to;
  flight->check = check;
  flight->mType = mType;
  flight->countStart();
  if (from) from->_flyingTile = flight;
  if (flight->level) {
    flight->level->flyingTiles.add(flight);
    flight->level->sfx().playMySound("fly" + std::to_string(platform::Rand(2, 4)));
  }
  return flight;
}

std::shared_ptr<TFlyingTile> createSwap(const std::shared_ptr<TTile>& a,
                                        const std::shared_ptr<TTile>& b) {
  auto p = createFlyingTile(a, b, 0, 1);
  auto q = createFlyingTile(b, a, 0, 1);
  auto pair = std::make_shared<TFlyingTile>();
  pair->level = a ? a->_parent : nullptr;
  pair->fly1 = p;
  pair->fly2 = q;
  p->speed = q->speed = 0.15f;
  if (p->list) p->list->remove(p.get());
  if (q->list) q->list->remove(q.get());
  if (pair->level) {
    pair->level->flyingTiles.add(pair);
    pair->level->sfx().playMySound("fly1");
  }
  return pair;
}

void TFlyingTile::countStart() {
  if (mType == 0 && tile && dTile) {
    x1 = tile->x;
    y1 = tile->y;
    x2 = dTile->x;
    y2 = dTile->y;
    mx = x1 + static_cast<float>(static_cast<int>(x2 - x1) / 2);
    my = y1 + static_cast<float>(static_cast<int>(y2 - y1) / 2);
  }
  per = 0;
  countPosition();
}

void TFlyingTile::countPosition() {
  x = x1 + 2 * per * (mx - x1) + per * per * (x1 + x2 - 2 * mx);
  y = y1 + 2 * per * (my - y1) + per * per * (y1 + y2 - 2 * my);
}

void TFlyingTile::update() {
  if (isPair()) {
    _update();
    return;
  }
  if (state == FlightState::End) return;
  per = std::min(per + speed * delta, 1.0f);
  countPosition();
  if (per < 1.0f) return;
  if (!ok) {
    ok = 1;
    return;
  }
  endFly();
}

void TFlyingTile::endFly() {
  if (isPair()) {
    // Leaving a level mid-swap: both kinds land where they were going, nothing is checked.
    if (fly1) fly1->endFly();
    if (fly2) fly2->endFly();
    if (fly1 && fly1->dTile) fly1->dTile->td = fly1->tileData;
    if (fly2 && fly2->dTile) fly2->dTile->td = fly2->tileData;
    destroy();
    _releaseSources();
    return;
  }
  if (check == 1) {
    state = FlightState::End;
    if (dTile) dTile->td = tileData;
    if (tile) tile->td = nullptr;
    return;
  }
  destroy();
  if (dTile) dTile->td = tileData;
  if (tile) tile->td = nullptr;
  if (!level || !dTile) return;
  const auto found = level->checkMatch(dTile);
  if (found.size() > 2) erase(found);
}

void TFlyingTile::destroy() {
  if (tile && tile->_flyingTile.get() == this) tile->_flyingTile = nullptr;
  if (list) list->remove(this);
  if (level && dTile) {
    const int row = TLevel::rowOf(*dTile);
    const int col = TLevel::colOf(*dTile);
    level->_updateTilePosition1(row, col);
    level->_updateTilePosition2(row, col);
  }
}

void TFlyingTile::reverseTwo() {
  destroy();
  if (!fly1 || !fly2) return;
  auto back = createSwap(fly1->tile, fly2->tile);
  back->reverse = 1;
}

void TFlyingTile::erase(const std::vector<std::shared_ptr<TTile>>& tiles) {
  if (level) level->eraseTiles(tiles);
}

int TFlyingTile::isBonus(const std::shared_ptr<TTile>& cell) {
  if (!cell || !cell->holdsBonus()) return 0;
  cell->destroy(0);
  return 1;
}

void TFlyingTile::_releaseSources() {
  if (fly1 && fly1->tile) fly1->tile->_flyingTile = nullptr;
  if (fly2 && fly2->tile) fly2->tile->_flyingTile = nullptr;
}

void TFlyingTile::_update() {
  if (fly1) fly1->update();
  if (fly2) fly2->update();
  if (!fly1 || !fly2 || fly1->state != FlightState::End || fly2->state != FlightState::End) return;
  if (fly1->dTile) fly1->dTile->td = fly1->tileData;
  if (fly2->dTile) fly2->dTile->td = fly2->tileData;
  const int b1 = isBonus(fly1->dTile);
  const int b2 = isBonus(fly2->dTile);
  if (reverse == 0) {
    _resolveSwap(b1, b2);
    return;
  }
  destroy();
  _releaseSources();
}

void TFlyingTile::_resolveSwap(int b1, int b2) {
  using List = std::vector<std::shared_ptr<TTile>>;
  List a = (level && !b1) ? level->checkMatch(fly1->dTile) : List{};
  List b = (level && !b2) ? level->checkMatch(fly2->dTile) : List{};
  const size_t n = a.size() + b.size();
  platform::Logf("SPASOWANYCH : %zu", n);
  if (n > 3) {
    const int praise = platform::Rand(5, 8);
    if (auto text = addTextParticleQuick(praise, getX(), getY(), 0)) text->perSpeed = 0.02f;
  }
  if (a.empty() && b.empty() && !b1 && !b2) {
    // Release the cells first: the undo flights take them over.
    _releaseSources();
    reverseTwo();
    return;
  }
  if (!a.empty()) erase(a);
  if (!b.empty()) erase(b);
  destroy();
  _releaseSources();
  // Only now are the matched tiles busy fading and the swapped ones free, so the new bonus
  // lands on a tile that stays.
  if (n > 3 && level) level->createRandomBonus();
}

const TTile* TFlyingTile::_anchor() const {
  for (const TTile* cell : {fly1 ? fly1->tile.get() : nullptr, fly2 ? fly2->tile.get() : nullptr,
                            fly1 ? fly1->dTile.get() : nullptr, fly2 ? fly2->dTile.get() : nullptr})
    if (cell) return cell;
  return nullptr;
}

int TFlyingTile::getX() const {
  const TTile* cell = _anchor();
  return cell ? static_cast<int>(cell->x) : 0;
}

int TFlyingTile::getY() const {
  const TTile* cell = _anchor();
  return cell ? static_cast<int>(cell->y) : 0;
}

void TFlyingTile::draw() {
  if (isPair()) {
    if (fly1) fly1->draw();
    if (fly2) fly2->draw();
    return;
  }
  if (!tileData) return;
  const int sizeIndex = tile ? tile->size : 2;
  tileData->drawShadow(x + 3, y + 2, sizeIndex, 0, 1.0f);
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  tileData->draw(x, y, sizeIndex, 0);
}
