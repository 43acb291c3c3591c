// The tree screen's buttons in the game's pill look, four cells each (normal, under the
// pointer, pressed, inactive): the big red PLAY, the blue arrows that page the product list,
// and the blue eye that hides the panel so the whole tree can be seen.
#include <cmath>
#include <string>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using assetgen::gui::PillColor;
using assetgen::gui::PillState;

constexpr PillState kStates[4] = {PillState::Normal, PillState::Over, PillState::Pressed,
                                  PillState::Inactive};

using GlyphFn = void (*)(cairo_t*, double cx, double cy);

// A white glyph with a dark outline, as the pill captions are drawn.
void inkGlyph(Canvas& c, GlyphFn glyph, double cx, double cy, bool inactive) {
  cairo_t* cr = c.cr();
  glyph(cr, cx, cy);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  c.setColor(Rgba::hex(0x0B1633, 0.85));
  cairo_set_line_width(cr, 3.0);
  cairo_stroke_preserve(cr);
  c.setColor(inactive ? Rgba::hex(0xC9D3E3) : Rgba::hex(0xFFFFFF));
  cairo_fill(cr);
}

void glyphSheet(assetgen::Output& out, const std::string& path, int w, int h, GlyphFn glyph) {
  Canvas sheet(w * 4, h);
  for (int i = 0; i < 4; ++i) {
    Canvas cell(w, h);
    assetgen::gui::drawPill(cell, 0, 0, w, h, PillColor::Blue, kStates[i]);
    const double sink = kStates[i] == PillState::Pressed ? 2 : 0;
    inkGlyph(cell, glyph, w / 2.0, h / 2.0 - 1 + sink, kStates[i] == PillState::Inactive);
    sheet.paint(cell, i * w, 0);
  }
  out.savePng(path, sheet, w, h, 4);
}

void upArrow(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y - 5);
  cairo_line_to(cr, x + 9, y + 5);
  cairo_line_to(cr, x - 9, y + 5);
  cairo_close_path(cr);
}

void downArrow(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y + 5);
  cairo_line_to(cr, x - 9, y - 5);
  cairo_line_to(cr, x + 9, y - 5);
  cairo_close_path(cr);
}

// An eye: an almond with a round pupil cut out of it.
void eye(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x - 14, y);
  cairo_curve_to(cr, x - 7, y - 9, x + 7, y - 9, x + 14, y);
  cairo_curve_to(cr, x + 7, y + 9, x - 7, y + 9, x - 14, y);
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, x, y, 4.5, 2 * M_PI, 0);
  cairo_close_path(cr);
}

void makeButtons(assetgen::Output& out) {
  assetgen::gui::savePillSheet(out, "gfx/gui/treeScreen/play.png", 124, 60, PillColor::Red, 4,
                               "PLAY");
  glyphSheet(out, "gfx/gui/treeScreen/prev.png", 72, 34, upArrow);
  glyphSheet(out, "gfx/gui/treeScreen/next.png", 72, 34, downArrow);
  glyphSheet(out, "gfx/gui/treeScreen/eye.png", 72, 40, eye);
}
ASSETGEN_REGISTER("tree screen buttons", makeButtons);

}  // namespace
