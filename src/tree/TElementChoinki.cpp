#include "tree/TElementChoinki.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "datafile/TRCMEntry.h"

std::string TElementChoinki::getPosString() const {
  return TRCMEntry::formatFloat(x) + " " + TRCMEntry::formatFloat(y);
}

int TElementChoinki::_updateOver() {
  if (!data) return 0;
  platform::ResetCollisions(0);
  data->collideWithHandle(int(x), int(y));
  TTreeStage& stage = data->stage();
  if (!stage.pointerOnWritten()) return 0;
  moveMe();
  return 1;
}

void TElementChoinki::moveMe() {
  if (per > 0) return;
  dMove = float(platform::Rand(0, 1));
  speed = 0.05f;
  move = 0.5f;
  per = 0.5f;
}

void TElementChoinki::_updateMove() {
  if (per == 0) return;
  const float step = speed * delta;
  if (move < dMove) {
    move += step;
    if (move >= dMove) {
      move = dMove;
      switchDMove();
    }
  } else {
    move -= step;
    if (move <= dMove) {
      move = dMove;
      switchDMove();
    }
  }
  if (std::fabs(dMove - 0.5f) < 0.01f) dMove = 0.5f;
  if (per == 0) {
    move = 0.5f;
    speed = 0;
  }
}

void TElementChoinki::switchDMove() {
  per = std::max(0.0f, per - 0.1f * delta);
  dMove = dMove > 0.5f ? 0.5f - per : 0.5f + per;
}

void TElementChoinki::drawSwung(float dx, float dy) {
  if (!data) return;
  data->drawWithHandle(int(x + dx), int(y + dy), nullptr, rotation());
  platform::SetRotation(0);
}

int TElementChoinki::update() {
  _updateMove();
  return _updateOver();
}
