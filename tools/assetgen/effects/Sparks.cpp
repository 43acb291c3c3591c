// Spark pictures (particle pictures 2-4). The game tints them (red, yellow, a tile's colour)
// and adds them to the screen, growing them to three times their size as they fade, so they
// are white light on transparency: a bright core and soft falloff, no hard edges.
#include <cmath>

#include "core/Registry.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

void softDot(Canvas& c, double cx, double cy, double r, double coreAlpha) {
  c.radialGradient(cx, cy, 0, r,
                   {{0.0, Rgba::hex(0xFFFFFF, coreAlpha)},
                    {0.25, Rgba::hex(0xFFFFFF, coreAlpha * 0.8)},
                    {0.6, Rgba::hex(0xFFFFFF, coreAlpha * 0.25)},
                    {1.0, Rgba::hex(0xFFFFFF, 0)}});
  cairo_arc(c.cr(), cx, cy, r, 0, 2 * M_PI);
  cairo_fill(c.cr());
}

// A tapered ray from the centre, widest at the middle.
void ray(Canvas& c, double cx, double cy, double angleDeg, double length, double width) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angleDeg * M_PI / 180);
  cairo_move_to(cr, 0, -width / 2);
  cairo_curve_to(cr, length * 0.3, -width / 2, length * 0.7, -width * 0.15, length, 0);
  cairo_curve_to(cr, length * 0.7, width * 0.15, length * 0.3, width / 2, 0, width / 2);
  cairo_close_path(cr);
  c.linearGradient(0, 0, length, 0, {{0, Rgba::hex(0xFFFFFF, 1)}, {1, Rgba::hex(0xFFFFFF, 0.1)}});
  cairo_fill(cr);
  cairo_restore(cr);
}

// A four-point twinkle: long cross rays, short diagonals, a glowing core.
void makeStar(assetgen::Output& out) {
  Canvas c(24, 24);
  softDot(c, 12, 12, 11, 0.55);
  for (int i = 0; i < 4; ++i) ray(c, 12, 12, i * 90, 11.5, 3.2);
  for (int i = 0; i < 4; ++i) ray(c, 12, 12, 45 + i * 90, 6, 2.2);
  softDot(c, 12, 12, 4, 1.0);
  out.savePng("gfx/particles/star.png", c);
}
ASSETGEN_REGISTER("spark star", makeStar);

// A five-point star with a soft halo.
void makeStar2(assetgen::Output& out) {
  Canvas c(24, 24);
  softDot(c, 12, 12, 12, 0.45);
  c.glow([](cairo_t* cr) { Canvas::star(cr, 12, 12.6, 9, 4, 5); }, 2, 2.5,
         Rgba::hex(0xFFFFFF, 0.7));
  Canvas::star(c.cr(), 12, 12.6, 9, 4, 5);
  c.radialGradient(
      10, 10, 0, 12, 12.6, 10,
      {{0, Rgba::hex(0xFFFFFF)}, {0.7, Rgba::hex(0xFFFFFF, 0.95)}, {1, Rgba::hex(0xFFFFFF, 0.8)}});
  cairo_fill(c.cr());
  out.savePng("gfx/particles/star2.png", c);
}
ASSETGEN_REGISTER("spark star2", makeStar2);

// A round glint.
void makeBall(assetgen::Output& out) {
  Canvas c(16, 16);
  softDot(c, 8, 8, 8, 1.0);
  softDot(c, 8, 8, 3, 1.0);
  out.savePng("gfx/particles/ball.png", c);
}
ASSETGEN_REGISTER("spark ball", makeBall);

}  // namespace
