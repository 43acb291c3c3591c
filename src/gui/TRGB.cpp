#include "gui/TRGB.h"

std::shared_ptr<TRGB> createRGB(int r, int g, int b) {
  auto colour = std::make_shared<TRGB>();
  colour->r = r;
  colour->g = g;
  colour->b = b;
  return colour;
}
