// The tutorial's pictures: a frosted dark-blue glass panel for three or four lines of the
// 17 px hint font with room for the OK button centred 35 px above its bottom edge; a glossy
// gold arrow that points up at rotation 0 (the game sets it below what it points at, and turns
// it by 180 when it stands above); and the small OK pill.
#include <cmath>
#include <tuple>

#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

constexpr int kPanelW = 300, kPanelH = 140;
constexpr int kArrowW = 48, kArrowH = 64;
constexpr int kOkW = 80, kOkH = 34;

void makePanel(assetgen::Output& out) {
  Canvas c(kPanelW, kPanelH);
  cairo_t* cr = c.cr();
  const double m = 5, r = 16, w = kPanelW - 2 * m, h = kPanelH - 2 * m;
  auto shape = [&](cairo_t* p) { Canvas::roundedRect(p, m, m, w, h, r); };
  c.softShadow(shape, 0, 2, 3, Rgba::hex(0x000814, 0.55));
  shape(cr);
  c.linearGradient(0, m, 0, m + h,
                   {{0, Rgba::hex(0x2C4D7E, 0.93)},
                    {0.5, Rgba::hex(0x17305A, 0.92)},
                    {1, Rgba::hex(0x0D1D3D, 0.94)}});
  cairo_fill(cr);
  // Frost: a pale haze along the top and a few faint crystals in the corners.
  shape(cr);
  c.radialGradient(m + w * 0.3, m, 4, m + w * 0.3, m, w * 0.7,
                   {{0, Rgba::hex(0xCFE4FF, 0.22)}, {1, Rgba::hex(0xCFE4FF, 0.0)}});
  cairo_fill(cr);
  for (const auto& [x, y, s] : {std::tuple{m + 14.0, m + 12.0, 6.0},
                                {m + w - 16, m + h - 13, 5.0},
                                {m + w - 28, m + 11, 3.5}}) {
    Canvas::star(cr, x, y, s, s * 0.3, 6);
    c.setColor(Rgba::hex(0xE8F3FF, 0.35));
    cairo_fill(cr);
  }
  c.glossyHighlight(shape, m, m, w, h * 0.45, 0.35);
  // The light rim: bright at the top, fading down the sides.
  shape(cr);
  c.linearGradient(0, m, 0, m + h,
                   {{0, Rgba::hex(0xF2F8FF, 0.95)},
                    {0.6, Rgba::hex(0x9FC3EE, 0.6)},
                    {1, Rgba::hex(0x6F93C4, 0.7)}});
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  out.savePng("gfx/gui/tutorial/panel.png", c);
}
ASSETGEN_REGISTER("tutorial panel", makePanel);

// Pointing up: the head on top, the shaft below it.
void arrowPath(cairo_t* cr) {
  const double cx = kArrowW / 2.0;
  cairo_move_to(cr, cx, 3);
  cairo_line_to(cr, kArrowW - 3, 30);
  cairo_line_to(cr, cx + 9, 30);
  cairo_line_to(cr, cx + 9, kArrowH - 5);
  cairo_line_to(cr, cx - 9, kArrowH - 5);
  cairo_line_to(cr, cx - 9, 30);
  cairo_line_to(cr, 3, 30);
  cairo_close_path(cr);
}

void makeArrow(assetgen::Output& out) {
  Canvas c(kArrowW, kArrowH);
  cairo_t* cr = c.cr();
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  c.glow(arrowPath, 3, 3, Rgba::hex(0xFFE7A0, 0.6));
  arrowPath(cr);
  c.linearGradient(0, 0, kArrowW, 0,
                   {{0, Rgba::hex(0xB8861E)},
                    {0.35, Rgba::hex(0xFFE38A)},
                    {0.6, Rgba::hex(0xF2B93A)},
                    {1, Rgba::hex(0x9A6A12)}});
  cairo_fill(cr);
  c.glossyHighlight(arrowPath, 0, 0, kArrowW * 0.6, kArrowH * 0.6, 0.6);
  arrowPath(cr);
  c.setColor(Rgba::hex(0x5E3C06, 0.9));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  out.savePng("gfx/gui/tutorial/arrow.png", c);
}
ASSETGEN_REGISTER("tutorial arrow", makeArrow);

void makeOk(assetgen::Output& out) {
  Canvas c(kOkW, kOkH);
  assetgen::gui::drawPill(c, 0, 0, kOkW, kOkH, assetgen::gui::PillColor::Red,
                          assetgen::gui::PillState::Normal, "OK");
  out.savePng("gfx/gui/tutorial/ok.png", c);
}
ASSETGEN_REGISTER("tutorial ok", makeOk);

}  // namespace
