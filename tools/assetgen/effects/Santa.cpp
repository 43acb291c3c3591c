// The sleigh that crosses the night sky of the tree screen: two reindeer pulling a red sleigh
// with its driver and a sack of presents, facing right (the game turns it along its path),
// with a warm halo so it reads against the dark sky.
#include <cmath>

#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

constexpr int kWidth = 200;
constexpr int kHeight = 84;

const Rgba kFur = Rgba::hex(0x8A5A35);
const Rgba kFurLight = Rgba::hex(0xC08A55);
const Rgba kFurDark = Rgba::hex(0x4F3018);
const Rgba kGold = Rgba::hex(0xFFC94D);
const Rgba kGoldDark = Rgba::hex(0xA8610B);

void stroke(cairo_t* cr, const Rgba& c, double width) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// Legs as strokes from hip/shoulder: knee and hoof points relative to the body origin.
void leg(cairo_t* cr, double x0, double y0, double kx, double ky, double hx, double hy) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + kx, y0 + ky);
  cairo_line_to(cr, x0 + hx, y0 + hy);
}

// A galloping reindeer; (x, y) is the middle of its back.
void reindeer(Canvas& c, double x, double y, bool glowingNose) {
  cairo_t* cr = c.cr();
  // Far legs, darker.
  leg(cr, x + 10, y + 6, 9, 6, 16, 3);
  leg(cr, x - 10, y + 6, -8, 6, -16, 8);
  stroke(cr, kFurDark, 2.6);
  // Body.
  cairo_save(cr);
  cairo_translate(cr, x, y + 3);
  cairo_scale(cr, 15, 7.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  c.linearGradient(0, y - 5, 0, y + 11, {{0, kFurLight}, {0.5, kFur}, {1, kFurDark}});
  cairo_fill(cr);
  // Tail.
  cairo_arc(cr, x - 15, y, 2.2, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xF4F8FF));
  cairo_fill(cr);
  // Near legs.
  leg(cr, x + 9, y + 7, 10, 5, 17, 1);
  leg(cr, x - 9, y + 7, -9, 5, -17, 9);
  stroke(cr, kFur, 3);
  // Neck and head.
  cairo_move_to(cr, x + 10, y + 2);
  cairo_curve_to(cr, x + 15, y - 2, x + 16, y - 8, x + 18, y - 11);
  stroke(cr, kFur, 6.5);
  cairo_save(cr);
  cairo_translate(cr, x + 21, y - 12);
  cairo_rotate(cr, 0.35);
  cairo_scale(cr, 6.8, 4.1);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  c.linearGradient(0, y - 16, 0, y - 8, {{0, kFurLight}, {1, kFur}});
  cairo_fill(cr);
  // Ear and eye.
  cairo_move_to(cr, x + 17, y - 14);
  cairo_line_to(cr, x + 13, y - 17);
  stroke(cr, kFurDark, 2);
  cairo_arc(cr, x + 21, y - 13.5, 0.9, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0x1A1008));
  cairo_fill(cr);
  // Antlers.
  cairo_move_to(cr, x + 18, y - 15);
  cairo_curve_to(cr, x + 17, y - 21, x + 14, y - 24, x + 10, y - 26);
  cairo_move_to(cr, x + 16.5, y - 20);
  cairo_line_to(cr, x + 20, y - 25);
  cairo_move_to(cr, x + 13.5, y - 23.5);
  cairo_line_to(cr, x + 13.5, y - 28);
  stroke(cr, Rgba::hex(0xE9D2A8), 1.8);
  // Nose.
  double nx = x + 26.5, ny = y - 10.5;
  if (glowingNose) {
    c.radialGradient(nx, ny, 0, 7,
                     {{0, Rgba::hex(0xFF7F7F, 0.9)},
                      {0.4, Rgba::hex(0xE8343B, 0.45)},
                      {1, Rgba::hex(0xE8343B, 0)}});
    cairo_arc(cr, nx, ny, 7, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, nx, ny, 2.2, 0, 2 * M_PI);
    c.setColor(Rgba::hex(0xFF4A4A));
  } else {
    cairo_arc(cr, nx, ny, 1.7, 0, 2 * M_PI);
    c.setColor(Rgba::hex(0x2A1A0E));
  }
  cairo_fill(cr);
  // Harness band.
  cairo_move_to(cr, x + 6, y - 4);
  cairo_line_to(cr, x + 4, y + 10);
  stroke(cr, Rgba::hex(0xB51F2B), 2.2);
  cairo_arc(cr, x + 5, y + 3, 1.3, 0, 2 * M_PI);
  c.setColor(kGold);
  cairo_fill(cr);
}

void sleighBody(cairo_t* cr) {
  cairo_move_to(cr, 14, 44);
  cairo_curve_to(cr, 14, 58, 22, 64, 38, 64);
  cairo_line_to(cr, 70, 64);
  cairo_curve_to(cr, 82, 64, 88, 56, 90, 46);
  cairo_curve_to(cr, 91, 41, 96, 38, 99, 40);
  cairo_curve_to(cr, 94, 36, 86, 38, 84, 46);
  cairo_line_to(cr, 60, 48);
  cairo_curve_to(cr, 50, 49, 42, 46, 36, 40);
  cairo_curve_to(cr, 30, 34, 18, 33, 14, 44);
  cairo_close_path(cr);
}

void sleigh(Canvas& c) {
  cairo_t* cr = c.cr();
  // Sack of presents behind the driver.
  cairo_move_to(cr, 18, 44);
  cairo_curve_to(cr, 12, 30, 22, 16, 34, 20);
  cairo_curve_to(cr, 42, 24, 42, 36, 38, 44);
  cairo_close_path(cr);
  c.linearGradient(14, 18, 40, 44, {{0, Rgba::hex(0x3FA34D)}, {1, Rgba::hex(0x123F24)}});
  cairo_fill(cr);
  cairo_move_to(cr, 30, 20);
  cairo_line_to(cr, 27, 15);
  stroke(cr, kGold, 1.6);
  // A gift peeking out of the sack.
  cairo_rectangle(cr, 22, 17, 8, 7);
  c.setColor(Rgba::hex(0xFF7FB0));
  cairo_fill(cr);
  cairo_move_to(cr, 26, 17);
  cairo_line_to(cr, 26, 24);
  stroke(cr, Rgba::hex(0xFFFFFF), 1.2);
  // Driver: coat, belt, beard, face and hat.
  cairo_move_to(cr, 40, 46);
  cairo_curve_to(cr, 38, 32, 44, 24, 54, 25);
  cairo_curve_to(cr, 62, 26, 66, 34, 64, 46);
  cairo_close_path(cr);
  c.linearGradient(
      40, 24, 64, 46,
      {{0, Rgba::hex(0xFF5A5F)}, {0.5, Rgba::hex(0xE8343B)}, {1, Rgba::hex(0x8E1520)}});
  cairo_fill(cr);
  // Arm holding the reins.
  cairo_move_to(cr, 55, 33);
  cairo_curve_to(cr, 61, 35, 65, 37, 70, 36);
  stroke(cr, Rgba::hex(0xB51F2B), 5);
  cairo_arc(cr, 71, 36, 2.3, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0x2A1A0E));
  cairo_fill(cr);
  cairo_arc(cr, 56, 21, 6, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xF6C9A0));
  cairo_fill(cr);
  cairo_move_to(cr, 50, 22);
  cairo_curve_to(cr, 50, 32, 56, 36, 62, 30);
  cairo_curve_to(cr, 63, 26, 62, 23, 61, 22);
  cairo_close_path(cr);
  c.setColor(Rgba::hex(0xF4F8FF));
  cairo_fill(cr);
  cairo_move_to(cr, 49, 18);
  cairo_curve_to(cr, 50, 10, 58, 9, 62, 15);
  cairo_curve_to(cr, 58, 13, 52, 14, 49, 18);
  cairo_close_path(cr);
  c.setColor(Rgba::hex(0xE8343B));
  cairo_fill(cr);
  cairo_move_to(cr, 49, 18);
  cairo_curve_to(cr, 52, 14, 58, 14, 62, 17);
  stroke(cr, Rgba::hex(0xF4F8FF), 3);
  cairo_arc(cr, 47.5, 15, 2.4, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xFFFFFF));
  cairo_fill(cr);
  // Face: eyes, a rosy nose and cheek, the moustache over the beard.
  for (double ex : {55.0, 59.2}) {
    cairo_arc(cr, ex, 20.2, 0.8, 0, 2 * M_PI);
    c.setColor(Rgba::hex(0x2A1A0E));
    cairo_fill(cr);
  }
  cairo_arc(cr, 59.5, 23.6, 1.6, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xF08A80));
  cairo_fill(cr);
  cairo_move_to(cr, 55, 25.5);
  cairo_curve_to(cr, 57, 24, 60, 24, 62.5, 25.5);
  stroke(cr, Rgba::hex(0xFFFFFF), 2.2);
  // Body of the sleigh with its gold trim and the runner beneath.
  c.softShadow(sleighBody, 0, 2, 2, Rgba::hex(0x000000, 0.35));
  sleighBody(cr);
  c.linearGradient(
      0, 34, 0, 64,
      {{0, Rgba::hex(0xFF5A5F)}, {0.45, Rgba::hex(0xE8343B)}, {1, Rgba::hex(0x6E1019)}});
  cairo_fill_preserve(cr);
  stroke(cr, kGold, 1.8);
  cairo_move_to(cr, 24, 54);
  cairo_curve_to(cr, 40, 58, 62, 58, 80, 52);
  stroke(cr, kGold.withAlpha(0.8), 1.2);
  cairo_move_to(cr, 12, 72);
  cairo_line_to(cr, 82, 72);
  cairo_curve_to(cr, 94, 72, 100, 66, 98, 60);
  cairo_curve_to(cr, 97, 56, 92, 57, 93, 61);
  stroke(cr, kGoldDark, 3.2);
  cairo_move_to(cr, 12, 72);
  cairo_line_to(cr, 82, 72);
  cairo_curve_to(cr, 94, 72, 100, 66, 98, 60);
  stroke(cr, kGold, 1.6);
  for (double sx : {32.0, 66.0}) {
    cairo_move_to(cr, sx, 64);
    cairo_line_to(cr, sx, 72);
    stroke(cr, kGoldDark, 2.2);
  }
}

void makeSanta(assetgen::Output& out) {
  Canvas figures(kWidth, kHeight);
  sleigh(figures);
  // Reins from the driver's hand to both harnesses.
  cairo_t* fr = figures.cr();
  cairo_move_to(fr, 71, 36);
  cairo_curve_to(fr, 90, 44, 110, 40, 122, 38);
  cairo_curve_to(fr, 140, 36, 160, 36, 170, 35);
  stroke(fr, Rgba::hex(0x6E1019), 1.2);
  reindeer(figures, 124, 40, false);
  reindeer(figures, 168, 36, true);

  // A warm halo of the whole group, then the figures, then a few glints of magic dust.
  Canvas out2(kWidth, kHeight);
  Canvas halo(kWidth, kHeight);
  halo.paint(figures, 0, 0);
  cairo_t* hr = halo.cr();
  cairo_set_operator(hr, CAIRO_OPERATOR_IN);
  halo.setColor(Rgba::hex(0xFFE9A8, 0.7));
  cairo_paint(hr);
  halo.blur(6);
  out2.paint(halo, 0, 0);
  out2.paint(figures, 0, 0);
  assetgen::Rng rng(7);
  for (int i = 0; i < 10; ++i) {
    double x = rng.range(2, 22), y = rng.range(50, 78);
    Canvas::star(out2.cr(), x, y, rng.range(1.5, 3.2), 0.6, 4, 0);
    out2.setColor(Rgba::hex(0xFFF6CC, rng.range(0.5, 0.95)));
    cairo_fill(out2.cr());
  }
  out.savePng("gfx/effects/santa.png", out2);
}
ASSETGEN_REGISTER("sleigh", makeSanta);

}  // namespace
