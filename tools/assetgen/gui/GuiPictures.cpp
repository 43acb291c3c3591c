// The GUI's shared pictures: the stock buttons, the default window theme's nine pieces and
// menu-bar strip, and a twinkle animation strip for decorating dialogs.
#include <cmath>
#include <string>

#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

using assetgen::Canvas;
using assetgen::Image;
using assetgen::Rgba;
using assetgen::gui::PillColor;

constexpr int kButtonW = 180, kButtonH = 52;

void makeButtons(assetgen::Output& out) {
  for (PillColor color : {PillColor::Red, PillColor::Blue}) {
    const std::string name = color == PillColor::Red ? "red" : "blue";
    const std::string base = "gfx/gui/buttons/" + name;
    assetgen::gui::savePillSheet(out, base + "_simple.png", kButtonW, kButtonH, color, 1);
    assetgen::gui::savePillSheet(out, base + "_blend.png", kButtonW, kButtonH, color, 2);
    assetgen::gui::savePillSheet(out, base + "_fstep.png", kButtonW, kButtonH, color, 4);
  }
}
ASSETGEN_REGISTER("gui buttons", makeButtons);

Image crop(const Image& from, int x, int y, int w, int h) {
  Image piece(w, h);
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const uint8_t* src = from.pixel(x + col, y + row);
      std::copy(src, src + 4, piece.pixel(col, row));
    }
  }
  return piece;
}

// Frosted dark-blue glass with a thin light rim; the light falls from the top. Edges and the
// centre are uniform along their stretch so the pieces scale to any window.
void drawPanel(Canvas& c, double inset, double radius) {
  const double size = c.width() - 2 * inset;
  auto body = [=](cairo_t* cr) { Canvas::roundedRect(cr, inset, inset, size, size, radius); };
  cairo_t* cr = c.cr();
  c.softShadow(body, 0, 1.5, 3, Rgba::hex(0x000000, 0.45));
  body(cr);
  c.setColor(Rgba::hex(0x14264F, 0.86));
  cairo_fill(cr);
  const double band = c.width() / 2.0 - 4;
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 0, c.width(), band);
  c.linearGradient(0, inset, 0, band,
                   {{0, Rgba::hex(0x5F8FD0, 0.38)}, {1, Rgba::hex(0x3A64A8, 0.0)}});
  cairo_fill(cr);
  cairo_rectangle(cr, 0, c.height() - band, c.width(), band);
  c.linearGradient(0, c.height() - band, 0, c.height() - inset,
                   {{0, Rgba::hex(0x0B1633, 0.0)}, {1, Rgba::hex(0x0B1633, 0.35)}});
  cairo_fill(cr);
  // Frost along the inside of the rim.
  Canvas::roundedRect(cr, inset + 2.5, inset + 2.5, size - 5, size - 5, radius - 2.5);
  c.setColor(Rgba::hex(0xB7CDE8, 0.22));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  body(cr);
  c.setColor(Rgba::hex(0xDCE8F7, 0.8));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

void makeWindowTheme(assetgen::Output& out) {
  constexpr int corner = 24, middle = 8, size = 2 * corner + middle;
  Canvas panel(size, size);
  drawPanel(panel, 4, 13);
  const Image all = panel.toImage();
  struct Piece {
    const char* name;
    int x, y, w, h;
  };
  const int far = corner + middle;
  const Piece pieces[9] = {{"lu", 0, 0, corner, corner},
                           {"u", corner, 0, middle, corner},
                           {"ru", far, 0, corner, corner},
                           {"r", far, corner, corner, middle},
                           {"rd", far, far, corner, corner},
                           {"d", corner, far, middle, corner},
                           {"ld", 0, far, corner, corner},
                           {"l", 0, corner, corner, middle},
                           {"srodek", corner, corner, middle, middle}};
  for (const Piece& p : pieces) {
    out.savePng(std::string("gfx/gui/window/") + p.name + ".png", crop(all, p.x, p.y, p.w, p.h));
  }
}
ASSETGEN_REGISTER("gui window theme", makeWindowTheme);

// The menu-bar strip: the same glass, flat, as a left end, a stretchable middle, a right end.
void makeBar(assetgen::Output& out) {
  constexpr int end = 14, middle = 8, height = 30;
  Canvas strip(2 * end + middle, height);
  cairo_t* cr = strip.cr();
  Canvas::roundedRect(cr, 1, 1, strip.width() - 2, height - 2, 8);
  strip.linearGradient(0, 0, 0, height,
                       {{0, Rgba::hex(0x3A64A8, 0.92)}, {1, Rgba::hex(0x14264F, 0.92)}});
  cairo_fill_preserve(cr);
  strip.setColor(Rgba::hex(0xDCE8F7, 0.75));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  const Image all = strip.toImage();
  out.savePng("gfx/gui/window/bar_l.png", crop(all, 0, 0, end, height));
  out.savePng("gfx/gui/window/bar_m.png", crop(all, end, 0, middle, height));
  out.savePng("gfx/gui/window/bar_r.png", crop(all, end + middle, 0, end, height));
}
ASSETGEN_REGISTER("gui menu bar", makeBar);

// Eight frames of a gold star that swells and sparkles, for ANIM declarations.
void makeTwinkle(assetgen::Output& out) {
  constexpr int cell = 48, frames = 8;
  Canvas sheet(cell * frames, cell);
  for (int f = 0; f < frames; ++f) {
    const double phase = std::sin(M_PI * f / frames);
    const double cx = f * cell + cell / 2.0, cy = cell / 2.0;
    const double outer = 10 + 8 * phase, inner = outer * 0.42;
    auto shape = [=](cairo_t* cr) { Canvas::star(cr, cx, cy, outer, inner, 5, -90 + f * 4); };
    sheet.glow(shape, 3, 5, Rgba::hex(0xFFE9A8, 0.35 + 0.4 * phase));
    shape(sheet.cr());
    sheet.radialGradient(
        cx - outer * 0.3, cy - outer * 0.3, 0, outer * 1.2,
        {{0, Rgba::hex(0xFFF6D8)}, {0.5, Rgba::hex(0xFFC94D)}, {1, Rgba::hex(0xE89B1E)}});
    cairo_fill_preserve(sheet.cr());
    sheet.setColor(Rgba::hex(0xA8610B));
    cairo_set_line_width(sheet.cr(), 1.5);
    cairo_stroke(sheet.cr());
  }
  out.savePng("gfx/gui/anim/twinkle.png", sheet, cell, cell, frames);
}
ASSETGEN_REGISTER("gui twinkle", makeTwinkle);

}  // namespace
