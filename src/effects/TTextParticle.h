// A big text picture ("READY", "GO!", praise words): it fades in, wobbles with a dying
// squash and stretch, then fades out while it keeps growing and rising.
#pragma once

#include <string>

#include "effects/TParticle.h"

class TTextParticle : public TParticle {
 public:
  TTextParticle() { sx = sy = 1.0f; }

  std::string state = "START";
  float per = 0;
  float sc = 0;
  float perSpeed = 0.01f;

  void update() override;
  void draw() override;

  void _updateStandardData();
  void _updateStart();
  void _updateNext();
};
