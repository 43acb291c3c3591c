// The tree-top stars: the brightest things on the tree. Each stands on a short stem whose
// bottom centre (40, 76) sits on the tree's apex.
#include <cmath>
#include <string>

#include "core/Registry.h"
#include "tree/DecorPaint.h"

namespace {

using assetgen::Canvas;
using assetgen::PathFn;
using assetgen::Rgba;
namespace decor = assetgen::decor;

constexpr double kCx = 40;
constexpr double kCy = 41;

// A star of `points` points cut into facets, each lit by how much it faces the top left.
void bevelledStar(Canvas& c, double cx, double cy, double outer, double inner, int points,
                  const decor::Ramp& ramp) {
  cairo_t* cr = c.cr();
  const double lightAngle = -3 * M_PI / 4;  // toward the top left
  for (int i = 0; i < points; ++i) {
    double tipA = -M_PI / 2 + i * 2 * M_PI / points;
    for (int s = -1; s <= 1; s += 2) {
      double innerA = tipA + s * M_PI / points;
      double facing = std::cos((tipA + innerA) / 2 + s * M_PI / 2 * 0.35 - lightAngle);
      double lit = 0.5 + 0.5 * facing;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + outer * std::cos(tipA), cy + outer * std::sin(tipA));
      cairo_line_to(cr, cx + inner * std::cos(innerA), cy + inner * std::sin(innerA));
      cairo_close_path(cr);
      Rgba col =
          lit > 0.5 ? ramp.mid.mix(ramp.light, (lit - 0.5) * 2) : ramp.dark.mix(ramp.mid, lit * 2);
      c.setColor(col);
      cairo_fill(cr);
    }
  }
  PathFn shape = [=](cairo_t* k) { Canvas::star(k, cx, cy, outer, inner, points); };
  decor::outline(c, shape, ramp, 1.8);
}

void rays(Canvas& c, int count, double inner, double longRay, double shortRay, double width,
          const Rgba& colour) {
  cairo_t* cr = c.cr();
  for (int i = 0; i < count; ++i) {
    double a = -M_PI / 2 + (i + 0.5) * 2 * M_PI / count;
    double len = i % 2 ? shortRay : longRay, half = width / 2 / len;
    cairo_move_to(cr, kCx + inner * std::cos(a - half * 4), kCy + inner * std::sin(a - half * 4));
    cairo_line_to(cr, kCx + len * std::cos(a), kCy + len * std::sin(a));
    cairo_line_to(cr, kCx + inner * std::cos(a + half * 4), kCy + inner * std::sin(a + half * 4));
    cairo_close_path(cr);
  }
  c.radialGradient(
      kCx, kCy, inner, longRay,
      {{0, colour}, {0.6, colour.withAlpha(colour.a * 0.5)}, {1, colour.withAlpha(0)}});
  cairo_fill(cr);
}

void halo(Canvas& c, double r, const Rgba& colour) {
  c.radialGradient(
      kCx, kCy, 0, r,
      {{0, colour}, {0.45, colour.withAlpha(colour.a * 0.45)}, {1, colour.withAlpha(0)}});
  cairo_arc(c.cr(), kCx, kCy, r, 0, 2 * M_PI);
  cairo_fill(c.cr());
}

// The stem the star stands on: a little cone tapering down to the apex.
void stem(Canvas& c, const decor::Ramp& metal) {
  cairo_t* cr = c.cr();
  PathFn shape = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, kCx - 5.5, 52);
    cairo_line_to(k, kCx + 5.5, 52);
    cairo_line_to(k, kCx + 2.2, 76);
    cairo_line_to(k, kCx - 2.2, 76);
    cairo_close_path(k);
  };
  shape(cr);
  c.linearGradient(kCx - 5.5, 0, kCx + 5.5, 0,
                   {{0, metal.mid}, {0.3, metal.light}, {0.7, metal.mid}, {1, metal.dark}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.9);
  c.setColor(metal.dark.withAlpha(0.7));
  for (double y : {60.0, 64.5, 69.0}) {
    double hw = 5.5 - (y - 52) / 24 * 3.3;
    cairo_move_to(cr, kCx - hw, y);
    cairo_line_to(cr, kCx + hw, y);
  }
  cairo_stroke(cr);
  decor::outline(c, shape, metal, 1.2);
}

void goldStar(Canvas& c) {
  decor::Ramp g = decor::gold();
  stem(c, g);
  halo(c, 34, Rgba::hex(0xFFE9A8, 0.35));
  bevelledStar(c, kCx, kCy, 31, 13.5, 5, g);
  c.glint(kCx - 9, kCy - 10, 7, 0.7, 0.18, true);
  c.glint(kCx + 20, kCy - 5, 3.5, 0.7, 0.2, false);
}

void silverStar(Canvas& c) {
  decor::Ramp s = decor::silver();
  stem(c, s);
  halo(c, 36, Rgba::hex(0xDCE8F7, 0.35));
  rays(c, 16, 8, 39, 27, 3.2, Rgba::hex(0xFFFFFF, 0.85));
  bevelledStar(c, kCx, kCy, 27, 11, 5, s);
  c.glint(kCx - 7, kCy - 8, 6.5, 0.7, 0.18, true);
}

void radiantStar(Canvas& c) {
  decor::Ramp g = decor::gold(), r = decor::red();
  stem(c, g);
  halo(c, 40, Rgba::hex(0xFFC94D, 0.5));
  rays(c, 10, 10, 40, 30, 4.5, Rgba::hex(0xFFE9A8, 0.9));
  bevelledStar(c, kCx, kCy, 32, 14, 5, r);
  bevelledStar(c, kCx, kCy, 19, 8.5, 5, g);
  halo(c, 9, Rgba::hex(0xFFFFFF, 0.85));
  c.glint(kCx - 10, kCy - 12, 6.5, 0.7, 0.18, true);
}

void makeStars(assetgen::Output& out) {
  void (*const painters[3])(Canvas&) = {goldStar, silverStar, radiantStar};
  for (int i = 0; i < 3; ++i) {
    Canvas c(80, 84);
    painters[i](c);
    out.savePng("gfx/tree/ozdobki/gwiazda0" + std::to_string(i + 1) + ".png", c);
  }
}
ASSETGEN_REGISTER("tree-top stars", makeStars);

}  // namespace
