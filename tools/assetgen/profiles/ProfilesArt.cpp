// The profile dialogs' own pictures: the dark glass wells that hold the typed name and the
// list of players, the arrows that scroll the list, and the buttons in the game's pill look.
// The panels and their lettering come from the shared window theme and the dialog font,
// declared in the dialogs' .gui files.
#include <string>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using assetgen::gui::PillColor;
using assetgen::gui::PillState;

// A well sunk into the frosted panel: darker glass, shaded under its upper edge, lit along
// its lower edge as light from the top left would catch it.
void drawWell(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.width(), h = c.height(), r = 9;
  auto body = [=](cairo_t* g) { Canvas::roundedRect(g, 1.5, 1.5, w - 3, h - 3, r); };
  body(cr);
  c.linearGradient(0, 0, 0, h, {{0, Rgba::hex(0x0B1633, 0.82)}, {1, Rgba::hex(0x14264F, 0.7)}});
  cairo_fill(cr);
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  Canvas::roundedRect(cr, 1.5, -2.5, w - 3, h, r);
  c.setColor(Rgba::hex(0x000000, 0.35));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_restore(cr);
  body(cr);
  c.linearGradient(0, 0, 0, h, {{0, Rgba::hex(0x0B1633, 0.9)}, {1, Rgba::hex(0xB7CDE8, 0.75)}});
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

void saveWell(assetgen::Output& out, const std::string& path, int w, int h) {
  Canvas c(w, h);
  drawWell(c);
  out.savePng(path, c);
}

void makeWells(assetgen::Output& out) {
  saveWell(out, "gfx/gui/enterText/field.png", 250, 44);
  saveWell(out, "gfx/gui/profileManager/rows.png", 282, 108);
}
ASSETGEN_REGISTER("profile wells", makeWells);

// A round blue pill carrying a white arrow with a dark outline, pointing up or down.
void saveArrowSheet(assetgen::Output& out, const std::string& path, bool up) {
  constexpr int kSize = 44;
  static const PillState order[4] = {PillState::Normal, PillState::Over, PillState::Pressed,
                                     PillState::Inactive};
  Canvas sheet(kSize * 4, kSize);
  for (int i = 0; i < 4; ++i) {
    Canvas cell(kSize, kSize);
    assetgen::gui::drawPill(cell, 0, 0, kSize, kSize, PillColor::Blue, order[i]);
    cairo_t* cr = cell.cr();
    const double cx = kSize / 2.0, cy = kSize / 2.0 - 1 + (i == 2 ? 2 : 0);
    const double half = 8, tip = up ? -6.5 : 6.5;
    cairo_move_to(cr, cx, cy + tip);
    cairo_line_to(cr, cx + half, cy - tip);
    cairo_line_to(cr, cx - half, cy - tip);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cell.setColor(Rgba::hex(0x0B1633, 0.85));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke_preserve(cr);
    cell.setColor(i == 3 ? Rgba::hex(0xC9D3E3) : Rgba::hex(0xFFFFFF));
    cairo_fill(cr);
    sheet.paint(cell, i * kSize, 0);
  }
  out.savePng(path, sheet, kSize, kSize, 4);
}

void makeArrows(assetgen::Output& out) {
  saveArrowSheet(out, "gfx/gui/profileManager/up.png", true);
  saveArrowSheet(out, "gfx/gui/profileManager/down.png", false);
}
ASSETGEN_REGISTER("profile manager arrows", makeArrows);

void makeButtons(assetgen::Output& out) {
  using assetgen::gui::savePillSheet;
  savePillSheet(out, "gfx/gui/enterText/ok.png", 140, 50, PillColor::Red, 4, "OK");
  savePillSheet(out, "gfx/gui/enterText/cancel.png", 140, 50, PillColor::Blue, 4, "CANCEL");
  savePillSheet(out, "gfx/gui/deleteProfile/ok.png", 140, 50, PillColor::Red, 4, "DELETE");
  savePillSheet(out, "gfx/gui/deleteProfile/cancel.png", 140, 50, PillColor::Blue, 4, "KEEP");
  const char* const kManager[][2] = {{"new", "NEW"}, {"rename", "RENAME"}, {"delete", "DELETE"}};
  for (const auto& b : kManager)
    savePillSheet(out, std::string("gfx/gui/profileManager/") + b[0] + ".png", 112, 46,
                  PillColor::Blue, 4, b[1]);
  savePillSheet(out, "gfx/gui/profileManager/ok.png", 140, 50, PillColor::Red, 4, "OK");
  savePillSheet(out, "gfx/gui/profileManager/cancel.png", 140, 50, PillColor::Blue, 4, "CANCEL");
}
ASSETGEN_REGISTER("profile dialog buttons", makeButtons);

}  // namespace
