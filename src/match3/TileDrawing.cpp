// How a cell draws itself: the tile layer, the plate under it and the plate sparkle.
#include <cmath>

#include "effects/Poswiata.h"
#include "match3/TFlyingTile.h"
#include "match3/TTile.h"
#include "match3/TTileBack.h"
#include "match3/TTileData.h"
#include "platform/platform.h"

using namespace platform;

namespace {

float wobble(const TTile& tile) {
  return tile._isClicked ? 30.0f * Sin(-90.0f + 180.0f * tile.move) : 0.0f;
}

}  // namespace

void TTile::_drawKind(float rotation) const {
  const float drawY = y + vy;
  const int f = static_cast<int>(frame);
  if (_isClicked) {
    SetAlpha(alpha);
    SetScale(1, 1);
    SetRotation(rotation);
    td->draw(x, drawY, size, 0);
  } else if (_isOver) {
    SetAlpha(alpha);
    SetScale(1, 1);
    td->draw(x, drawY, size, f);
  } else if (isState(TileState::Change2) && changingTo) {
    SetScale(s, s);
    SetAlpha(alpha * (1.0f - changingP));
    td->draw(x, drawY, size, f);
    SetAlpha(alpha * changingP);
    changingTo->draw(x, drawY, size, 0);
  } else {
    SetAlpha(alpha);
    SetScale(s, s);
    td->draw(x, drawY, size, f);
  }
}

void TTile::draw() const {
  if (hide || _flyingTile) return;
  SetBlend(ALPHABLEND);
  const float e = wobble(*this);
  const bool morph2 = isState(TileState::Change2) && changingTo;
  if (td) {
    SetRotation(static_cast<float>(static_cast<int>(e)));
    SetScale(s, s);
    if (morph2) {
      td->drawShadow(x + 3, y + 2, size, static_cast<int>(frame), alpha * (1.0f - changingP));
      changingTo->drawShadow(x + 3, y + 2, size, 0, alpha * changingP);
    } else {
      td->drawShadow(x + 3, y + 2, size, static_cast<int>(frame), alpha);
    }
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetRotation(0);
  }
  if (isState(TileState::DrawBack) || isState(TileState::DrawBackEnd)) {
    if (!td) return;
    SetAlpha(alpha);
    SetScale(s, s);
    SetRotation(backR);
    td->draw(x, y, size, 0);
    SetRotation(0);
    return;
  }
  if (isState(TileState::Change) || isState(TileState::Change2)) {
    if (td) {
      SetAlpha(morph2 ? alpha * (1.0f - changingP) : alpha);
      SetScale(s, s);
      td->draw(x, y + vy, size, static_cast<int>(frame));
      if (morph2) {
        SetAlpha(alpha * changingP);
        changingTo->draw(x, y + vy, size, 0);
      }
    }
    if (changingTo) {
      SetAlpha(changingP);
      changingTo->draw(x, y, size, 0);
    }
    return;
  }
  if (td) Poswiata::draw(constX, constY, overR, overA);
  if (isState(TileState::Draw) && MilliSecs() < drawingTime) return;
  if (td) {
    _drawKind(e);
    SetBlend(LIGHTBLEND);
    SetAlpha(alpha * 0.5f * overA);
    SetRotation(e);
    td->draw(x, y, size, 0);
    SetBlend(ALPHABLEND);
    SetRotation(0);
  }
  if (_lancuch > 0 && tileBack) {
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(alpha);
    if (const auto overlay = tileBack->chainOverlay(_lancuch, size)) DrawImage(overlay, x, y);
  }
}

void TTile::_drawBack() const {
  if (isState(TileState::Draw) && MilliSecs() < drawingTime) return;
  if (isState(TileState::DrawBack) || isState(TileState::DrawBackEnd)) {
    SetAlpha(backAlpha);
    if (tileBack && tileBack->id != 0) tileBack->draw(constX, constY, size, backS);
    SetScale(1, 1);
    return;
  }
  if (!available || tileBackId() == 0) return;
  if (isState(TileState::Destroy) && matches != 0 && _lastTileBack) {
    SetAlpha(backAlpha);
    if (tileBack) tileBack->draw(constX, constY, size, backS);
    SetAlpha(alpha);
    SetRotation(360.0f * alpha);
    _lastTileBack->draw(constX, constY, size, alpha);
    SetRotation(0);
    SetScale(1, 1);
  } else {
    SetAlpha(backAlpha);
    SetRotation(backR);
    tileBack->draw(constX, constY, size, backS);
    SetRotation(0);
    if (_rozjasnienie && tileBackId() > 1) {
      SetAlpha(rozA > 0.4f ? 0.4f : rozA);
      SetRotation(backR);
      SetBlend(LIGHTBLEND);
      tileBack->draw(constX, constY, size, backS);
      SetRotation(0);
      SetBlend(ALPHABLEND);
    }
    SetScale(1, 1);
  }
  SetAlpha(backAlpha);
}

void TTile::_drawBlink() const {
  if (tileBackId() <= 0 || !_blink) return;
  SetAlpha(backAlpha * 0.5f);
  SetBlend(LIGHTBLEND);
  SetRotation(backR);
  tileBack->drawBlink(x, y, size, backS, static_cast<int>(blinkFrame));
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
}
