// A light: a small bulb whose glow is drawn additively in the same layer as the bulb. Lights
// are always queued into layer 0, in front of every layer of the tree.
#pragma once

#include "tree/TElementData.h"

class TLampkaData : public TElementData {
 public:
  using TElementData::TElementData;

  platform::Image light;         // the glow, mid-handled
  int lightHX = 0, lightHy = 0;  // the glow's centre in the bulb's picture

  int obliczWarstwe(int x, int y) override;
  // Queues the glow of a bulb hanging at (x, y) with the given alpha into the given layer.
  void drawLight(int x, int y, float alpha, int layer);
};
