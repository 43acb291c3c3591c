// Snow flakes. The game adds them to the screen at 0.1-0.56 of their size, so they are drawn
// large and soft: a round flake and two six-armed crystals, white light on transparency.
#include <cmath>

#include "core/Registry.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

void halo(Canvas& c, double r, double alpha) {
  double m = c.width() / 2.0;
  c.radialGradient(m, m, 0, r,
                   {{0, Rgba::hex(0xFFFFFF, alpha)},
                    {0.5, Rgba::hex(0xDCE8F7, alpha * 0.35)},
                    {1, Rgba::hex(0xDCE8F7, 0)}});
  cairo_arc(c.cr(), m, m, r, 0, 2 * M_PI);
  cairo_fill(c.cr());
}

// Six arms, each with `branches` pairs of side twigs; drawn as round-capped strokes.
void crystal(Canvas& c, double armLength, double width, int branches, double branchLength) {
  cairo_t* cr = c.cr();
  double m = c.width() / 2.0;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  auto arms = [&](cairo_t* t) {
    for (int i = 0; i < 6; ++i) {
      cairo_save(t);
      cairo_translate(t, m, m);
      cairo_rotate(t, i * M_PI / 3);
      cairo_move_to(t, 0, 0);
      cairo_line_to(t, 0, -armLength);
      for (int b = 1; b <= branches; ++b) {
        double y = -armLength * (0.3 + 0.55 * b / (branches + 1.0));
        double len = branchLength * (1.1 - 0.25 * b);
        cairo_move_to(t, 0, y);
        cairo_line_to(t, -len * 0.7, y - len * 0.7);
        cairo_move_to(t, 0, y);
        cairo_line_to(t, len * 0.7, y - len * 0.7);
      }
      cairo_restore(t);
    }
  };
  c.glow(arms, width * 2.5, 3, Rgba::hex(0xDCE8F7, 0.6));
  arms(cr);
  cairo_set_line_width(cr, width);
  c.setColor(Rgba::hex(0xFFFFFF));
  cairo_stroke(cr);
}

void makeSnow(assetgen::Output& out) {
  {
    Canvas c(32, 32);
    halo(c, 16, 0.9);
    halo(c, 7, 1.0);
    out.savePng("gfx/particles/snow0.png", c);
  }
  {
    Canvas c(64, 64);
    halo(c, 14, 0.6);
    crystal(c, 27, 3.2, 2, 9);
    halo(c, 5, 1.0);
    out.savePng("gfx/particles/snow1.png", c);
  }
  {
    Canvas c(64, 64);
    halo(c, 18, 0.5);
    crystal(c, 26, 2.6, 3, 7);
    // A hexagonal plate at the heart of the crystal.
    cairo_t* cr = c.cr();
    for (int i = 0; i < 6; ++i) {
      double a = i * M_PI / 3 - M_PI / 2;
      cairo_line_to(cr, 32 + 8 * std::cos(a), 32 + 8 * std::sin(a));
    }
    cairo_close_path(cr);
    c.setColor(Rgba::hex(0xFFFFFF, 0.85));
    cairo_fill(cr);
    out.savePng("gfx/particles/snow2.png", c);
  }
}
ASSETGEN_REGISTER("snow flakes", makeSnow);

}  // namespace
