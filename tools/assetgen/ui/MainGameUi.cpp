// The main game's own interface pictures: the top bar with its four labelled counters and the
// animated marker over the selected tile.
#include <cmath>
#include <string>

#include "core/Font.h"
#include "core/Lettering.h"
#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

// ---- Top bar --------------------------------------------------------------------------------

constexpr int kBarWidth = 800;
constexpr int kBarHeight = 51;
constexpr double kBodyBottom = 44;
// The game centres the time, points, stars and level number on these x positions.
constexpr double kSlotX[4] = {111, 287, 464, 624};
const char* const kCaptions[4] = {"TIME", "POINTS", "STARS", "LEVEL"};
constexpr double kSlotHalfWidth = 64;
constexpr double kSlotTop = 5, kSlotHeight = 24;

void clockIcon(Canvas& c, double x, double y) {
  cairo_t* cr = c.cr();
  cairo_arc(cr, x, y, 7.5, 0, 2 * M_PI);
  c.radialGradient(
      x - 3, y - 3, 0, x, y, 8,
      {{0, Rgba::hex(0xFFFFFF)}, {0.6, Rgba::hex(0xDCE8F7)}, {1, Rgba::hex(0xB7CDE8)}});
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(0xA8610B));
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y - 5);
  cairo_line_to(cr, x, y);
  cairo_line_to(cr, x + 3.5, y + 1.5);
  c.setColor(Rgba::hex(0x14264F));
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void baubleIcon(Canvas& c, double x, double y) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, x - 2.5, y - 9.5, 5, 3);
  c.setColor(Rgba::hex(0xFFC94D));
  cairo_fill(cr);
  auto ball = [x, y](cairo_t* t) { cairo_arc(t, x, y + 0.5, 7, 0, 2 * M_PI); };
  ball(cr);
  c.radialGradient(
      x - 2.5, y - 2, 0.5, x, y + 0.5, 7.5,
      {{0, Rgba::hex(0xFF8A8F)}, {0.45, Rgba::hex(0xE8343B)}, {1, Rgba::hex(0x8E1520)}});
  cairo_fill(cr);
  c.glossyHighlight(ball, x - 7, y - 6.5, 14, 14, 0.8);
}

void starIcon(Canvas& c, double x, double y) {
  cairo_t* cr = c.cr();
  auto shape = [x, y](cairo_t* t) { Canvas::star(t, x, y + 0.5, 8.5, 3.9, 5); };
  shape(cr);
  c.radialGradient(
      x - 3, y - 3, 0, x, y, 9,
      {{0, Rgba::hex(0xFFF6CC)}, {0.5, Rgba::hex(0xFFC94D)}, {1, Rgba::hex(0xE89B1E)}});
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(0xA8610B));
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void treeIcon(Canvas& c, double x, double y) {
  cairo_t* cr = c.cr();
  for (int tier = 0; tier < 3; ++tier) {
    double top = y - 9 + tier * 4.5, half = 4 + tier * 2;
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + half, top + 6);
    cairo_line_to(cr, x - half, top + 6);
    cairo_close_path(cr);
  }
  c.linearGradient(
      x - 8, y - 9, x + 8, y + 6,
      {{0, Rgba::hex(0x6FD07A)}, {0.5, Rgba::hex(0x3FA34D)}, {1, Rgba::hex(0x23703A)}});
  cairo_fill(cr);
  cairo_rectangle(cr, x - 1.5, y + 6, 3, 3);
  c.setColor(Rgba::hex(0x8A5A35));
  cairo_fill(cr);
  Canvas::star(cr, x, y - 9.5, 2.6, 1.1, 5);
  c.setColor(Rgba::hex(0xFFE9A8));
  cairo_fill(cr);
}

void barBody(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, kBarWidth, kBodyBottom);
  c.linearGradient(0, 0, 0, kBodyBottom,
                   {{0, Rgba::hex(0x3A64A8, 0.96)},
                    {0.45, Rgba::hex(0x21407A, 0.95)},
                    {1, Rgba::hex(0x14264F, 0.95)}});
  cairo_fill(cr);
  // Frosted sheen across the upper half.
  cairo_rectangle(cr, 0, 0, kBarWidth, kBodyBottom * 0.5);
  c.linearGradient(0, 0, 0, kBodyBottom * 0.5,
                   {{0, Rgba::hex(0xFFFFFF, 0.18)}, {1, Rgba::hex(0xFFFFFF, 0.03)}});
  cairo_fill(cr);
  // Rim: light line, then the gold trim.
  cairo_rectangle(cr, 0, kBodyBottom - 3, kBarWidth, 1.2);
  c.setColor(Rgba::hex(0xB7CDE8, 0.55));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, kBodyBottom - 1.8, kBarWidth, 1.8);
  c.linearGradient(
      0, 0, kBarWidth, 0,
      {{0, Rgba::hex(0xE89B1E)}, {0.5, Rgba::hex(0xFFE9A8)}, {1, Rgba::hex(0xE89B1E)}});
  cairo_fill(cr);
}

// Frost hanging from the lower edge: small soft drifts and a few icicles, blue-shadowed.
void snowEdge(Canvas& c) {
  cairo_t* cr = c.cr();
  auto fringe = [&](cairo_t* t, double dy) {
    assetgen::Rng rng(51);
    for (double x = -3; x < kBarWidth + 6;) {
      double r = rng.range(2.8, 4.8);
      cairo_new_sub_path(t);
      cairo_arc(t, x + r, kBodyBottom + dy, r, 0, M_PI);
      cairo_close_path(t);
      if (rng.uniform() < 0.22) {
        double len = rng.range(3.5, kBarHeight - kBodyBottom - 0.5),
               ix = x + r * rng.range(0.6, 1.4);
        cairo_move_to(t, ix - 1.6, kBodyBottom + dy);
        cairo_line_to(t, ix, kBodyBottom + dy + len);
        cairo_line_to(t, ix + 1.6, kBodyBottom + dy);
        cairo_close_path(t);
      }
      x += r * rng.range(1.5, 2.1);
    }
    cairo_rectangle(t, 0, kBodyBottom - 1.2 + dy, kBarWidth, 1.5);
  };
  fringe(cr, 0.8);
  c.setColor(Rgba::hex(0x7E98C0, 0.7));
  cairo_fill(cr);
  fringe(cr, 0);
  c.linearGradient(
      0, kBodyBottom - 1, 0, kBarHeight,
      {{0, Rgba::hex(0xFFFFFF)}, {0.4, Rgba::hex(0xF4F8FF)}, {1, Rgba::hex(0xB7CDE8)}});
  cairo_fill(cr);
}

void slot(Canvas& c, double cx, int index) {
  cairo_t* cr = c.cr();
  double x = cx - kSlotHalfWidth, w = 2 * kSlotHalfWidth;
  auto pill = [&](cairo_t* t) {
    Canvas::roundedRect(t, x, kSlotTop, w, kSlotHeight, kSlotHeight / 2);
  };
  pill(cr);
  c.linearGradient(0, kSlotTop, 0, kSlotTop + kSlotHeight,
                   {{0, Rgba::hex(0x050B1C, 0.85)},
                    {0.4, Rgba::hex(0x0B1633, 0.75)},
                    {1, Rgba::hex(0x14264F, 0.7)}});
  cairo_fill(cr);
  // Inset: a dark upper lip and a light lower rim.
  cairo_save(cr);
  pill(cr);
  cairo_clip(cr);
  Canvas::roundedRect(cr, x - 1, kSlotTop + 1.6, w + 2, kSlotHeight + 2, kSlotHeight / 2);
  c.setColor(Rgba::hex(0x000000, 0.45));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  Canvas::roundedRect(cr, x + 0.5, kSlotTop + 0.5, w - 1, kSlotHeight - 1, kSlotHeight / 2);
  c.linearGradient(0, kSlotTop, 0, kSlotTop + kSlotHeight,
                   {{0, Rgba::hex(0xB7CDE8, 0.0)},
                    {0.6, Rgba::hex(0xB7CDE8, 0.1)},
                    {1, Rgba::hex(0xDCE8F7, 0.6)}});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  double ix = x + 14, iy = kSlotTop + kSlotHeight / 2;
  switch (index) {
    case 0:
      clockIcon(c, ix, iy);
      break;
    case 1:
      baubleIcon(c, ix, iy);
      break;
    case 2:
      starIcon(c, ix, iy);
      break;
    default:
      treeIcon(c, ix, iy);
      break;
  }

  assetgen::selectFont(cr, assetgen::fonts::UI_BOLD, 11);
  assetgen::Extents e = assetgen::kernedTextExtents(cr, kCaptions[index], 1.6);
  double tx = cx - e.width / 2 - e.x, ty = 39;
  assetgen::kernedTextPath(cr, kCaptions[index], tx + 0.8, ty + 0.8, 1.6);
  c.setColor(Rgba::hex(0x050B1C, 0.7));
  cairo_fill(cr);
  assetgen::kernedTextPath(cr, kCaptions[index], tx, ty, 1.6);
  c.setColor(Rgba::hex(0xFFE9A8, 0.95));
  cairo_fill(cr);
}

// A sprig of holly at the left end of the bar.
void holly(Canvas& c, double x, double y) {
  cairo_t* cr = c.cr();
  auto leaf = [&](double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 4, -5, 10, -5, 16, -1);
    cairo_curve_to(cr, 13, 1, 13, 3, 15, 5);
    cairo_curve_to(cr, 10, 4, 6, 6, 0, 0);
    cairo_close_path(cr);
    c.linearGradient(
        0, -5, 0, 6,
        {{0, Rgba::hex(0x6FD07A)}, {0.5, Rgba::hex(0x3FA34D)}, {1, Rgba::hex(0x123F24)}});
    cairo_fill(cr);
    cairo_restore(cr);
  };
  leaf(-0.5);
  leaf(0.9);
  leaf(2.6);
  for (auto [bx, by] : {std::pair{0.0, -2.0}, {4.0, 1.5}, {-3.5, 2.5}}) {
    auto berry = [&](cairo_t* t) { cairo_arc(t, x + bx, y + by, 3, 0, 2 * M_PI); };
    berry(cr);
    c.radialGradient(
        x + bx - 1, y + by - 1, 0, x + bx, y + by, 3.2,
        {{0, Rgba::hex(0xFF8A8F)}, {0.5, Rgba::hex(0xE8343B)}, {1, Rgba::hex(0x6E1019)}});
    cairo_fill(cr);
  }
}

void makeTopBar(assetgen::Output& out) {
  Canvas c(kBarWidth, kBarHeight);
  barBody(c);
  for (int i = 0; i < 4; ++i) slot(c, kSlotX[i], i);
  holly(c, 22, 20);
  snowEdge(c);
  out.savePng("gfx/gui/mainGame/top.png", c);
}
ASSETGEN_REGISTER("top bar", makeTopBar);

// ---- Selection marker -----------------------------------------------------------------------

constexpr int kCell = 42;
constexpr int kFrames = 25;
constexpr int kLoop = 22;  // the game loops frames 0-21

// A point on the marker's rounded-square path, t in [0, 1).
void perimeterPoint(double t, double inset, double& x, double& y) {
  double side = kCell - 2 * inset, d = std::fmod(t, 1.0) * 4 * side;
  int edge = static_cast<int>(d / side);
  double along = d - edge * side;
  switch (edge) {
    case 0:
      x = inset + along;
      y = inset;
      break;
    case 1:
      x = kCell - inset;
      y = inset + along;
      break;
    case 2:
      x = kCell - inset - along;
      y = kCell - inset;
      break;
    default:
      x = inset;
      y = kCell - inset - along;
      break;
  }
}

void markerFrame(Canvas& c, double ox, double t) {
  cairo_t* cr = c.cr();
  double pulse = 0.5 + 0.5 * std::sin(2 * M_PI * t);
  auto frame = [&](cairo_t* tcr) { Canvas::roundedRect(tcr, ox + 3, 3, kCell - 6, kCell - 6, 8); };
  // Warm light spilling inward from the frame, fading toward the tile's centre.
  Canvas light(c.width(), c.height());
  frame(light.cr());
  light.setColor(Rgba::hex(0xFFE9A8, 0.6 + 0.4 * pulse));
  cairo_set_line_width(light.cr(), 4);
  cairo_stroke(light.cr());
  light.blur(2.5);
  cairo_save(cr);
  frame(cr);
  cairo_clip(cr);
  c.paint(light, 0, 0);
  cairo_restore(cr);
  frame(cr);
  c.setColor(Rgba::hex(0xA8610B, 0.9));
  cairo_set_line_width(cr, 3.6);
  cairo_stroke(cr);
  frame(cr);
  c.linearGradient(
      ox, 0, ox + kCell, kCell,
      {{0, Rgba::hex(0xFFFBE8)}, {0.5, Rgba::hex(0xFFC94D)}, {1, Rgba::hex(0xE89B1E)}});
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  // Bright corner brackets that breathe with the pulse.
  double len = 7 + 2 * pulse;
  for (int k = 0; k < 4; ++k) {
    double cx = (k % 2) ? ox + kCell - 3 : ox + 3, cy = (k / 2) ? kCell - 3 : 3;
    double sx = (k % 2) ? -1 : 1, sy = (k / 2) ? -1 : 1;
    cairo_move_to(cr, cx, cy + sy * len);
    cairo_line_to(cr, cx, cy + sy * 4);
    cairo_curve_to(cr, cx, cy, cx, cy, cx + sx * 4, cy);
    cairo_line_to(cr, cx + sx * len, cy);
  }
  c.setColor(Rgba::hex(0xFFFFFF, 0.7 + 0.3 * pulse));
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void makeSelect(assetgen::Output& out) {
  Canvas sheet(kCell * kFrames, kCell);
  for (int f = 0; f < kFrames; ++f) {
    double t = static_cast<double>(f % kLoop) / kLoop;
    double ox = f * kCell;
    cairo_save(sheet.cr());
    cairo_rectangle(sheet.cr(), ox, 0, kCell, kCell);
    cairo_clip(sheet.cr());
    markerFrame(sheet, ox, t);
    for (double phase : {0.0, 0.5}) {
      double x, y;
      perimeterPoint(t + phase, 3.5, x, y);
      sheet.glint(ox + x, y, 3.6, 1.6, 0.22, false);
    }
    cairo_restore(sheet.cr());
  }
  out.savePng("gfx/gui/mainGame/select.png", sheet, kCell, kCell, kFrames);
}
ASSETGEN_REGISTER("select marker", makeSelect);

}  // namespace
