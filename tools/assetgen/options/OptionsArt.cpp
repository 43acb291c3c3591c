// The options dialog's own pictures: the lamps of the two volume scales and its buttons in
// the game's pill look. The panel and its lettering come from the shared window theme and
// the dialog font, declared in gfx/gui/options/options.gui.
#include <string>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using assetgen::gui::PillColor;

constexpr int kLampW = 16, kLampH = 22;

// A small tree light: a gold socket on top, a glass drop below; lit, it glows warm.
void drawLamp(Canvas& c, bool lit) {
  cairo_t* cr = c.cr();
  const double cx = kLampW / 2.0, top = 6.5, bottom = kLampH - 1.5, half = 5.2;
  auto glass = [=](cairo_t* g) {
    cairo_move_to(g, cx, bottom);
    cairo_curve_to(g, cx - half * 1.25, bottom - 3.5, cx - half, top + 1.5, cx - half * 0.55, top);
    cairo_line_to(g, cx + half * 0.55, top);
    cairo_curve_to(g, cx + half, top + 1.5, cx + half * 1.25, bottom - 3.5, cx, bottom);
    cairo_close_path(g);
  };
  if (lit) c.glow(glass, 2.0, 2.0, Rgba::hex(0xFFC94D, 0.6));
  glass(cr);
  if (lit)
    c.radialGradient(
        cx - 1.5, bottom - 7.5, 0.5, cx, bottom - 6, 8,
        {{0, Rgba::hex(0xFFF6D8)}, {0.45, Rgba::hex(0xFFC94D)}, {1, Rgba::hex(0xE89B1E)}});
  else
    c.linearGradient(0, top, 0, bottom,
                     {{0, Rgba::hex(0x3A64A8, 0.85)}, {1, Rgba::hex(0x14264F, 0.9)}});
  cairo_fill(cr);
  glass(cr);
  c.setColor(lit ? Rgba::hex(0xA8610B) : Rgba::hex(0x7E98C0, 0.8));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // Highlight at the upper left of the glass.
  cairo_arc(cr, cx - 1.8, top + 4.5, 1.4, 0, 6.2832);
  c.setColor(Rgba::hex(0xFFFFFF, lit ? 0.85 : 0.45));
  cairo_fill(cr);
  // The socket.
  Canvas::roundedRect(cr, cx - 3.2, 1.5, 6.4, 5.5, 1.2);
  c.linearGradient(
      cx - 3.2, 0, cx + 3.2, 0,
      {{0, Rgba::hex(0xFFE9A8)}, {0.5, Rgba::hex(0xE89B1E)}, {1, Rgba::hex(0xA8610B)}});
  cairo_fill(cr);
}

void makeLamps(assetgen::Output& out) {
  for (bool lit : {false, true}) {
    Canvas c(kLampW, kLampH);
    drawLamp(c, lit);
    out.savePng(lit ? "gfx/gui/options/bulb_on.png" : "gfx/gui/options/bulb_off.png", c);
  }
}
ASSETGEN_REGISTER("options lamps", makeLamps);

void makeButtons(assetgen::Output& out) {
  using assetgen::gui::savePillSheet;
  savePillSheet(out, "gfx/gui/options/on.png", 130, 46, PillColor::Blue, 4, "ON");
  savePillSheet(out, "gfx/gui/options/off.png", 130, 46, PillColor::Blue, 4, "OFF");
  savePillSheet(out, "gfx/gui/options/ok.png", 160, 52, PillColor::Red, 4, "OK");
  savePillSheet(out, "gfx/gui/options/plus.png", 44, 44, PillColor::Blue, 4, "+");
  savePillSheet(out, "gfx/gui/options/minus.png", 44, 44, PillColor::Blue, 4, "-");
}
ASSETGEN_REGISTER("options buttons", makeButtons);

}  // namespace
