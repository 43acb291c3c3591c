// The loading screen: the village at night with the title above it and the "Loading…" caption
// centred on y 455; the game draws its row of seven progress dots centred on y 505 between
// x 259 and 541, so the band around them is left dark and free of snow. The dot is a glowing
// bead the game draws white at full strength for steps done and at 0.2 for steps to come, over
// a black copy of itself at (+2, +2).
#include <cmath>

#include "core/Registry.h"
#include "gui/NightScene.h"
#include "gui/TitleLettering.h"
#include "gui/VillageScene.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

constexpr int kScreenW = 800, kScreenH = 600;
constexpr int kDot = 22;
constexpr double kTitleY = 136, kCaptionY = 455;

void makeBack(assetgen::Output& out) {
  Canvas c(kScreenW, kScreenH);
  // Snow stays out of the dots' band.
  const assetgen::gui::VillageView view{.seed = 0x10AD,
                                        .treeH = 70,
                                        .foregroundLight = 0.3,
                                        .clearX0 = 200,
                                        .clearY0 = 478,
                                        .clearX1 = 600,
                                        .clearY1 = 534};
  assetgen::gui::paintVillage(c, view);
  assetgen::gui::paintCentred(c, *assetgen::gui::renderTitle(92, 500), kScreenW / 2.0, kTitleY);
  assetgen::gui::paintCentred(c, *assetgen::gui::renderLoadingCaption(), kScreenW / 2.0, kCaptionY);
  out.saveJpeg("gfx/gui/loading/back.jpg", c, 92);
}
ASSETGEN_REGISTER("loading back", makeBack);

void makeCaption(assetgen::Output& out) {
  out.savePng("gfx/gui/loading/loading.png", *assetgen::gui::renderLoadingCaption());
}
ASSETGEN_REGISTER("loading caption", makeCaption);

// The bead: a soft halo, a pearl from white to pale gold with its light at the upper left, and
// a thin bright rim on its upper-left edge. `lit` 0 gives the unlit bead, grey-blue and dull.
void bead(Canvas& c, double lit) {
  cairo_t* cr = c.cr();
  const double cx = kDot / 2.0, cy = kDot / 2.0, r = 7.2;
  assetgen::gui::night::softSpot(cr, cx, cy, kDot / 2.0, Rgba::hex(0xFFE9A8), 0.55 * lit);
  const Rgba core = Rgba::hex(0x8EA2C4).mix(Rgba::hex(0xFFFFFF), lit);
  const Rgba edge = Rgba::hex(0x4A5F86).mix(Rgba::hex(0xF2C45A), lit);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  c.radialGradient(cx - 2.4, cy - 2.6, 0.5, cx, cy, r,
                   {{0, core}, {0.55, core.mix(edge, 0.45)}, {1, edge}});
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r - 0.6, M_PI * 0.95, M_PI * 1.6);
  c.setColor(Rgba::hex(0xFFFFFF, 0.5 + 0.4 * lit));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_arc(cr, cx - 2.6, cy - 2.8, 1.6, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xFFFFFF, 0.6 + 0.4 * lit));
  cairo_fill(cr);
}

void makeDots(assetgen::Output& out) {
  Canvas on(kDot, kDot), off(kDot, kDot);
  bead(on, 1);
  bead(off, 0);
  out.savePng("gfx/gui/loading/true.png", on);
  out.savePng("gfx/gui/loading/false.png", off);
}
ASSETGEN_REGISTER("loading dots", makeDots);

}  // namespace
