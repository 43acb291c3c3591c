// The win screen's panel, on which the summary's letters land, and the gold texture the
// summary's two fonts are coloured with.
#include <utility>

#include "core/Canvas.h"
#include "core/Registry.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

// The game centres the panel on (400, 375); the summary's rows run from y 200 to y 500 with
// labels ending at x 470 and numbers starting at x 540.
constexpr int kPanelW = 500, kPanelH = 420;
constexpr int kTextureSize = 48;

void panelPath(cairo_t* cr) { Canvas::roundedRect(cr, 14, 12, kPanelW - 28, kPanelH - 28, 34); }

void makePanel(assetgen::Output& out) {
  Canvas c(kPanelW, kPanelH);
  cairo_t* cr = c.cr();
  c.softShadow(panelPath, 0, 5, 7, Rgba::hex(0x0B1633, 0.6));
  // Frosted night-blue glass, lighter at the top.
  panelPath(cr);
  c.linearGradient(0, 12, 0, kPanelH - 16,
                   {{0, Rgba::hex(0x3A64A8, 0.93)},
                    {0.55, Rgba::hex(0x1E3A70, 0.94)},
                    {1, Rgba::hex(0x14264F, 0.95)}});
  cairo_fill(cr);
  c.glossyHighlight(panelPath, 14, 12, kPanelW - 28, (kPanelH - 28) * 0.45, 0.35);
  // A gold rim with a thin frost line inside it.
  panelPath(cr);
  c.linearGradient(
      0, 12, 0, kPanelH - 16,
      {{0, Rgba::hex(0xFFE9A8)}, {0.5, Rgba::hex(0xE89B1E)}, {1, Rgba::hex(0xA8610B)}});
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  Canvas::roundedRect(cr, 24, 22, kPanelW - 48, kPanelH - 48, 26);
  c.setColor(Rgba::hex(0xDCEBFF, 0.35));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Small stars in the corners, clear of the rows.
  for (const auto& [x, y] : {std::pair{48.0, 46.0},
                             {kPanelW - 48.0, 46.0},
                             {48.0, kPanelH - 46.0},
                             {kPanelW - 48.0, kPanelH - 46.0}}) {
    Canvas::star(cr, x, y, 10, 4, 5);
    c.setColor(Rgba::hex(0xFFD45C, 0.9));
    cairo_fill(cr);
  }
  out.savePng("gfx/gui/winScreen/panel.png", c);
}
ASSETGEN_REGISTER("win screen panel", makePanel);

void makeTexture(assetgen::Output& out) {
  Canvas c(kTextureSize, kTextureSize);
  cairo_t* cr = c.cr();
  // Bright gold at the top, a pale band above the middle, deep amber at the bottom: multiplied
  // into white glyphs it gives polished gold letters.
  cairo_rectangle(cr, 0, 0, kTextureSize, kTextureSize);
  c.linearGradient(0, 0, 0, kTextureSize,
                   {{0, Rgba::hex(0xFFF3C4)},
                    {0.35, Rgba::hex(0xFFD866)},
                    {0.5, Rgba::hex(0xFFF0B0)},
                    {0.62, Rgba::hex(0xF0A930)},
                    {1, Rgba::hex(0xB86A10)}});
  cairo_fill(cr);
  out.savePng("gfx/gui/winScreen/tex1.png", c);
}
ASSETGEN_REGISTER("win screen letter texture", makeTexture);

}  // namespace
