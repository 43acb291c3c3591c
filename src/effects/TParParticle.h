// A particle under gravity: its vertical speed changes by -ayAd every frame.
#pragma once

#include "effects/TParticle.h"

class TParParticle : public TParticle {
 public:
  float ayAd = 0;

  void update() override;
};
