// The baubles of the shop: twelve glass balls, drops and onions in the palette's colours, each
// hanging by the top of the wire loop on its cap at (20, 3).
#include <cmath>
#include <string>

#include "core/Registry.h"
#include "tree/DecorPaint.h"

namespace {

using assetgen::Canvas;
using assetgen::PathFn;
using assetgen::Rgba;
using assetgen::Rng;
namespace decor = assetgen::decor;

constexpr double kCx = 20;
constexpr double kLoopTop = 3;

enum class Shape { Round, Drop, Onion };
enum class Pattern { Plain, Snowflake, Stripes, Glitter, Dots, Band, Stars };

struct Bauble {
  Shape shape;
  double radius;  // of the round part
  decor::Ramp body;
  decor::Ramp metal;
  Pattern pattern;
};

// Where the round part sits: just under the cap.
struct Body {
  double cy, r, top, bottom;
};

Body bodyOf(const Bauble& b) {
  double capBottom = b.radius > 17 ? 14 : 13;
  switch (b.shape) {
    case Shape::Round:
      return {capBottom - 1.5 + b.radius, b.radius, capBottom - 1.5,
              capBottom - 1.5 + 2 * b.radius};
    case Shape::Drop:
      return {52 - b.radius, b.radius, capBottom - 1, 52};
    case Shape::Onion:
      return {capBottom - 1.5 + b.radius, b.radius, capBottom - 1.5, 53};
  }
  return {};
}

PathFn outlineOf(const Bauble& b) {
  Body body = bodyOf(b);
  switch (b.shape) {
    case Shape::Round:
      return [=](cairo_t* cr) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCx, body.cy, body.r, 0, 2 * M_PI);
      };
    case Shape::Drop:
      // A narrow neck that swells into a round bottom.
      return [=](cairo_t* cr) {
        double r = body.r, cy = body.cy, top = body.top;
        cairo_new_sub_path(cr);
        cairo_move_to(cr, kCx, top);
        cairo_curve_to(cr, kCx + 3, top + 6, kCx + r, cy - r * 0.9, kCx + r, cy);
        cairo_arc(cr, kCx, cy, r, 0, M_PI);
        cairo_curve_to(cr, kCx - r, cy - r * 0.9, kCx - 3, top + 6, kCx, top);
        cairo_close_path(cr);
      };
    case Shape::Onion:
      // A round top drawn out into a point below.
      return [=](cairo_t* cr) {
        double r = body.r, cy = body.cy, bottom = body.bottom;
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCx, cy, r, M_PI * 0.85, M_PI * 2.15);
        cairo_curve_to(cr, kCx + r * 0.75, cy + r * 0.95, kCx + 2, bottom - 8, kCx, bottom);
        cairo_curve_to(cr, kCx - 2, bottom - 8, kCx - r * 0.75, cy + r * 0.95,
                       kCx + r * std::cos(M_PI * 0.85), cy + r * std::sin(M_PI * 0.85));
        cairo_close_path(cr);
      };
  }
  return {};
}

// A latitude line of the ball at height `dy` from its centre.
void latitude(cairo_t* cr, double cy, double r, double dy) {
  double w = std::sqrt(std::max(0.0, r * r - dy * dy));
  cairo_save(cr);
  cairo_translate(cr, kCx, cy + dy);
  cairo_scale(cr, w, w * 0.28);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
}

void paintPattern(Canvas& c, const Bauble& b, const PathFn& path, Rng& rng) {
  cairo_t* cr = c.cr();
  Body body = bodyOf(b);
  double r = body.r, cy = body.cy;
  cairo_save(cr);
  path(cr);
  cairo_clip(cr);
  switch (b.pattern) {
    case Pattern::Plain:
    case Pattern::Glitter:
      break;
    case Pattern::Snowflake:
      decor::snowflakePath(cr, kCx - 1.5, cy - 1, r * 0.62);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_width(cr, 1.7);
      c.setColor(Rgba::hex(0xF4F8FF, 0.95));
      cairo_stroke(cr);
      break;
    case Pattern::Stripes:
      for (double dy : {-0.55, 0.0, 0.55}) {
        latitude(cr, cy, r, dy * r);
        cairo_set_line_width(cr, dy == 0.0 ? 3.2 : 1.8);
        c.setColor(Rgba::hex(0x8A4E08));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, dy == 0.0 ? 2.0 : 1.0);
        c.setColor(Rgba::hex(0xFFD76E));
        cairo_stroke(cr);
      }
      break;
    case Pattern::Dots:
      latitude(cr, cy, r, -3.5);
      cairo_set_line_width(cr, 7);
      c.setColor(Rgba::hex(0xF4F8FF));
      cairo_stroke(cr);
      for (int i = -2; i <= 2; ++i) {
        double x = kCx + i * r * 0.36,
               y = cy - 3.5 + 0.28 * std::sqrt(r * r - std::pow(i * r * 0.36, 2)) + 0.5;
        cairo_arc(cr, x, y - 0.5, 1.5 * (1 - 0.15 * std::abs(i)), 0, 2 * M_PI);
        c.setColor(Rgba::hex(0xE8343B));
        cairo_fill(cr);
      }
      for (auto [dx, dy] : {std::pair{-0.45, -0.55},
                            {0.3, -0.6},
                            {-0.55, 0.4},
                            {0.1, 0.55},
                            {0.55, 0.3},
                            {-0.1, -0.85}}) {
        cairo_arc(cr, kCx + dx * r, cy + dy * r, 1.3, 0, 2 * M_PI);
        c.setColor(Rgba::hex(0xF4F8FF));
        cairo_fill(cr);
      }
      break;
    case Pattern::Band:
      latitude(cr, cy, r, 1.5);
      cairo_set_line_width(cr, 6.5);
      c.setColor(Rgba::hex(0x6E1019));
      cairo_stroke_preserve(cr);
      cairo_set_line_width(cr, 4.6);
      c.setColor(Rgba::hex(0xE8343B));
      cairo_stroke(cr);
      for (int i = -2; i <= 2; ++i) {
        double x = kCx + i * r * 0.38;
        Canvas::star(
            cr, x,
            cy + 1.5 + 0.28 * std::sqrt(std::max(0.0, r * r - std::pow(i * r * 0.38, 2))) - 0.6,
            1.4, 0.6, 4, 0);
      }
      c.setColor(Rgba::hex(0xFFE9A8));
      cairo_fill(cr);
      break;
    case Pattern::Stars:
      for (int i = 0; i < 9; ++i) {
        double a = i * 2.4, d = r * (0.2 + 0.7 * ((i * 37) % 10) / 10.0);
        Canvas::star(cr, kCx + std::cos(a) * d, cy + std::sin(a) * d, 2.8, 1.15, 5,
                     rng.range(-100, -80));
      }
      c.setColor(Rgba::hex(0x3A64A8));
      cairo_fill(cr);
      break;
  }
  cairo_restore(cr);
}

// Darkens the lower right of the body a little more, keeping the ball round under patterns.
void roundShade(Canvas& c, const PathFn& path, const Body& body) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  path(cr);
  cairo_clip(cr);
  c.radialGradient(kCx - body.r * 0.4, body.cy - body.r * 0.45, body.r * 0.6, kCx, body.cy,
                   body.r * 1.6,
                   {{0, Rgba::hex(0x000000, 0)},
                    {0.65, Rgba::hex(0x000000, 0)},
                    {1, Rgba::hex(0x000000, 0.35)}});
  cairo_paint(cr);
  cairo_restore(cr);
}

void paintBauble(Canvas& c, const Bauble& b, uint64_t seed) {
  Rng rng(seed);
  PathFn path = outlineOf(b);
  Body body = bodyOf(b);
  decor::litFill(c, path, kCx, body.cy, body.r, b.body);
  paintPattern(c, b, path, rng);
  if (b.pattern == Pattern::Glitter)
    decor::glitter(c, path, kCx - body.r, body.top, body.r * 2, body.bottom - body.top,
                   static_cast<int>(body.r * body.r * 1.3), b.body, rng);
  roundShade(c, path, body);
  decor::gloss(c, path, kCx - body.r, body.cy - body.r, body.r * 2, body.r * 2);
  decor::outline(c, path, b.body, body.r > 17 ? 2.0 : 1.6);
  double capWidth = body.r > 17 ? 12 : (b.shape == Shape::Drop ? 8 : 10);
  decor::cap(c, kCx, kLoopTop, body.top - 4.5, capWidth, 5.5, b.metal);
}

const Bauble kBaubles[12] = {
    {Shape::Round, 15, decor::red(), decor::gold(), Pattern::Plain},
    {Shape::Round, 15, decor::gold(), decor::gold(), Pattern::Plain},
    {Shape::Round, 15.5, decor::blue(), decor::silver(), Pattern::Snowflake},
    {Shape::Round, 15, decor::green(), decor::gold(), Pattern::Stripes},
    {Shape::Round, 14.5, decor::silver(), decor::silver(), Pattern::Glitter},
    {Shape::Drop, 13, decor::purple(), decor::silver(), Pattern::Plain},
    {Shape::Onion, 13.5, decor::pink(), decor::silver(), Pattern::Plain},
    {Shape::Round, 15, decor::red(), decor::silver(), Pattern::Dots},
    {Shape::Drop, 13, decor::cyan(), decor::silver(), Pattern::Glitter},
    {Shape::Onion, 14, decor::gold(), decor::gold(), Pattern::Band},
    {Shape::Round, 15, decor::white(), decor::silver(), Pattern::Stars},
    {Shape::Round, 18.5, decor::deepRed(), decor::gold(), Pattern::Glitter},
};

void makeBaubles(assetgen::Output& out) {
  for (int i = 0; i < 12; ++i) {
    Canvas c(40, 56);
    paintBauble(c, kBaubles[i], 0xba0b1e00ull + i);
    std::string n = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
    out.savePng("gfx/tree/bombki/bombka" + n + ".png", c);
  }
}
ASSETGEN_REGISTER("tree baubles", makeBaubles);

}  // namespace
