// Snow flakes: a round flake and two six-armed crystals, white light on transparency. The game
// draws them at 0.1-0.56 of their size.
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
void crystal(Canvas& c, double armLength, double width, int branches, double branchLength,
             double alpha) {
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
  c.glow(arms, width * 3.0, 3, Rgba::hex(0xDCE8F7, 0.5 * alpha));
  arms(cr);
  cairo_set_line_width(cr, width);
  c.setColor(Rgba::hex(0xF4F8FF, alpha));
  cairo_stroke(cr);
}

// The flakes fill only the middle of their pictures, so at the game's scales they stay small;
// soft and faint, they keep the sky quiet even when many are falling.
void makeSnow(assetgen::Output& out) {
  {
    Canvas c(32, 32);
    halo(c, 11, 0.35);
    halo(c, 4.5, 0.45);
    out.savePng("gfx/particles/snow0.png", c);
  }
  {
    Canvas c(64, 64);
    halo(c, 12, 0.2);
    crystal(c, 14, 1.8, 1, 5, 0.38);
    halo(c, 4, 0.4);
    c.blur(0.9);  // no crisp edges: the flakes stay out of focus behind the board
    out.savePng("gfx/particles/snow1.png", c);
  }
  {
    Canvas c(64, 64);
    halo(c, 13, 0.18);
    crystal(c, 13, 1.6, 2, 4, 0.34);
    halo(c, 4.5, 0.36);
    c.blur(0.9);
    out.savePng("gfx/particles/snow2.png", c);
  }
}
ASSETGEN_REGISTER("snow flakes", makeSnow);

}  // namespace
