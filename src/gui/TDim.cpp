#include "gui/TDim.h"

std::shared_ptr<TDim> createDim(float x, float y, float w, float h) {
  auto dim = std::make_shared<TDim>();
  dim->x = x;
  dim->y = y;
  dim->w = w;
  dim->h = h;
  return dim;
}
