#include "effects/TTextParticle.h"

#include <algorithm>

#include "core/Globals.h"
#include "platform/strings.h"

void TTextParticle::update() {
  if (waiting(platform::MilliSecs())) return;
  _updateStandardData();
  if (platform::SameText(state, "START"))
    _updateStart();
  else if (platform::SameText(state, "NEXT"))
    _updateNext();
}

void TTextParticle::_updateStandardData() {
  updateScale();
  if ((a == 0 && da == 0) || (s == 0 && ds == 0)) destroy();
  move();
}

void TTextParticle::_updateStart() {
  a = std::min(a + aSpeed * delta, 1.0f);
  if (a <= 0.2f) return;
  per = std::min(per + perSpeed * delta, 1.0f);
  sy = 1 + 0.2f * platform::Cos(720 * per * sc) * (1 - per) * sc;
  sx = 1 + 0.8f * platform::Sin(900 * per * sc) * (1 - per) * sc;
  if (per == 1) {
    state = "NEXT";
    per = 0;
    da = 0;
  }
}

void TTextParticle::_updateNext() { a = std::max(a - aSpeed * delta, 0.0f); }

void TTextParticle::draw() {
  if (waiting(platform::MilliSecs())) return;
  drawPicture(s * sx, s * sy);
}
