#include "match3/TTile.h"

#include <cmath>

#include "core/Ease.h"
#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "gui/TMouse.h"
#include "gui/TRGB.h"
#include "match3/TLevel.h"
#include "match3/TTileBack.h"
#include "match3/TTileData.h"
#include "platform/platform.h"
#include "platform/strings.h"

namespace {

TRGB colourOf(const std::shared_ptr<TTileData>& kind) {
  return (kind && kind->rgb) ? *kind->rgb : TRGB{};
}

bool hasColour(const std::shared_ptr<TTileData>& kind) { return kind && kind->rgb; }

}  // namespace

TTile::TTile(TLevel* parent) : _parent(parent), blinkTime(platform::MilliSecs() + 6000000) {}

int TTile::tileBackId() const { return tileBack ? tileBack->id : 0; }

int TTile::tileId() const { return td ? td->id : 0; }

bool TTile::holdsTile() const { return td && td->id < 100; }

bool TTile::holdsBonus() const { return td && td->id > 100; }

int TTile::_row() const { return static_cast<int>(r); }

int TTile::_col() const { return static_cast<int>(c); }

// ---- Operations --------------------------------------------------------------------------

void TTile::destroy(int delay) {
  if (_usingBonus()) return;
  const int now = platform::MilliSecs();
  state = TileState::Destroy;
  alpha = 1.0f;
  time = now + delay;
  frame = 0;
  // A new destruction begins anew: without this a cell hit a second time with no delay
  // would never play its chain or plate sound again.
  _byloRozpoczecie = 0;
  if (holdsTile() && _parent) {
    IBoardListener& events = _parent->events();
    if (tileBackId() > 1 && _lancuch == 0) {
      // The star flies only for the layer this destruction pays.
      if (!_plateLayerHit())
        addStarParticle(static_cast<int>(x), static_cast<int>(y), events.pointsParticles(), delay);
    } else {
      addPointsParticle(td->partN, static_cast<int>(x), static_cast<int>(y),
                        events.pointsParticles(), delay);
      events.addPoints(td->punkty);
    }
  }
  if (_lancuch > 0) {
    for (int n = 0; n < 5; ++n) {
      const int sx = static_cast<int>(x + static_cast<float>(platform::Rand(-20, 20)));
      const int sy = static_cast<int>(y + static_cast<float>(platform::Rand(-20, 20)));
      addChainShard(sx, sy, delay);
    }
  } else {
    matchMe(delay);
  }
}

void TTile::setDestroyType(int n) { destroyType = n; }

void TTile::matchMe(int delay) {
  // Bombs, fire lines, vanish and a corner listed twice can all reach the cell before its
  // tile has faded: the layer they share pays one star.
  if (matches == 0 || _plateLayerHit()) return;
  if (_parent) _parent->events().addStar();
  if (tileBackId() == 2) {
    const auto points = get3on3dimsTab();
    for (int n = 0; n < 9; ++n)
      addPlateShard(22 + n, static_cast<int>(points[n].x), static_cast<int>(points[n].y), delay);
  } else if (tileBackId() == 3) {
    const auto points = get3on3golddimsTab();
    for (int n = 0; n < 9; ++n)
      addPlateShard(31 + n, static_cast<int>(points[n].x), static_cast<int>(points[n].y), delay);
  }
  _lastTileBack = tileBack;
  if (_parent) tileBack = _parent->catalog().getTileBackByMatches(matches - 1);
}

bool TTile::_plateLayerHit() const { return _lastTileBack != nullptr; }

void TTile::_settleLayer() {
  if (_lancuch > 0)
    chainMeDown();
  else
    matchMeDown();
}

bool TTile::atRest() const { return td && state.empty() && !_flyingTile; }

void TTile::matchMeDown() {
  if (matches > 0) {
    --matches;
    _lastTileBack = nullptr;
  }
}

void TTile::chainMeDown() {
  if (_lancuch > 0) --_lancuch;
}

std::array<TTile::Point, 9> TTile::get3on3dimsTab() const {
  const float width = getTileWidth();
  std::array<Point, 9> points;
  for (int k = 1; k <= 3; ++k)
    for (int g = 1; g <= 3; ++g)
      points[(k - 1) * 3 + (g - 1)] = {x - width / 2 + 8.0f * g, y - width / 2 + 8.0f * k};
  return points;
}

std::array<TTile::Point, 9> TTile::get3on3golddimsTab() const {
  static constexpr float kOffsets[9][2] = {{6, 6},   {18, 6}, {29, 6},  {6, 17}, {17, 17},
                                           {28, 17}, {6, 28}, {17, 28}, {28, 28}};
  const float width = getTileWidth();
  std::array<Point, 9> points;
  for (int n = 0; n < 9; ++n)
    points[n] = {x + 4 - width / 2 + kOffsets[n][0], y + 4 - width / 2 + kOffsets[n][1]};
  return points;
}

float TTile::getTileWidth() const {
  const auto picture = td ? td->picture(size) : platform::Image();
  return picture ? static_cast<float>(platform::ImageWidth(picture)) : 42.0f;
}

float TTile::getTileHeight() const {
  const auto picture = td ? td->picture(size) : platform::Image();
  return picture ? static_cast<float>(platform::ImageHeight(picture)) : 42.0f;
}

void TTile::_startDrawingCommon(int delay) {
  hide = 0;
  state = TileState::Draw;
  alpha = 0;
  ds = 1;
  backS = 0;
  dBackS = 1;
  frame = 0;
  _isClicked = 0;
  _isOver = 0;
  backAlpha = 0;
  drawingTime = platform::MilliSecs() + delay;
}

void TTile::startDrawing1(int delay) {
  _startDrawingCommon(delay);
  s = 2.0f;
  backS = 1;
  rotateMe = 0;
}

void TTile::startDrawing2(int delay) {
  _startDrawingCommon(delay);
  s = 0;
  backS = 0;
  rotateMe = 1;
}

void TTile::startDrawingBack(int delay) {
  hide = 0;
  state = TileState::DrawBack;
  alpha = 1;
  ds = 0;
  s = 1;
  backS = 1;
  dBackS = 0;
  frame = 0;
  kierunek = 5.0f;
  _isClicked = 0;
  _isOver = 0;
  backAlpha = 1;
  _flyingTile = nullptr;
  drawingTime = platform::MilliSecs() + delay;
}

void TTile::changeMeTo(const std::shared_ptr<TTileData>& kind) {
  state = TileState::Change;
  changingTo = kind;
  changingP = 0;
  frame = 0;
}

void TTile::changeMeTo2(const std::shared_ptr<TTileData>& kind) {
  state = TileState::Change2;
  changingTo = kind;
  changingP = 0;
  frame = 0;
}

int TTile::canBeMoved() const { return state.empty() ? 1 : 0; }

void TTile::moveMe() { isMoving = 1; }

void TTile::clickMe() {
  move = 0.5f;
  dmove = static_cast<float>(platform::Rand(0, 1));
}

void TTile::vanishMe() {
  if (isState(TileState::Destroy)) return;
  destroy(1000);
  ds = 0;
  destroyType = -1;
  addVanishParticle(20, static_cast<int>(x), static_cast<int>(y), nullptr);
}

void TTile::bombMe() {
  td = nullptr;
  frame = 0;
  destroyType = 4;
  destroy(0);
}

void TTile::crossMe() {
  state = TileState::CrossFire;
  frame = 0;
  time = platform::MilliSecs() + 100;
}

void TTile::useBomb() {
  if (_usingBonus() || !td || !_parent) return;
  const int moc = td->moc;
  bombMe();
  _parent->useBomb(_row(), _col(), moc);
  _parent->sfx().bomb();
}

void TTile::useCrossFire() { _fireLines(true, true); }

void TTile::useCrossFireVertical() { _fireLines(true, false); }

void TTile::useCrossFireHorizontal() { _fireLines(false, true); }

void TTile::_fireLines(bool vertical, bool horizontal) {
  if (_usingBonus() || !td || !_parent) return;
  const int moc = td->moc;
  crossMe();
  if (vertical) _parent->useCrossVertical(_row(), _col(), moc);
  if (horizontal) _parent->useCrossHorizontal(_row(), _col(), moc);
  _parent->sfx().crossFire(moc);
}

void TTile::useVanish() {
  if (!td || !_parent) return;
  const int moc = td->moc;
  _parent->useVanish(_row(), _col(), moc);
  state = TileState::Vanish;
  _parent->sfx().playMySound("wir" + std::to_string(platform::Rand(1, 2)));
}

int TTile::_usingBonus() const {
  if (!td) return 0;
  return (isState(TileState::CrossFire) || isState(TileState::Vanish) ||
          isState(TileState::Bombing))
             ? 1
             : 0;
}

int TTile::finished() const { return isState(TileState::Destroy) ? 0 : 1; }

int TTile::onFly() const {
  if (!_parent) return 0;
  int found = 0;
  _parent->flyingTiles.forEach([&](TFlyingTile& flight) {
    if (flight.tile.get() == this || flight.dTile.get() == this) found = 1;
  });
  return found;
}

// ---- Per-frame updates ---------------------------------------------------------------------

int TTile::_updateOver() {
  _isOver = 0;
  if (_flyingTile || _lancuch != 0 || !td || !state.empty() || !_parent) return 0;
  const TMouse& mouse = _parent->pointer();
  if (!mouse.inRect(static_cast<float>(static_cast<int>(x1) + 1),
                    static_cast<float>(static_cast<int>(y1) + 1),
                    static_cast<float>(static_cast<int>(w) - 2),
                    static_cast<float>(static_cast<int>(h) - 2)))
    return 0;
  _isOver = 1;
  return 1;
}

void TTile::_updateScale() {
  const float shrink = (std::fabs(vy) / 10.0f + 0.05f) * delta;
  vy = vy > 0 ? std::max(vy - shrink, 0.0f) : std::min(vy + shrink, 0.0f);
  if (_flyingTile || isState(TileState::DrawBack) || isState(TileState::DrawBackEnd)) return;
  ds = (td && _isOver) ? 1.05f : 1.0f;
  s = easeToward(s, ds, 0.1f * delta);
}

void TTile::_updateClicked() {
  if (_flyingTile) return;
  if (_parent && _parent->clicked.get() == this && td) {
    _isClicked = 1;
    s = 1.0f;
    move = easeToward(move, dmove, 0.03f * delta);
    if (move == dmove) dmove = dmove >= 1.0f ? 0.0f : 1.0f;
  } else {
    _isClicked = 0;
  }
}

void TTile::_updateRozjasnienie() {
  if (!_rozjasnienie) return;
  const bool rising = rozA < drozA || (rozA == drozA && drozA > 0);
  rozA = easeToward(rozA, drozA, 0.01f * delta);
  if (rozA != drozA) return;
  if (rising) {
    if (platform::MilliSecs() > _rozjasnTime) drozA = 0;
  } else {
    _rozjasnienie = 0;
  }
}

void TTile::_updateFrames() {
  if (!td) return;
  frame += 0.4f * delta;
  if (frame > static_cast<float>(td->maxFrames)) frame = 0;
}

void TTile::_updatePoswiata() {
  overR += 5.0f * delta;
  if (overR > 360.0f) overR -= 360.0f;
  overA = easeToward(overA, _isOver ? 1.0f : 0.0f, 0.05f * delta);
}

void TTile::_updateState() {
  _updateFrames();
  if (!td && !onFly()) _zajete = 0;
  if (state.empty()) {
    alpha = std::min(alpha + 0.02f * delta, 1.0f);
    backAlpha = std::min(backAlpha + 0.02f * delta, 1.0f);
  } else if (isState(TileState::Destroy)) {
    _updateDestroy();
  } else if (isState(TileState::CrossFire) || isState(TileState::Vanish)) {
    _updateBurning();
  } else if (isState(TileState::Change)) {
    _updateChange(0.05f, 1.0f, 1);
  } else if (isState(TileState::Change2)) {
    _updateChange(0.01f, 1.1f, 21);
  } else if (isState(TileState::Rising)) {
    _updateRising();
  } else if (isState(TileState::Draw)) {
    _updateDraw();
  } else if (isState(TileState::DrawBack)) {
    _updateDrawBack();
  }
  _updatePoswiata();
}

void TTile::_updateExist() {
  if (isState(TileState::DrawBack) || isState(TileState::DrawBackEnd) ||
      isState(TileState::Destroy))
    return;
  if (_flyingTile || td || !available || bonus != 0 || !_parent) return;
  bool creator = false;
  for (const auto& cell : _parent->tileCreators) creator = creator || cell.get() == this;
  if (!creator) return;
  td = _parent->getRandomTile();
  if (!td) return;
  s = 0;
  ds = 1.0f;
  state = TileState::Rising;
}

void TTile::_updateDestroy() {
  if (platform::MilliSecs() < time) {
    _byloRozpoczecie = 0;
    return;
  }
  if (!_byloRozpoczecie) {
    _byloRozpoczecie = 1;
    if (_parent) {
      if (_lancuch > 0)
        _parent->sfx().playChain();
      else if (_lastTileBack && _lastTileBack->id > 1)
        _parent->sfx().playPlates();
    }
  }
  alpha -= 0.05f * delta;
  if (_lancuch == 0) _destroySparks();
  if (td) _fireBonus();
  if (!isState(TileState::Destroy) || alpha >= 0) return;
  alpha = 1;
  _settleLayer();
  td = nullptr;
  state.clear();
  usesBonus = 0;
  _zajete = 0;
}

void TTile::_fireBonus() {
  switch (td->id) {
    case 101:
    case 105:
    case 111:
      useBomb();
      break;
    case 102:
    case 106:
    case 112:
      useCrossFire();
      break;
    case 103:
    case 109:
      useCrossFireVertical();
      break;
    case 104:
    case 110:
      useCrossFireHorizontal();
      break;
    case 107:
    case 108:
      useVanish();
      break;
    default:
      break;
  }
}

void TTile::_updateBurning() {
  _burnSparks(1);
  if (platform::MilliSecs() >= time) {
    // The destruction that lit the bonus hit its plate or chain: settle it as a fade does.
    _settleLayer();
    td = nullptr;
    state.clear();
  }
}

void TTile::_updateChange(float step, float end, int chance) {
  changingP += step * delta;
  _burnSparks(chance);
  if (changingP < end) return;
  changingP = 1;
  td = changingTo;
  changingTo = nullptr;
  state.clear();
}

void TTile::_updateRising() {
  if (s != ds) return;
  state.clear();
  if (!_parent) return;
  auto self = _parent->tileAt(_row(), _col());
  const auto found = _parent->checkMatch(self);
  if (found.size() > 2) _parent->eraseTiles(found);
}

void TTile::_updateDraw() {
  if (platform::MilliSecs() < drawingTime) return;
  alpha += 0.02f * delta;
  backAlpha += 0.02f * delta;
  backS = easeToward(backS, dBackS, 0.04f * delta);
  if (rotateMe) backR = 180.0f - backS * 180.0f;
  if (alpha < 1.0f && backAlpha < 1.0f) return;
  alpha = backAlpha = 1.0f;
  backS = 1.0f;
  state.clear();
  backR = 0;
  rotateMe = 0;
}

void TTile::_updateDrawBack() {
  if (platform::MilliSecs() < drawingTime) return;
  alpha = easeToward(alpha, dAlpha, 0.02f * delta);
  backAlpha = easeToward(backAlpha, dBackAlpha, 0.02f * delta);
  backS = easeToward(backS, dBackS, 0.02f * delta);
  s = easeToward(s, ds, 0.05f * delta);
  backR += kierunek * delta;
  _flyingTile = nullptr;
  if (alpha == dAlpha) state = TileState::DrawBackEnd;
}

// ---- Sparks --------------------------------------------------------------------------------

void TTile::_burnSparks(int chance) const {
  const int q = static_cast<int>(getTileWidth() / 2);
  auto one = [&](const TRGB& colour) {
    if (chance > 1 && platform::Rand(1, chance) != 1) return;
    const float a = static_cast<float>(platform::Rand(0, 360));
    const float d =
        static_cast<float>(platform::Rand(static_cast<int>(q / 1.5), static_cast<int>(q * 1.5)));
    const int n = platform::Rand(2, 4);
    addSpark(n, static_cast<int>(platform::Cos(a) * d + constX),
             static_cast<int>(platform::Sin(a) * d + constY), 0, colour, platform::LIGHTBLEND,
             nullptr);
  };
  if (hasColour(td)) {
    one(colourOf(td));
    one(colourOf(td));
  }
  one(TRGB{});
}

void TTile::_destroySparks() const {
  const int p = static_cast<int>(getTileWidth() / 2);
  const int v = static_cast<int>(getTileHeight() / 2);
  auto sparkX = [&](int shift) {
    return static_cast<int>(constX + static_cast<float>(platform::Rand(-p / 2, p))) - shift;
  };
  auto sparkY = [&] {
    return static_cast<int>(constY + static_cast<float>(platform::Rand(-v / 2, p)) - 4.0f);
  };
  auto moving = [&](const TRGB& colour, bool sideways, float lo, float hi) {
    const int sx = sparkX(0);
    const int sy = sparkY();
    const float speed = platform::Rnd(lo, hi);
    const int n = platform::Rand(2, 4);
    addSparkMoving(n, sx, sy, 0, sideways ? speed : 0.0f, sideways ? 0.0f : speed, colour,
                   platform::LIGHTBLEND, nullptr);
  };
  auto fireWay = [&](bool sideways, float lo, float hi) {
    if (td) {
      for (int k = 0; k < 2; ++k) {
        const int vr = platform::Rand(200, 250);
        moving(TRGB{vr, 0, 0}, sideways, lo, hi);
        const int vy2 = platform::Rand(200, 250);
        moving(TRGB{vy2, vy2, 0}, sideways, lo, hi);
      }
    }
    moving(TRGB{}, sideways, lo, hi);
  };
  switch (destroyType) {
    case 0:
      if (platform::Rand(1, 3) == 1 && hasColour(td)) {
        const int sx = sparkX(4), sy = sparkY();
        addSpark(2, sx, sy, 0, colourOf(td), platform::LIGHTBLEND, nullptr);
      }
      if (platform::Rand(1, 3) == 1) {
        const int sx = sparkX(4), sy = sparkY();
        addSpark(2, sx, sy, 0, TRGB{}, platform::LIGHTBLEND, nullptr);
      }
      break;
    case 1:
    case 2: {
      const bool sideways = destroyType == 1;
      fireWay(sideways, -0.9f, -0.5f);
      fireWay(sideways, 0.5f, 0.9f);
      break;
    }
    case 4:
      if (platform::Rand(1, 2) != 1) break;
      for (int k = 0; k < 3; ++k) {
        for (int red = 0; red < 2; ++red) {
          const int vv = platform::Rand(200, 250);
          const TRGB colour = red ? TRGB{vv, 0, 0} : TRGB{vv, vv, 0};
          const int sx = sparkX(0), sy = sparkY();
          const int n = platform::Rand(2, 4);
          if (auto spark = addSpark(n, sx, sy, 0, colour, platform::LIGHTBLEND, nullptr))
            spark->a = 0.7f;
        }
      }
      break;
    default:
      break;
  }
}
