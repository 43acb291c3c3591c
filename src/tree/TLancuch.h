// A chain hung between two points of the tree. It draws at once rather than through the
// draw-ordering buffer, and it does not swing.
#pragma once

#include "tree/TElementChoinki.h"
#include "tree/TLancuchData.h"

class TLancuch : public TElementChoinki {
 public:
  TLancuch(const std::shared_ptr<TLancuchData>& product, float ax, float ay, float bx, float by)
      : TElementChoinki(product, 0, 0), x1(ax), y1(ay), x2(bx), y2(by) {}

  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  std::string getPosString() const override;
  void draw() override { drawM(0, 0); }
  // The whole chain moved by (dx, dy).
  void drawM(float dx, float dy) override;
  int _updateOver() override;
};
