// The ornaments of the shop (bells, an icicle, a pine cone, a candy cane, a bird, snowflakes),
// each hanging by the top of a thread loop at (20, 3).
#include <cmath>
#include <functional>
#include <string>

#include "core/Registry.h"
#include "tree/DecorPaint.h"

namespace {

using assetgen::Canvas;
using assetgen::PathFn;
using assetgen::Rgba;
namespace decor = assetgen::decor;

constexpr double kCx = 20;
constexpr double kLoopTop = 3;
const Rgba kThreadGold = Rgba::hex(0xC08A2A);

PathFn bellPath() {
  return [](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, kCx, 13);
    cairo_curve_to(cr, kCx + 8, 13, kCx + 9, 20, kCx + 9.5, 29);
    cairo_curve_to(cr, kCx + 10, 36, kCx + 13, 39, kCx + 15, 41);
    cairo_curve_to(cr, kCx + 15, 44, kCx - 15, 44, kCx - 15, 41);
    cairo_curve_to(cr, kCx - 13, 39, kCx - 10, 36, kCx - 9.5, 29);
    cairo_curve_to(cr, kCx - 9, 20, kCx - 8, 13, kCx, 13);
    cairo_close_path(cr);
  };
}

void bow(Canvas& c, double cx, double cy, const decor::Ramp& ramp) {
  cairo_t* cr = c.cr();
  PathFn loops = [=](cairo_t* k) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_new_sub_path(k);
      cairo_move_to(k, cx, cy);
      cairo_curve_to(k, cx + s * 4, cy - 6, cx + s * 10, cy - 4, cx + s * 8, cy + 1);
      cairo_curve_to(k, cx + s * 7, cy + 3, cx + s * 3, cy + 2, cx, cy);
      cairo_close_path(k);
      // The tails.
      cairo_new_sub_path(k);
      cairo_move_to(k, cx, cy);
      cairo_line_to(k, cx + s * 5, cy + 8);
      cairo_line_to(k, cx + s * 2.5, cy + 8.5);
      cairo_close_path(k);
    }
  };
  loops(cr);
  c.linearGradient(cx - 8, cy - 5, cx + 8, cy + 5,
                   {{0, ramp.light}, {0.4, ramp.mid}, {1, ramp.dark}});
  cairo_fill(cr);
  decor::outline(c, loops, ramp, 1.1);
  cairo_arc(cr, cx, cy, 2.2, 0, 2 * M_PI);
  c.setColor(ramp.mid);
  cairo_fill_preserve(cr);
  c.setColor(ramp.line);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void bell(Canvas& c, const decor::Ramp& metal, const decor::Ramp* bowRamp) {
  cairo_t* cr = c.cr();
  decor::thread(c, kCx, kLoopTop, 14, kThreadGold);
  // The clapper peeps out under the rim.
  decor::Ramp clapper = metal;
  PathFn ball = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, kCx, 45.5, 3.2, 0, 2 * M_PI);
  };
  decor::litFill(c, ball, kCx, 45.5, 3.2, clapper);
  decor::outline(c, ball, clapper, 1.2);
  PathFn body = bellPath();
  decor::litFill(c, body, kCx, 27, 17, metal);
  // The rim: a rounded lip across the mouth.
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  cairo_move_to(cr, kCx - 15, 39.5);
  cairo_curve_to(cr, kCx - 8, 42.5, kCx + 8, 42.5, kCx + 15, 39.5);
  cairo_set_line_width(cr, 1.4);
  c.setColor(metal.dark);
  cairo_stroke(cr);
  cairo_restore(cr);
  decor::gloss(c, body, kCx - 10, 13, 18, 26, 0.7);
  decor::outline(c, body, metal, 1.6);
  if (bowRamp) bow(c, kCx, 15, *bowRamp);
}

void goldBell(Canvas& c) {
  decor::Ramp r = decor::red();
  bell(c, decor::gold(), &r);
}
void silverBell(Canvas& c) {
  decor::Ramp b = decor::blue();
  bell(c, decor::silver(), &b);
}

void icicle(Canvas& c) {
  cairo_t* cr = c.cr();
  decor::thread(c, kCx, kLoopTop, 10, Rgba::hex(0xB7CDE8));
  PathFn ice = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, kCx - 5.5, 10);
    cairo_curve_to(k, kCx - 2, 8.5, kCx + 2, 8.5, kCx + 5.5, 10);
    cairo_curve_to(k, kCx + 4.5, 24, kCx + 2, 40, kCx + 0.3, 54);
    cairo_line_to(k, kCx - 0.3, 54);
    cairo_curve_to(k, kCx - 2, 40, kCx - 4.5, 24, kCx - 5.5, 10);
    cairo_close_path(k);
  };
  ice(cr);
  c.linearGradient(kCx - 6, 0, kCx + 6, 0,
                   {{0, Rgba::hex(0xDCE8F7)},
                    {0.3, Rgba::hex(0xF4F8FF)},
                    {0.55, Rgba::hex(0x9FC8EC)},
                    {1, Rgba::hex(0x5F86B8)}});
  cairo_fill(cr);
  // Rings of frozen drips and a bright streak down the lit side.
  cairo_save(cr);
  ice(cr);
  cairo_clip(cr);
  cairo_set_line_width(cr, 0.9);
  for (double y : {16.0, 23.0, 31.0, 40.0}) {
    cairo_move_to(cr, kCx - 6, y);
    cairo_curve_to(cr, kCx - 2, y + 1.6, kCx + 2, y + 1.6, kCx + 6, y - 0.4);
    c.setColor(Rgba::hex(0x7E98C0, 0.55));
    cairo_stroke(cr);
  }
  cairo_move_to(cr, kCx - 2.6, 12);
  cairo_curve_to(cr, kCx - 2, 24, kCx - 1.2, 36, kCx - 0.4, 48);
  cairo_set_line_width(cr, 1.3);
  c.setColor(Rgba::hex(0xFFFFFF, 0.95));
  cairo_stroke(cr);
  cairo_restore(cr);
  decor::outline(c, ice, decor::white(), 1.3);
  c.glint(kCx - 2.5, 14, 3.2, 0.8, 0.22, false);
}

void pineCone(Canvas& c) {
  cairo_t* cr = c.cr();
  decor::thread(c, kCx, kLoopTop, 12, kThreadGold);
  decor::Ramp brown{Rgba::hex(0xC08A5A), Rgba::hex(0x8A5A36), Rgba::hex(0x4A2E1C),
                    Rgba::hex(0x3A2214)};
  // Rows of scales from the stalk down to the rounded tip, the lower rows narrower.
  const int rows = 8;
  for (int row = rows - 1; row >= 0; --row) {
    double y = 14 + row * 4.6;
    double halfWidth = 11 * std::sin(M_PI * (0.18 + 0.8 * (row + 0.5) / rows));
    int scales = row % 2 ? 3 : 4;
    for (int s = 0; s < scales; ++s) {
      double x = kCx - halfWidth + (2 * halfWidth) * (s + 0.5) / scales;
      double w = halfWidth / scales + 2.2;
      PathFn scale = [=](cairo_t* k) {
        cairo_new_sub_path(k);
        cairo_move_to(k, x - w, y);
        cairo_curve_to(k, x - w, y + 5, x - w * 0.3, y + 6.5, x, y + 6.5);
        cairo_curve_to(k, x + w * 0.3, y + 6.5, x + w, y + 5, x + w, y);
        cairo_close_path(k);
      };
      decor::litFill(c, scale, x, y + 2, w * 1.6, brown);
      decor::outline(c, scale, brown, 1.0);
      // Snow on the top of the upper scales' tips.
      if (row < 5) {
        cairo_save(cr);
        cairo_translate(cr, x - 0.4, y + 0.6);
        cairo_scale(cr, w * 0.75, 1.4);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        c.setColor(Rgba::hex(0xF4F8FF));
        cairo_fill(cr);
      }
    }
  }
  // The stalk.
  Canvas::roundedRect(cr, kCx - 1.5, 10, 3, 5, 1);
  c.setColor(brown.dark);
  cairo_fill(cr);
}

void candyCane(Canvas& c) {
  cairo_t* cr = c.cr();
  decor::thread(c, kCx, kLoopTop, 8, kThreadGold);
  auto stick = [](cairo_t* k) {
    cairo_new_path(k);
    cairo_arc(k, kCx - 4.5, 16, 6, M_PI * 1.0, M_PI * 2.0);
    cairo_line_to(k, kCx + 1.5, 51);
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stick(cr);
  cairo_set_line_width(cr, 7.2);
  c.setColor(Rgba::hex(0x8E1520));
  cairo_stroke(cr);
  stick(cr);
  cairo_set_line_width(cr, 5.2);
  c.setColor(Rgba::hex(0xF4F8FF));
  cairo_stroke(cr);
  // Red stripes wound round it: dashes along the path, then a shading stroke to round it.
  stick(cr);
  const double dash[2] = {3.2, 3.2};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  c.setColor(Rgba::hex(0xE8343B));
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, kCx - 0.6, 19);
  cairo_line_to(cr, kCx + 0.2, 48);
  cairo_set_line_width(cr, 1.2);
  c.setColor(Rgba::hex(0xFFFFFF, 0.75));
  cairo_stroke(cr);
  cairo_arc(cr, kCx - 4.5, 16, 6, M_PI * 1.2, M_PI * 1.6);
  cairo_stroke(cr);
}

void bird(Canvas& c) {
  cairo_t* cr = c.cr();
  decor::thread(c, kCx, kLoopTop, 20, kThreadGold);
  decor::Ramp r = decor::red();
  decor::Ramp brown{Rgba::hex(0xA87A52), Rgba::hex(0x6E4A2E), Rgba::hex(0x3A2214),
                    Rgba::hex(0x2A180E)};
  // Tail first, then the round body, the wing over it, the head.
  PathFn tail = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, kCx + 6, 34);
    cairo_line_to(k, kCx + 16, 27);
    cairo_line_to(k, kCx + 17, 31);
    cairo_line_to(k, kCx + 8, 38);
    cairo_close_path(k);
  };
  decor::litFill(c, tail, kCx + 12, 31, 6, brown);
  decor::outline(c, tail, brown, 1.1);
  PathFn body = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_save(k);
    cairo_translate(k, kCx + 1, 33);
    cairo_scale(k, 11, 9.5);
    cairo_arc(k, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(k);
  };
  decor::litFill(c, body, kCx + 1, 33, 11, r);
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  cairo_arc(cr, kCx - 4, 37, 6.5, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xFFE0C8, 0.9));
  cairo_fill(cr);
  cairo_restore(cr);
  decor::outline(c, body, r, 1.5);
  PathFn wing = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, kCx - 1, 30);
    cairo_curve_to(k, kCx + 4, 26, kCx + 11, 28, kCx + 12, 33);
    cairo_curve_to(k, kCx + 8, 37, kCx + 2, 37, kCx - 1, 30);
    cairo_close_path(k);
  };
  decor::litFill(c, wing, kCx + 5, 31, 7, brown);
  decor::outline(c, wing, brown, 1.1);
  PathFn head = [](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, kCx - 7, 24, 6.5, 0, 2 * M_PI);
  };
  decor::litFill(c, head, kCx - 7, 24, 6.5, r);
  decor::outline(c, head, r, 1.5);
  cairo_move_to(cr, kCx - 13, 23);
  cairo_line_to(cr, kCx - 18, 25);
  cairo_line_to(cr, kCx - 12.5, 26.2);
  cairo_close_path(cr);
  c.setColor(Rgba::hex(0xFFC94D));
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(0xA8610B));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_arc(cr, kCx - 8.5, 22.6, 1.5, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0x1A0A08));
  cairo_fill(cr);
  cairo_arc(cr, kCx - 9, 22.1, 0.5, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xFFFFFF));
  cairo_fill(cr);
  decor::gloss(c, head, kCx - 13, 18, 10, 10, 0.5);
}

void snowflake(Canvas& c, const decor::Ramp& ramp) {
  cairo_t* cr = c.cr();
  decor::thread(c, kCx, kLoopTop, 13, kThreadGold);
  const double cy = 31, r = 17;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  decor::snowflakePath(cr, kCx, cy, r);
  cairo_set_line_width(cr, 4.4);
  c.setColor(ramp.line);
  cairo_stroke(cr);
  decor::snowflakePath(cr, kCx, cy, r);
  cairo_set_line_width(cr, 2.6);
  c.linearGradient(kCx - r, cy - r, kCx + r, cy + r,
                   {{0, ramp.light}, {0.5, ramp.mid}, {1, ramp.dark}});
  cairo_stroke(cr);
  Canvas::star(cr, kCx, cy, 5, 2.6, 6, -90);
  c.setColor(ramp.light);
  cairo_fill_preserve(cr);
  c.setColor(ramp.line);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  c.glint(kCx - 5, cy - 8, 4, 0.8, 0.2, true);
}

void whiteFlake(Canvas& c) { snowflake(c, decor::white()); }
void goldFlake(Canvas& c) { snowflake(c, decor::gold()); }

void makeOrnaments(assetgen::Output& out) {
  using Painter = std::function<void(Canvas&)>;
  const Painter painters[8] = {goldBell,  silverBell, icicle,     pineCone,
                               candyCane, bird,       whiteFlake, goldFlake};
  for (int i = 0; i < 8; ++i) {
    Canvas c(40, 56);
    painters[i](c);
    out.savePng("gfx/tree/ozdobki/ozdoba0" + std::to_string(i + 1) + ".png", c);
  }
}
ASSETGEN_REGISTER("tree ornaments", makeOrnaments);

}  // namespace
