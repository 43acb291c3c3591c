// A bauble on the tree: it swings when the pointer touches it.
#pragma once

#include "tree/TElementChoinki.h"

class TBombka : public TElementChoinki {
 public:
  using TElementChoinki::TElementChoinki;

  void draw() override { drawSwung(0, 0); }
  void drawM(float dx, float dy) override { drawSwung(dx, dy); }
};
