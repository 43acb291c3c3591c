// The hover glow under a tile (two ray pictures the game spins against each other at 0.4 of
// their size, added to the screen) and the hint arrow that points at a possible swap.
#include <cmath>

#include "core/Registry.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

constexpr int kGlowSize = 160;

void rays(Canvas& c, int count, double innerWidthDeg, double length, double alpha) {
  cairo_t* cr = c.cr();
  double m = c.width() / 2.0;
  for (int i = 0; i < count; ++i) {
    double a = i * 2 * M_PI / count, half = innerWidthDeg * M_PI / 360;
    cairo_move_to(cr, m, m);
    cairo_line_to(cr, m + length * std::cos(a - half), m + length * std::sin(a - half));
    cairo_line_to(cr, m + length * std::cos(a + half), m + length * std::sin(a + half));
    cairo_close_path(cr);
  }
  c.radialGradient(m, m, 0, length,
                   {{0, Rgba::hex(0xFFFFFF, alpha)},
                    {0.3, Rgba::hex(0xFFE08A, alpha * 0.75)},
                    {0.7, Rgba::hex(0xFFC94D, alpha * 0.3)},
                    {1, Rgba::hex(0xE89B1E, 0)}});
  cairo_fill(cr);
}

void core(Canvas& c, double r, double alpha) {
  double m = c.width() / 2.0;
  c.radialGradient(m, m, 0, r,
                   {{0, Rgba::hex(0xFFFFFF, alpha)},
                    {0.4, Rgba::hex(0xFFD76E, alpha * 0.55)},
                    {1, Rgba::hex(0xE89B1E, 0)}});
  cairo_arc(c.cr(), m, m, r, 0, 2 * M_PI);
  cairo_fill(c.cr());
}

void makeGlows(assetgen::Output& out) {
  {
    Canvas c(kGlowSize, kGlowSize);
    core(c, 78, 0.75);
    rays(c, 12, 9, 78, 0.8);
    c.blur(2.5);
    out.savePng("gfx/effects/volum04.png", c);
  }
  {
    Canvas c(kGlowSize, kGlowSize);
    core(c, 60, 0.6);
    rays(c, 8, 4, 79, 0.95);
    rays(c, 8, 14, 50, 0.35);
    c.blur(1.5);
    out.savePng("gfx/effects/volum05.png", c);
  }
}
ASSETGEN_REGISTER("hover glow", makeGlows);

// The arrow points up; the game turns it toward the tile to swap with.
void makeArrow(assetgen::Output& out) {
  Canvas c(34, 40);
  auto shape = [](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 17, 3);
    cairo_curve_to(cr, 18.5, 3, 19.5, 4, 20.5, 5.2);
    cairo_line_to(cr, 30, 17);
    cairo_curve_to(cr, 31.5, 19, 30.5, 21, 28, 21);
    cairo_line_to(cr, 22.5, 21);
    cairo_line_to(cr, 22.5, 33);
    cairo_curve_to(cr, 22.5, 35.5, 21, 36.5, 19, 36.5);
    cairo_line_to(cr, 15, 36.5);
    cairo_curve_to(cr, 13, 36.5, 11.5, 35.5, 11.5, 33);
    cairo_line_to(cr, 11.5, 21);
    cairo_line_to(cr, 6, 21);
    cairo_curve_to(cr, 3.5, 21, 2.5, 19, 4, 17);
    cairo_line_to(cr, 13.5, 5.2);
    cairo_curve_to(cr, 14.5, 4, 15.5, 3, 17, 3);
    cairo_close_path(cr);
  };
  c.softShadow(shape, 1.5, 2, 2, Rgba::hex(0x000000, 0.45));
  shape(c.cr());
  c.linearGradient(
      0, 3, 0, 37,
      {{0, Rgba::hex(0xFFF6CC)}, {0.35, Rgba::hex(0xFFC94D)}, {1, Rgba::hex(0xE89B1E)}});
  cairo_fill_preserve(c.cr());
  c.setColor(Rgba::hex(0xA8610B));
  cairo_set_line_width(c.cr(), 1.8);
  cairo_set_line_join(c.cr(), CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(c.cr());
  c.glossyHighlight(shape, 3, 3, 22, 24, 0.8);
  out.savePng("gfx/effects/match2.png", c);
}
ASSETGEN_REGISTER("hint arrow", makeArrow);

}  // namespace
