// Chain links: one small picture the game repeats every 7 px along a sagging curve, drawn
// centred and never turned, so each link is round enough to read the same at any slope and
// overlaps its neighbours a little to make one garland.
#include <cmath>
#include <functional>
#include <string>

#include "core/Registry.h"
#include "tree/DecorPaint.h"

namespace {

using assetgen::Canvas;
using assetgen::PathFn;
using assetgen::Rgba;
using assetgen::Rng;
namespace decor = assetgen::decor;

void bead(Canvas& c, double cx, double cy, double r, const decor::Ramp& ramp) {
  PathFn path = [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  };
  decor::litFill(c, path, cx, cy, r, ramp);
  decor::outline(c, path, ramp, 1.0);
  cairo_arc(c.cr(), cx - r * 0.35, cy - r * 0.4, r * 0.32, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xFFFFFF, 0.9));
  cairo_fill(c.cr());
}

void goldBeads(Canvas& c, Rng&) { bead(c, 5, 5, 3.7, decor::gold()); }

void tinsel(Canvas& c, Rng& rng) {
  cairo_t* cr = c.cr();
  decor::Ramp s = decor::silver();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 34; ++i) {
    double a = rng.range(0, 2 * M_PI), len = rng.range(2.5, 4.8);
    double lit = 0.5 - 0.5 * std::cos(a + M_PI / 4);  // strands toward the top left catch light
    cairo_move_to(cr, 5, 5);
    cairo_line_to(cr, 5 + std::cos(a) * len, 5 + std::sin(a) * len);
    cairo_set_line_width(cr, rng.range(0.6, 1.0));
    c.setColor(s.dark.mix(s.light, lit * 0.8 + rng.range(0, 0.2)));
    cairo_stroke(cr);
  }
  c.glint(3.6, 3.6, 2.2, 0.9, 0.2, false);
}

void paperRing(Canvas& c, Rng&) {
  cairo_t* cr = c.cr();
  // A red loop lying across and a green one threaded through it.
  auto ring = [&](double rx, double ry, const decor::Ramp& ramp, double width) {
    cairo_save(cr);
    cairo_translate(cr, 5, 5);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_line_width(cr, width + 1.2);
    c.setColor(ramp.line);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    c.linearGradient(0, 1, 0, 9, {{0, ramp.light}, {0.5, ramp.mid}, {1, ramp.dark}});
    cairo_stroke(cr);
  };
  ring(3.6, 2.2, decor::green(), 1.5);
  ring(2.0, 3.5, decor::red(), 1.7);
}

void popcorn(Canvas& c, Rng&) {
  cairo_t* cr = c.cr();
  decor::Ramp cream{Rgba::hex(0xFFFFFF), Rgba::hex(0xFFF4D6), Rgba::hex(0xD9C08A),
                    Rgba::hex(0xA8895A)};
  // Five lumps round the middle, a little uneven.
  PathFn puff = [](cairo_t* k) {
    const double turn[5] = {0.1, 1.4, 2.4, 3.8, 5.0}, size[5] = {2.5, 2.2, 2.6, 2.3, 2.4};
    for (int i = 0; i < 5; ++i) {
      cairo_new_sub_path(k);
      cairo_arc(k, 5 + std::cos(turn[i]) * 1.8, 5 + std::sin(turn[i]) * 1.8, size[i], 0, 2 * M_PI);
    }
  };
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  decor::outline(c, puff, cream, 1.2);
  decor::litFill(c, puff, 5, 5, 4.2, cream);
}

void ribbon(Canvas& c, Rng&) {
  cairo_t* cr = c.cr();
  PathFn fold = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, 5, 0.9);
    cairo_curve_to(k, 8, 2, 9.1, 4, 9.1, 5);
    cairo_curve_to(k, 8, 8, 6, 9.1, 5, 9.1);
    cairo_curve_to(k, 2, 8, 0.9, 6, 0.9, 5);
    cairo_curve_to(k, 2, 2, 4, 0.9, 5, 0.9);
    cairo_close_path(k);
  };
  decor::Ramp r = decor::red();
  decor::litFill(c, fold, 5, 5, 4.4, r);
  // The satin sheen runs diagonally across the fold.
  cairo_save(cr);
  fold(cr);
  cairo_clip(cr);
  cairo_move_to(cr, 1.5, 7.5);
  cairo_line_to(cr, 7.5, 1.5);
  cairo_set_line_width(cr, 1.6);
  c.setColor(Rgba::hex(0xFFC0C0, 0.8));
  cairo_stroke(cr);
  cairo_restore(cr);
  decor::outline(c, fold, r, 1.0);
}

void glassBeads(Canvas& c, Rng&) {
  bead(c, 5, 5, 3.3, decor::blue());
  cairo_t* cr = c.cr();
  // A silver ring round the bead's waist, where it meets the next one.
  cairo_arc(cr, 5, 5, 4.2, M_PI * 0.15, M_PI * 0.85);
  cairo_set_line_width(cr, 0.9);
  c.setColor(decor::silver().light);
  cairo_stroke(cr);
}

void makeChains(assetgen::Output& out) {
  using Painter = std::function<void(Canvas&, Rng&)>;
  const Painter painters[6] = {goldBeads, tinsel, paperRing, popcorn, ribbon, glassBeads};
  for (int i = 0; i < 6; ++i) {
    Canvas c(10, 10);
    Rng rng(0xc4a1ull + i);
    painters[i](c, rng);
    out.savePng("gfx/tree/lancuchy/lancuch0" + std::to_string(i + 1) + ".png", c);
  }
}
ASSETGEN_REGISTER("tree chains", makeChains);

}  // namespace
