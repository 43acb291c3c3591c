// The tree screen's smaller pictures: the day sun (a glowing disc and two soft ray crowns the
// screen turns slowly over it), the bin for throwing decorations away, and the two "no" marks
// shown where a held decoration cannot go.
#include <cmath>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "treescreen/TreeScreenLayout.h"

namespace {

using assetgen::Canvas;

constexpr int kBinInner = assetgen::treescreen::kBinSize - 10;
using assetgen::Rgba;
using namespace assetgen::treescreen;

void makeSunDisc(assetgen::Output& out) {
  Canvas c(kSunDisc, kSunDisc);
  cairo_t* cr = c.cr();
  const double m = kSunDisc / 2.0;
  cairo_arc(cr, m, m, m - 1, 0, 2 * M_PI);
  c.radialGradient(m, m, 0, m - 1,
                   {{0, Rgba::hex(0xFFF6D8, 0.9)},
                    {0.3, Rgba::hex(0xFFE9A8, 0.55)},
                    {0.6, Rgba::hex(0xFFC94D, 0.16)},
                    {1, Rgba::hex(0xFFC94D, 0)}});
  cairo_fill(cr);
  cairo_arc(cr, m, m, 20, 0, 2 * M_PI);
  c.radialGradient(
      m - 6, m - 7, 1, m, m, 20,
      {{0, Rgba::hex(0xFFFFFF)}, {0.7, Rgba::hex(0xFFF6D8)}, {1, Rgba::hex(0xFFE9A8)}});
  cairo_fill(cr);
  out.savePng("gfx/gui/treeScreen/sun0.png", c);
}
ASSETGEN_REGISTER("tree screen sun disc", makeSunDisc);

// `rays` soft wedges from the centre, alternately long and short, blurred into light.
void rayCrown(Canvas& c, int rays, double inner, double outer, double width, double alpha) {
  cairo_t* cr = c.cr();
  const double m = kSunRays / 2.0;
  for (int i = 0; i < rays; ++i) {
    double a = 2 * M_PI * i / rays, len = i % 2 ? outer * 0.7 : outer;
    double wa = width / len;
    cairo_move_to(cr, m + inner * std::cos(a - wa * 2), m + inner * std::sin(a - wa * 2));
    cairo_line_to(cr, m + len * std::cos(a), m + len * std::sin(a));
    cairo_line_to(cr, m + inner * std::cos(a + wa * 2), m + inner * std::sin(a + wa * 2));
    cairo_close_path(cr);
    c.radialGradient(m, m, inner, len,
                     {{0, Rgba::hex(0xFFF6D8, alpha)}, {1, Rgba::hex(0xFFC94D, 0)}});
    cairo_fill(cr);
  }
  c.blur(2.5);
}

void makeSunRays(assetgen::Output& out) {
  Canvas long12(kSunRays, kSunRays);
  rayCrown(long12, 12, 16, kSunRays / 2.0 - 6, 9, 0.7);
  out.savePng("gfx/gui/treeScreen/sun1.png", long12);
  Canvas short18(kSunRays, kSunRays);
  cairo_translate(short18.cr(), kSunRays / 2.0, kSunRays / 2.0);
  cairo_rotate(short18.cr(), M_PI / 18);
  cairo_translate(short18.cr(), -kSunRays / 2.0, -kSunRays / 2.0);
  rayCrown(short18, 18, 14, kSunRays * 0.36, 6, 0.6);
  out.savePng("gfx/gui/treeScreen/sun2.png", short18);
}
ASSETGEN_REGISTER("tree screen sun rays", makeSunRays);

// A wicker basket with a snowy rim and a red bow: festive, and plainly a place to drop things.
void basketBody(Canvas& c) {
  cairo_t* cr = c.cr();
  const double s = kBinInner;
  auto body = [=](cairo_t* g) {
    cairo_move_to(g, s * 0.12, s * 0.34);
    cairo_line_to(g, s * 0.88, s * 0.34);
    cairo_line_to(g, s * 0.78, s * 0.86);
    cairo_curve_to(g, s * 0.76, s * 0.93, s * 0.24, s * 0.93, s * 0.22, s * 0.86);
    cairo_close_path(g);
  };
  c.softShadow(body, 2, 3, 3, Rgba::hex(0x000000, 0.45));
  body(cr);
  c.linearGradient(
      s * 0.12, 0, s * 0.88, 0,
      {{0, Rgba::hex(0xE8B35A)}, {0.45, Rgba::hex(0xC9822A)}, {1, Rgba::hex(0x7A4508)}});
  cairo_fill(cr);
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  for (double y = s * 0.42; y < s * 0.92; y += s * 0.09) {  // the weave
    cairo_move_to(cr, 0, y);
    cairo_curve_to(cr, s * 0.3, y + 3, s * 0.7, y + 3, s, y);
  }
  c.setColor(Rgba::hex(0x6A3A08, 0.55));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  for (double x = s * 0.2; x < s * 0.85; x += s * 0.1) {  // the stakes
    cairo_move_to(cr, x, s * 0.34);
    cairo_line_to(cr, s * 0.5 + (x - s * 0.5) * 0.75, s * 0.92);
  }
  c.setColor(Rgba::hex(0xFFE9A8, 0.3));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_restore(cr);
  body(cr);
  c.setColor(Rgba::hex(0x5A3006));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

void basketRim(Canvas& c) {
  cairo_t* cr = c.cr();
  const double s = kBinInner;
  Canvas::roundedRect(cr, s * 0.07, s * 0.27, s * 0.86, s * 0.12, s * 0.06);
  c.linearGradient(0, s * 0.27, 0, s * 0.39, {{0, Rgba::hex(0xE8B35A)}, {1, Rgba::hex(0x8A5210)}});
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(0x5A3006));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // Snow lying on the rim, thicker on the left.
  cairo_move_to(cr, s * 0.06, s * 0.3);
  cairo_curve_to(cr, s * 0.1, s * 0.17, s * 0.4, s * 0.2, s * 0.55, s * 0.26);
  cairo_curve_to(cr, s * 0.7, s * 0.22, s * 0.9, s * 0.24, s * 0.93, s * 0.3);
  cairo_curve_to(cr, s * 0.6, s * 0.3, s * 0.3, s * 0.32, s * 0.06, s * 0.3);
  c.linearGradient(0, s * 0.18, 0, s * 0.32, {{0, Rgba::hex(0xFFFFFF)}, {1, Rgba::hex(0xB7CDE8)}});
  cairo_fill(cr);
}

void basketBow(Canvas& c) {
  cairo_t* cr = c.cr();
  const double s = kBinInner, x = s * 0.5, y = s * 0.52;
  for (int side : {-1, 1}) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + side * s * 0.2, y - s * 0.14, x + side * s * 0.22, y + s * 0.08, x, y);
    c.linearGradient(x - s * 0.2, y - s * 0.1, x + s * 0.2, y + s * 0.1,
                     {{0, Rgba::hex(0xFF6A70)}, {1, Rgba::hex(0xB51F2B)}});
    cairo_fill_preserve(cr);
    c.setColor(Rgba::hex(0x6E1019));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + side * s * 0.08, y + s * 0.2);
    c.setColor(Rgba::hex(0xB51F2B));
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
  }
  cairo_arc(cr, x, y, s * 0.045, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xE8343B));
  cairo_fill(cr);
}

// Drawn on an inner square, so the shadow and the snow stay clear of the picture's edge.
void makeBin(assetgen::Output& out) {
  Canvas basket(kBinInner, kBinInner);
  basketBody(basket);
  basketRim(basket);
  basketBow(basket);
  Canvas c(kBinSize, kBinSize);
  c.paint(basket, (kBinSize - kBinInner) / 2.0, (kBinSize - kBinInner) / 2.0 - 2);
  out.savePng("gfx/gui/treeScreen/kosz.png", c);
}
ASSETGEN_REGISTER("tree screen bin", makeBin);

// A soft red ring with a bar, on a faint light halo so it reads over the tree and the sky.
void noMark(Canvas& c) {
  cairo_t* cr = c.cr();
  const double m = kSignSize / 2.0, r = m - 6;
  cairo_arc(cr, m, m, r + 4, 0, 2 * M_PI);
  c.radialGradient(m, m, r - 4, r + 5,
                   {{0, Rgba::hex(0xFFFFFF, 0.0)},
                    {0.5, Rgba::hex(0xFFFFFF, 0.35)},
                    {1, Rgba::hex(0xFFFFFF, 0)}});
  cairo_fill(cr);
  cairo_arc(cr, m, m, r, 0, 2 * M_PI);
  cairo_move_to(cr, m - r * 0.7, m - r * 0.7);
  cairo_line_to(cr, m + r * 0.7, m + r * 0.7);
  c.setColor(Rgba::hex(0xE8343B, 0.9));
  cairo_set_line_width(cr, 4.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void makeSigns(assetgen::Output& out) {
  Canvas plain(kSignSize, kSignSize);
  noMark(plain);
  out.savePng("gfx/sign1.png", plain);
  // For presents: a small box under the mark, as presents go on the snow and nowhere else.
  Canvas gift(kSignSize, kSignSize);
  cairo_t* cr = gift.cr();
  const double m = kSignSize / 2.0;
  cairo_rectangle(cr, m - 7, m - 3, 14, 11);
  gift.linearGradient(m - 7, m - 3, m + 7, m + 8,
                      {{0, Rgba::hex(0xFF6A70, 0.9)}, {1, Rgba::hex(0xB51F2B, 0.9)}});
  cairo_fill(cr);
  cairo_rectangle(cr, m - 8, m - 6, 16, 4);
  cairo_rectangle(cr, m - 1.5, m - 6, 3, 14);
  gift.setColor(Rgba::hex(0xFFC94D, 0.95));
  cairo_fill(cr);
  noMark(gift);
  out.savePng("gfx/sign2.png", gift);
}
ASSETGEN_REGISTER("tree screen signs", makeSigns);

}  // namespace
