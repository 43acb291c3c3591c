#include "effects/TParParticle.h"

void TParParticle::update() {
  int now = platform::MilliSecs();
  if (waiting(now)) return;
  updateAlpha(now);
  updateScale();
  ay -= ayAd;  // once per frame, not scaled by the frame time
  clampAndFinish();
  move();
}
