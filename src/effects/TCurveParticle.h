// A particle that flies along a quadratic curve (the stars flying to the top bar), leaving a
// trail of sparkles; it ends with its curve.
#pragma once

#include "effects/TParticle.h"

class TCurveParticle : public TParticle {
 public:
  float per = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;

  void update() override;
  void gene();
};
