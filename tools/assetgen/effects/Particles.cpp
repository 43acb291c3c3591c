// Particle pictures with their own colour: the star that flies to the top bar, the vanish
// swirl, the chain link that falls from a broken chain and the chimney smoke.
#include <cmath>

#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

// Gold five-point star: gradient body, darker rim of its own colour, highlight from the top
// left and a warm glow so it reads on the blue top bar.
void makeStarCash(assetgen::Output& out) {
  Canvas c(34, 34);
  auto shape = [](cairo_t* cr) { Canvas::star(cr, 17, 18, 13.5, 6.2, 5); };
  c.glow(shape, 3, 4, Rgba::hex(0xFFC94D, 0.6));
  shape(c.cr());
  c.radialGradient(12, 11, 1, 17, 18, 15,
                   {{0, Rgba::hex(0xFFF6CC)},
                    {0.35, Rgba::hex(0xFFD75E)},
                    {0.75, Rgba::hex(0xFFB52E)},
                    {1, Rgba::hex(0xE08A14)}});
  cairo_fill_preserve(c.cr());
  c.setColor(Rgba::hex(0xA8610B));
  cairo_set_line_width(c.cr(), 1.6);
  cairo_set_line_join(c.cr(), CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(c.cr());
  c.glossyHighlight(shape, 5, 5, 24, 22, 0.7);
  out.savePng("gfx/particles/star_cash.png", c);
}
ASSETGEN_REGISTER("particle star_cash", makeStarCash);

// The vanish bonus: a lilac swirl of three tapering arms with glitter, spun by the game.
void makeUsun(assetgen::Output& out) {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  c.radialGradient(32, 32, 0, 30,
                   {{0, Rgba::hex(0xFFFFFF, 0.9)},
                    {0.3, Rgba::hex(0xB277E0, 0.55)},
                    {0.75, Rgba::hex(0x7C3FB8, 0.2)},
                    {1, Rgba::hex(0x4A2273, 0)}});
  cairo_paint(cr);
  for (int arm = 0; arm < 3; ++arm) {
    double base = arm * 2 * M_PI / 3;
    for (int i = 0; i < 40; ++i) {
      double t = i / 39.0;
      double a = base + t * 2.6;
      double r = 4 + 24 * t;
      double w = 3.6 * (1 - t) + 0.6;
      cairo_arc(cr, 32 + r * std::cos(a), 32 + r * std::sin(a), w, 0, 2 * M_PI);
      c.setColor(Rgba::hex(0xF4F8FF).mix(Rgba::hex(0x5FD4F0), t).withAlpha(0.9 - 0.5 * t));
      cairo_fill(cr);
    }
  }
  assetgen::Rng rng(21);
  for (int i = 0; i < 9; ++i) {
    double a = rng.range(0, 2 * M_PI), r = rng.range(10, 27);
    double x = 32 + r * std::cos(a), y = 32 + r * std::sin(a);
    Canvas::star(cr, x, y, rng.range(2.5, 4), 0.9, 4, 0);
    c.setColor(Rgba::hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
  }
  out.savePng("gfx/particles/usun.png", c);
}
ASSETGEN_REGISTER("particle usun", makeUsun);

// One steel chain link, seen flat: an oval ring with a bright upper-left rim.
void makeOczko(assetgen::Output& out) {
  Canvas c(18, 26);
  cairo_t* cr = c.cr();
  auto ring = [](cairo_t* t) {
    cairo_save(t);
    cairo_translate(t, 9, 13);
    cairo_scale(t, 6, 10);
    cairo_new_sub_path(t);
    cairo_arc(t, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(t);
  };
  c.softShadow(
      [&](cairo_t* t) {
        ring(t);
        cairo_set_line_width(t, 4);
        cairo_stroke_preserve(t);
      },
      1, 1.5, 1.5, Rgba::hex(0x000000, 0.45));
  ring(cr);
  cairo_set_line_width(cr, 4.6);
  c.setColor(Rgba::hex(0x3C4B66));
  cairo_stroke(cr);
  ring(cr);
  cairo_set_line_width(cr, 3.0);
  c.linearGradient(2, 2, 16, 24,
                   {{0, Rgba::hex(0xFFFFFF)},
                    {0.35, Rgba::hex(0xDCE8F7)},
                    {0.65, Rgba::hex(0x9AAECC)},
                    {1, Rgba::hex(0x5E7396)}});
  cairo_stroke(cr);
  // Glint on the upper-left of the ring.
  cairo_arc(cr, 5.2, 7.5, 1.3, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xFFFFFF, 0.9));
  cairo_fill(cr);
  out.savePng("gfx/particles/oczko.png", c);
}
ASSETGEN_REGISTER("particle oczko", makeOczko);

// A puff of smoke: overlapping soft blobs, white so the game's grey tint sets its shade.
void makeDym(assetgen::Output& out) {
  Canvas c(64, 64);
  cairo_t* cr = c.cr();
  assetgen::Rng rng(18);
  for (int i = 0; i < 7; ++i) {
    double a = rng.range(0, 2 * M_PI), d = rng.range(2, 11);
    double x = 32 + d * std::cos(a), y = 32 + d * std::sin(a), r = rng.range(9, 14);
    c.radialGradient(x - r * 0.3, y - r * 0.3, 0, x, y, r,
                     {{0, Rgba::hex(0xFFFFFF, 0.75)},
                      {0.6, Rgba::hex(0xF0F0F0, 0.45)},
                      {1, Rgba::hex(0xE0E0E0, 0)}});
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  c.blur(3);
  out.savePng("gfx/particles/dym.png", c);
}
ASSETGEN_REGISTER("particle dym", makeDym);

}  // namespace
