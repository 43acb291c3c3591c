#include "gui/TDim.h"

void TDim::update() {
  x1 = x;
  y1 = y;
  x2 = x + w;
  y2 = y + h;
}

std::shared_ptr<TDim> createDim(float x, float y, float w, float h) {
  auto dim = std::make_shared<TDim>();
  dim->x = x;
  dim->y = y;
  dim->w = w;
  dim->h = h;
  return dim;
}

std::shared_ptr<TDim> createDim(float x, float y) { return createDim(x, y, 0.0f, 0.0f); }
