// An ornament on the tree: it swings like a bauble (the tree-top star does not) and now and
// then throws a sparkle from its centre.
#pragma once

#include "tree/TElementChoinki.h"

class TOzdobka : public TElementChoinki {
 public:
  using TElementChoinki::TElementChoinki;

  int time = 0;  // when the next sparkle comes, in MilliSecs

  void draw() override { drawSwung(0, 0); }
  void drawM(float dx, float dy) override { drawSwung(dx, dy); }
  int update() override;
  void _updateMyParticles();
};
