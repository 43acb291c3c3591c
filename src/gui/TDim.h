#pragma once
#include <memory>

// A rectangle: its corner and size, and the corners as last computed by update().
class TDim {
 public:
  float x = 0, y = 0, h = 0, w = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  void update() {
    x1 = x;
    y1 = y;
    x2 = x + w;
    y2 = y + h;
  }
};

// The corners are left for the caller to compute.
std::shared_ptr<TDim> createDim(float x, float y, float w = 0, float h = 0);
