#include "gui/TRGB.h"

std::shared_ptr<TRGB> createRGB(int r, int g, int b) {
  auto rgb = std::make_shared<TRGB>();
  rgb->r = r;
  rgb->g = g;
  rgb->b = b;
  return rgb;
}
