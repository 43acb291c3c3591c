#include "gui/ButtonArt.h"

#include <algorithm>

#include "core/Font.h"

namespace assetgen::gui {

namespace {

struct PillColors {
  Rgba top, bottom, rim;
};

PillColors colorsFor(PillColor color, PillState state) {
  PillColors c = color == PillColor::Red
                     ? PillColors{Rgba::hex(0xF0474D), Rgba::hex(0xB51F2B), Rgba::hex(0x6E1019)}
                     : PillColors{Rgba::hex(0x4F7CC4), Rgba::hex(0x21407A), Rgba::hex(0x14264F)};
  if (state == PillState::Over) {
    c.top = c.top.mix(Rgba::hex(0xFFFFFF), 0.12);
    c.bottom = c.bottom.mix(Rgba::hex(0xFFFFFF), 0.08);
  } else if (state == PillState::Pressed) {
    std::swap(c.top, c.bottom);
    c.top = c.top.mix(Rgba::hex(0x000000), 0.15);
  } else if (state == PillState::Inactive) {
    c = {Rgba::hex(0x8A9AB5), Rgba::hex(0x58698A), Rgba::hex(0x3A4761)};
  }
  return c;
}

void drawCaption(cairo_t* cr, double cx, double cy, double size, const std::string& caption,
                 bool inactive) {
  if (caption.empty() || !selectFont(cr, fonts::UI_EXTRABOLD, size)) return;
  cairo_text_extents_t e;
  cairo_text_extents(cr, caption.c_str(), &e);
  const double tx = cx - e.width / 2 - e.x_bearing, ty = cy - e.height / 2 - e.y_bearing;
  cairo_move_to(cr, tx, ty);
  cairo_text_path(cr, caption.c_str());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const Rgba outline = inactive ? Rgba::hex(0x2A3448, 0.8) : Rgba::hex(0x0B1633, 0.85);
  cairo_set_source_rgba(cr, outline.r, outline.g, outline.b, outline.a);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke_preserve(cr);
  const Rgba fill = inactive ? Rgba::hex(0xC9D3E3) : Rgba::hex(0xFFFFFF);
  cairo_set_source_rgba(cr, fill.r, fill.g, fill.b, 1);
  cairo_fill(cr);
}

}  // namespace

void drawPill(Canvas& canvas, double x, double y, double w, double h, PillColor color,
              PillState state, const std::string& caption) {
  const double margin = 5, sink = state == PillState::Pressed ? 2 : 0;
  const double bx = x + margin, by = y + margin - 1 + sink;
  const double bw = w - 2 * margin, bh = h - 2 * margin - 1;
  const double radius = bh / 2;
  auto body = [=](cairo_t* cr) { Canvas::roundedRect(cr, bx, by, bw, bh, radius); };
  cairo_t* cr = canvas.cr();
  const bool raised = state != PillState::Pressed;
  canvas.softShadow(body, raised ? 1.5 : 0.5, raised ? 2.5 : 1.0, raised ? 3 : 2,
                    Rgba::hex(0x000000, raised ? 0.45 : 0.35));
  const PillColors c = colorsFor(color, state);
  const bool gold = state == PillState::Over || state == PillState::Pressed;
  if (gold) canvas.glow(body, 2, 3, Rgba::hex(0xFFC94D, 0.55));
  body(cr);
  canvas.linearGradient(0, by, 0, by + bh, {{0, c.top}, {1, c.bottom}});
  cairo_fill(cr);
  // The glossy band over the upper half, then a soft spot of light at the upper left.
  const double gloss = state == PillState::Inactive  ? 0.25
                       : state == PillState::Pressed ? 0.32
                                                     : 0.5;
  Canvas::roundedRect(cr, bx + 5, by + 2, bw - 10, bh * 0.46, bh * 0.23);
  canvas.linearGradient(0, by + 2, 0, by + 2 + bh * 0.46,
                        {{0, Rgba::hex(0xFFFFFF, gloss)}, {1, Rgba::hex(0xFFFFFF, 0.04)}});
  cairo_fill(cr);
  canvas.glossyHighlight(body, bx, by, bw * 0.6, bh, state == PillState::Inactive ? 0.2 : 0.4);
  // A thin bright line along the upper edge, then the rim.
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  Canvas::roundedRect(cr, bx + 1.5, by + 1.5, bw - 3, bh - 3, radius - 1.5);
  canvas.linearGradient(0, by, 0, by + bh * 0.5,
                        {{0, Rgba::hex(0xFFFFFF, 0.55)}, {1, Rgba::hex(0xFFFFFF, 0)}});
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_restore(cr);
  body(cr);
  const Rgba rim = gold ? Rgba::hex(0xFFC94D) : c.rim;
  cairo_set_source_rgba(cr, rim.r, rim.g, rim.b, rim.a);
  cairo_set_line_width(cr, gold ? 2.2 : 1.6);
  cairo_stroke(cr);
  drawCaption(cr, bx + bw / 2, by + bh / 2, bh * 0.5, caption, state == PillState::Inactive);
}

void savePillSheet(Output& out, const std::string& path, int cellW, int cellH, PillColor color,
                   int cells, const std::string& caption) {
  static const PillState order[4] = {PillState::Normal, PillState::Over, PillState::Pressed,
                                     PillState::Inactive};
  Canvas sheet(cellW * cells, cellH);
  for (int i = 0; i < cells; ++i) {
    Canvas cell(cellW, cellH);
    drawPill(cell, 0, 0, cellW, cellH, color, order[std::min(i, 3)], caption);
    sheet.paint(cell, i * cellW, 0);
  }
  out.savePng(path, sheet, cells > 1 ? cellW : 0, cells > 1 ? cellH : 0, cells);
}

}  // namespace assetgen::gui
