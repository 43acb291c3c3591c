// The presents under the tree: wrapped boxes seen a little from above (a front face and a
// slim top face), standing with their bottom centre on (40, 72).
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
constexpr double kGround = 72;

enum class Wrap { Plain, Dots, Stripes, Hearts, Bands };

struct Box {
  double width, height, bottom;
  decor::Ramp paper, ribbon;
  Wrap wrap;
  bool bow;
};

double depthOf(const Box& b) { return std::max(5.0, b.width * 0.16); }

PathFn frontOf(const Box& b) {
  return [=](cairo_t* cr) {
    Canvas::roundedRect(cr, kCx - b.width / 2, b.bottom - b.height, b.width, b.height, 1.5);
  };
}

PathFn topOf(const Box& b) {
  double d = depthOf(b), y = b.bottom - b.height;
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, kCx - b.width / 2, y);
    cairo_line_to(cr, kCx - b.width / 2 + d * 0.6, y - d);
    cairo_line_to(cr, kCx + b.width / 2 - d * 0.6, y - d);
    cairo_line_to(cr, kCx + b.width / 2, y);
    cairo_close_path(cr);
  };
}

void paintWrap(Canvas& c, const Box& b, const PathFn& clip) {
  cairo_t* cr = c.cr();
  double left = kCx - b.width / 2, top = b.bottom - b.height - depthOf(b);
  cairo_save(cr);
  clip(cr);
  cairo_clip(cr);
  switch (b.wrap) {
    case Wrap::Plain:
      break;
    case Wrap::Dots:
      c.setColor(Rgba::hex(0xF4F8FF));
      for (double y = top + 3; y < b.bottom; y += 7)
        for (double x = left + ((static_cast<int>((y - top) / 7)) % 2 ? 3.5 : 0);
             x < left + b.width + 4; x += 7) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
        }
      cairo_fill(cr);
      break;
    case Wrap::Stripes:
      c.setColor(b.ribbon.mid);
      for (double x = left - b.height; x < left + b.width + 10; x += 9) {
        cairo_move_to(cr, x, b.bottom);
        cairo_line_to(cr, x + 4, b.bottom);
        cairo_line_to(cr, x + 4 + b.height + 10, top - 10);
        cairo_line_to(cr, x + b.height + 10, top - 10);
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      break;
    case Wrap::Hearts:
      for (double y = top + 5, row = 0; y < b.bottom + 3; y += 9, ++row)
        for (double x = left + (static_cast<int>(row) % 2 ? 4 : 9); x < left + b.width + 3;
             x += 10) {
          if (static_cast<int>(row + x / 10) % 2) {
            Canvas::star(cr, x, y, 2.6, 1.1, 5);
          } else {
            cairo_new_sub_path(cr);
            cairo_move_to(cr, x, y + 2.4);
            cairo_curve_to(cr, x - 4, y - 0.5, x - 1.8, y - 3.4, x, y - 1.2);
            cairo_curve_to(cr, x + 1.8, y - 3.4, x + 4, y - 0.5, x, y + 2.4);
            cairo_close_path(cr);
          }
        }
      c.setColor(Rgba::hex(0xE8343B));
      cairo_fill(cr);
      break;
    case Wrap::Bands:
      c.setColor(Rgba::hex(0xF4F8FF));
      for (double y = b.bottom - 6; y > top - 4; y -= 12) {
        cairo_rectangle(cr, left - 2, y - 3, b.width + 4, 5);
      }
      cairo_fill(cr);
      break;
  }
  cairo_restore(cr);
}

// The ribbon: one band down the front and one across the top face, front to back.
void ribbonBands(Canvas& c, const Box& b) {
  cairo_t* cr = c.cr();
  double w = std::max(4.0, b.width * 0.14), y = b.bottom - b.height, d = depthOf(b);
  PathFn bands = [=](cairo_t* k) {
    cairo_rectangle(k, kCx - w / 2, y, w, b.height);
    cairo_new_sub_path(k);
    cairo_move_to(k, kCx - w / 2, y);
    cairo_line_to(k, kCx - w * 0.4, y - d);
    cairo_line_to(k, kCx + w * 0.4, y - d);
    cairo_line_to(k, kCx + w / 2, y);
    cairo_close_path(k);
    // Across the top face, left to right.
    cairo_new_sub_path(k);
    cairo_move_to(k, kCx - b.width / 2 + d * 0.3, y - d * 0.5 - w * 0.22);
    cairo_line_to(k, kCx + b.width / 2 - d * 0.3, y - d * 0.5 - w * 0.22);
    cairo_line_to(k, kCx + b.width / 2 - d * 0.3 + 0.5, y - d * 0.5 + w * 0.22);
    cairo_line_to(k, kCx - b.width / 2 + d * 0.3 - 0.5, y - d * 0.5 + w * 0.22);
    cairo_close_path(k);
  };
  bands(cr);
  c.linearGradient(kCx - w / 2, 0, kCx + w / 2, 0,
                   {{0, b.ribbon.light}, {0.45, b.ribbon.mid}, {1, b.ribbon.dark}});
  cairo_fill(cr);
  decor::outline(c, bands, b.ribbon, 1.0);
}

void bowOn(Canvas& c, const Box& b) {
  cairo_t* cr = c.cr();
  double cx = kCx, cy = b.bottom - b.height - depthOf(b) * 0.5;
  double s = std::clamp(b.width / 50, 0.7, 1.2);
  PathFn loops = [=](cairo_t* k) {
    for (int side = -1; side <= 1; side += 2) {
      cairo_new_sub_path(k);
      cairo_move_to(k, cx, cy);
      cairo_curve_to(k, cx + side * 3 * s, cy - 11 * s, cx + side * 13 * s, cy - 10 * s,
                     cx + side * 10 * s, cy - 1 * s);
      cairo_curve_to(k, cx + side * 8 * s, cy + 2 * s, cx + side * 3 * s, cy + 1 * s, cx, cy);
      cairo_close_path(k);
    }
  };
  loops(cr);
  c.linearGradient(cx - 10 * s, cy - 10 * s, cx + 10 * s, cy + 2 * s,
                   {{0, b.ribbon.light}, {0.4, b.ribbon.mid}, {1, b.ribbon.dark}});
  cairo_fill(cr);
  decor::outline(c, loops, b.ribbon, 1.2);
  PathFn knot = [=](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, cx, cy - 1, 3 * s, 0, 2 * M_PI);
  };
  decor::litFill(c, knot, cx, cy - 1, 3 * s, b.ribbon);
  decor::outline(c, knot, b.ribbon, 1.0);
}

void paintBox(Canvas& c, const Box& b) {
  cairo_t* cr = c.cr();
  PathFn front = frontOf(b), top = topOf(b);
  double y = b.bottom - b.height;
  front(cr);
  c.linearGradient(kCx - b.width / 2, y, kCx + b.width / 2, b.bottom,
                   {{0, b.paper.mid.mix(b.paper.light, 0.25)},
                    {0.6, b.paper.mid},
                    {1, b.paper.mid.mix(b.paper.dark, 0.6)}});
  cairo_fill(cr);
  top(cr);
  c.linearGradient(0, y - depthOf(b), 0, y,
                   {{0, b.paper.light}, {1, b.paper.mid.mix(b.paper.light, 0.5)}});
  cairo_fill(cr);
  paintWrap(c, b, [&](cairo_t* k) {
    front(k);
    top(k);
  });
  // The front face a touch darker toward the bottom, where the top face's light does not reach.
  cairo_save(cr);
  front(cr);
  cairo_clip(cr);
  c.linearGradient(0, y, 0, b.bottom,
                   {{0, Rgba::hex(0x000000, 0)}, {1, Rgba::hex(0x000000, 0.22)}});
  cairo_paint(cr);
  cairo_restore(cr);
  ribbonBands(c, b);
  decor::outline(c, front, b.paper, 1.6);
  decor::outline(c, top, b.paper, 1.4);
  if (b.bow) bowOn(c, b);
}

void contactShadow(Canvas& c, double halfWidth) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, kCx + 2, kGround + 0.5);
  cairo_scale(cr, halfWidth + 4, 3.4);
  c.radialGradient(0, 0, 0, 1,
                   {{0, Rgba::hex(0x000000, 0.38)},
                    {0.6, Rgba::hex(0x000000, 0.22)},
                    {1, Rgba::hex(0x000000, 0)}});
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

struct Present {
  Box boxes[2];
  int count;
};

const Present kPresents[8] = {
    {{{54, 40, kGround, decor::red(), decor::gold(), Wrap::Plain, true}}, 1},
    {{{46, 36, kGround, decor::green(), decor::red(), Wrap::Plain, true}}, 1},
    {{{62, 44, kGround, decor::blue(), decor::silver(), Wrap::Dots, true}}, 1},
    {{{40, 32, kGround, decor::gold(), decor::red(), Wrap::Stripes, true}}, 1},
    {{{70, 42, kGround, decor::purple(), decor::silver(), Wrap::Plain, true}}, 1},
    {{{52, 40, kGround, decor::white(), decor::red(), Wrap::Hearts, true}}, 1},
    {{{38, 58, kGround, decor::cyan(), decor::pink(), Wrap::Bands, true}}, 1},
    {{{72, 28, kGround, decor::red(), decor::green(), Wrap::Plain, false},
      {44, 20, kGround - 28 - 5.8, decor::green(), decor::gold(), Wrap::Dots, true}},
     2},
};

void makePresents(assetgen::Output& out) {
  for (int i = 0; i < 8; ++i) {
    Canvas c(80, 76);
    const Present& p = kPresents[i];
    contactShadow(c, p.boxes[0].width / 2);
    for (int k = 0; k < p.count; ++k) paintBox(c, p.boxes[k]);
    out.savePng("gfx/tree/dekoracje/prezent0" + std::to_string(i + 1) + ".png", c);
  }
}
ASSETGEN_REGISTER("tree presents", makePresents);

}  // namespace
