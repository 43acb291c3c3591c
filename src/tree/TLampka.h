// A light on the tree: its glow fades slowly between a random low and a random high. Lights do
// not swing.
#pragma once

#include "tree/TElementChoinki.h"
#include "tree/TLampkaData.h"

class TLampka : public TElementChoinki {
 public:
  TLampka(const std::shared_ptr<TLampkaData>& product, float px, float py)
      : TElementChoinki(product, px, py) {}

  float a = 0.5f;   // the glow's alpha
  float da = 0.3f;  // what it fades toward

  void draw() override;
  // The bulb without its glow.
  void drawM(float dx, float dy) override;
  int update() override;
  void _updateLight();
};
