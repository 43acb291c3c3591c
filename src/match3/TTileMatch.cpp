#include "match3/TTileMatch.h"

#include "core/Ease.h"
#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "match3/TLevel.h"
#include "match3/TTile.h"

void TTileMatch::setup() {
  arrow = platform::LoadImage(assets::HINT_ARROW);
  if (arrow) platform::MidHandleImage(arrow);
}

void TTileMatch::reset() {
  start = 1;
  time = platform::MilliSecs() + 5000;
  time2 = 15000;
  a = 0;
  per = 0;
  dPer = 1;
  dA = 1;
  frame = 0;
}

void TTileMatch::resetFull() {
  tile1 = tile2 = nullptr;
  start = 0;
  time = platform::MilliSecs() + 5000;
  time2 = 15000;
  a = 0;
  dA = 0;
  frame = 0;
}

void TTileMatch::setMatch(const TLevel& level, int row1, int col1, int row2, int col2,
                          HintDirection direction) {
  if (start) return;
  tile1 = level.tileAt(row1, col1);
  tile2 = level.tileAt(row2, col2);
  reset();
  kier = direction;
}

void TTileMatch::update() {
  visible = 0;
  const int now = platform::MilliSecs();
  if (now < time) return;
  visible = 1;
  per = easeToward(per, dPer, 0.04f * delta);
  if (per == dPer) dPer = dPer >= 1.0f ? 0.0f : 1.0f;
  a = easeToward(a, dA, 0.05f * delta);
  if (now > time + time2) {
    dA = 0;
    if (a == 0) {
      visible = 0;
      start = 0;
    }
  }
}

void TTileMatch::draw() const {
  using namespace platform;
  if (!tile1 || !tile2 || !visible) return;
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
  SetAlpha(a);
  const float k = Sin(90.0f + 90.0f * per);
  const float w = tile1->_parent ? tile1->_parent->geometry().tileWidth : 42.0f;
  const float h = tile1->_parent ? tile1->_parent->geometry().tileHeight : 42.0f;
  auto arrowAt = [&](float x, float y, float rotation) {
    SetRotation(rotation);
    if (arrow) DrawImage(arrow, x, y);
  };
  if (kier == HintDirection::Right) {
    arrowAt(tile1->x + k * w / 2, tile1->y - h / 4, 90);
    arrowAt(tile2->x - k * w / 2, tile2->y + h / 4, 270);
  } else if (kier == HintDirection::Down) {
    arrowAt(tile1->x - w / 4, tile1->y + k * h / 2, 180);
    arrowAt(tile2->x + w / 4, tile2->y - k * h / 2, 0);
  }
  SetRotation(0);
}
