#pragma once
#include <memory>

// A rectangle: top-left corner, size, and the corners as last computed by update.
class TDim {
 public:
  float x = 0.0f;
  float y = 0.0f;
  float h = 0.0f;
  float w = 0.0f;
  float x1 = 0.0f;
  float y1 = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;

  void update();
};

// The corners are left for update to compute.
std::shared_ptr<TDim> createDim(float x, float y, float w, float h);
std::shared_ptr<TDim> createDim(float x, float y);
