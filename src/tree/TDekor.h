// A present under the tree: it neither swings nor sparkles.
#pragma once

#include "tree/TElementChoinki.h"

class TDekor : public TElementChoinki {
 public:
  using TElementChoinki::TElementChoinki;

  void draw() override { drawM(0, 0); }
  void drawM(float dx, float dy) override;
  int update() override { return _updateOver(); }
};
