// The plainest pictures: the 1x1 white pixel the game stretches for bars and fades.
#include "core/Registry.h"

namespace {

void makePixel(assetgen::Output& out) {
  assetgen::Canvas c(1, 1);
  c.setColor({1, 1, 1, 1});
  cairo_paint(c.cr());
  out.savePng("gfx/pixel.png", c);
}
ASSETGEN_REGISTER("pixel", makePixel);

}  // namespace
