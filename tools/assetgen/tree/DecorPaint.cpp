#include "tree/DecorPaint.h"

#include <cmath>

namespace assetgen::decor {

Ramp red() {
  return {Rgba::hex(0xFF8A80), Rgba::hex(0xE8343B), Rgba::hex(0x8E1520), Rgba::hex(0x6E1019)};
}
Ramp deepRed() {
  return {Rgba::hex(0xF0585C), Rgba::hex(0xB51F2B), Rgba::hex(0x5A0C14), Rgba::hex(0x4A0A12)};
}
Ramp gold() {
  return {Rgba::hex(0xFFF2B8), Rgba::hex(0xFFC94D), Rgba::hex(0xC07A12), Rgba::hex(0x8A4E08)};
}
Ramp silver() {
  return {Rgba::hex(0xFFFFFF), Rgba::hex(0xC9D3E0), Rgba::hex(0x7C8AA0), Rgba::hex(0x56627A)};
}
Ramp blue() {
  return {Rgba::hex(0x9CC4FF), Rgba::hex(0x3A64A8), Rgba::hex(0x1A2F66), Rgba::hex(0x14264F)};
}
Ramp green() {
  return {Rgba::hex(0x9BE08A), Rgba::hex(0x3FA34D), Rgba::hex(0x1B5A2E), Rgba::hex(0x123F24)};
}
Ramp purple() {
  return {Rgba::hex(0xE2B8FF), Rgba::hex(0xB277E0), Rgba::hex(0x5E2C94), Rgba::hex(0x4A2273)};
}
Ramp pink() {
  return {Rgba::hex(0xFFD0E2), Rgba::hex(0xFF7FB0), Rgba::hex(0xC23E78), Rgba::hex(0x962C5C)};
}
Ramp cyan() {
  return {Rgba::hex(0xD6F8FF), Rgba::hex(0x5FD4F0), Rgba::hex(0x1F8AB0), Rgba::hex(0x15698A)};
}
Ramp white() {
  return {Rgba::hex(0xFFFFFF), Rgba::hex(0xF4F8FF), Rgba::hex(0xB7CDE8), Rgba::hex(0x7E98C0)};
}

void litFill(Canvas& c, const PathFn& path, double cx, double cy, double radius, const Ramp& ramp) {
  path(c.cr());
  c.radialGradient(
      cx - radius * 0.38, cy - radius * 0.42, radius * 0.05, cx, cy, radius * 1.08,
      {{0, ramp.light}, {0.38, ramp.mid}, {0.85, ramp.mid.mix(ramp.dark, 0.7)}, {1, ramp.dark}});
  cairo_fill(c.cr());
}

void outline(Canvas& c, const PathFn& path, const Ramp& ramp, double width) {
  cairo_t* cr = c.cr();
  path(cr);
  c.setColor(ramp.line);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void gloss(Canvas& c, const PathFn& path, double x, double y, double w, double h, double strength) {
  c.glossyHighlight(path, x, y, w, h, strength);
  cairo_t* cr = c.cr();
  double sx = x + w * 0.3, sy = y + h * 0.22, r = std::max(1.2, w * 0.07);
  c.radialGradient(sx, sy, 0, r * 1.6,
                   {{0, Rgba::hex(0xFFFFFF, 0.95)},
                    {0.5, Rgba::hex(0xFFFFFF, 0.6)},
                    {1, Rgba::hex(0xFFFFFF, 0)}});
  cairo_arc(cr, sx, sy, r * 1.6, 0, 2 * M_PI);
  cairo_fill(cr);
}

void glitter(Canvas& c, const PathFn& path, double x, double y, double w, double h, int count,
             const Ramp& ramp, Rng& rng) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  path(cr);
  cairo_clip(cr);
  for (int i = 0; i < count; ++i) {
    double px = rng.range(x, x + w), py = rng.range(y, y + h);
    double pick = rng.uniform();
    // More sparkle toward the light, more shade away from it.
    double lit = 1 - ((px - x) / w + (py - y) / h) / 2;
    Rgba col = pick < 0.3 + 0.4 * lit ? ramp.light.withAlpha(rng.range(0.5, 1.0))
                                      : ramp.dark.withAlpha(rng.range(0.3, 0.7));
    c.setColor(col);
    cairo_arc(cr, px, py, rng.range(0.35, 0.8), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void cap(Canvas& c, double cx, double loopTop, double top, double width, double height,
         const Ramp& metal) {
  cairo_t* cr = c.cr();
  // The wire loop: its top is the hanging point.
  double ringR = 2.6;
  cairo_set_line_width(cr, 1.5);
  cairo_arc(cr, cx, loopTop + ringR, ringR - 0.75, 0, 2 * M_PI);
  c.setColor(metal.line);
  cairo_stroke(cr);
  cairo_arc(cr, cx, loopTop + ringR, ringR - 0.3, M_PI * 1.0, M_PI * 1.6);
  cairo_set_line_width(cr, 0.9);
  c.setColor(metal.light);
  cairo_stroke(cr);
  auto shape = [=](cairo_t* k) { Canvas::roundedRect(k, cx - width / 2, top, width, height, 1.2); };
  shape(cr);
  c.linearGradient(cx - width / 2, 0, cx + width / 2, 0,
                   {{0, metal.mid}, {0.3, metal.light}, {0.65, metal.mid}, {1, metal.dark}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.8);
  c.setColor(metal.dark.withAlpha(0.6));
  for (double x = cx - width / 2 + 2; x < cx + width / 2 - 1; x += 2) {
    cairo_move_to(cr, x, top + 1);
    cairo_line_to(cr, x, top + height - 0.8);
  }
  cairo_stroke(cr);
  outline(c, shape, metal, 1.0);
}

void thread(Canvas& c, double cx, double loopTop, double to, const Rgba& colour) {
  cairo_t* cr = c.cr();
  cairo_set_line_width(cr, 1.1);
  c.setColor(colour);
  // The loop's outer edge touches loopTop.
  cairo_arc(cr, cx, loopTop + 2.45, 1.9, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, loopTop + 4.3);
  cairo_line_to(cr, cx, to);
  cairo_stroke(cr);
}

void snowflakePath(cairo_t* cr, double cx, double cy, double r) {
  for (int arm = 0; arm < 6; ++arm) {
    double a = arm * M_PI / 3 - M_PI / 2;
    double dx = std::cos(a), dy = std::sin(a);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + dx * r, cy + dy * r);
    for (double along : {0.45, 0.72}) {
      double bx = cx + dx * r * along, by = cy + dy * r * along, len = r * (0.95 - along) * 0.9;
      for (int s = -1; s <= 1; s += 2) {
        double b = a + s * M_PI / 3.2;
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, bx + std::cos(b) * len, by + std::sin(b) * len);
      }
    }
  }
}

}  // namespace assetgen::decor
