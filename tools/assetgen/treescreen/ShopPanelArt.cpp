// The shop panel of the tree screen in frosted dark-blue glass with a thin light rim: drawn
// whole as one shape (the main part, the decorative edge right of it, the small eye part below)
// and cut into the three pictures the screen places side by side, so the seams meet. Also the
// product slot and the play button's backing in the bottom right corner.
#include <cmath>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "core/Rng.h"
#include "treescreen/TreeScreenLayout.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using namespace assetgen::treescreen;

constexpr int kWholeW = kPanelW + kEdgeW, kWholeH = kPanelH + kEyeH;

// The outline of the whole panel: straight along the screen's left and top edges, rounded on
// the right, with the eye part hanging below on the left.
void panelPath(cairo_t* cr) {
  const double r = 16, e = 14, right = kWholeW - 1.5, bottom = kPanelH - 1.5;
  const double eyeRight = kEyeW - 1.5, eyeBottom = kWholeH - 1.5;
  cairo_new_path(cr);
  cairo_move_to(cr, -4, -4);
  cairo_line_to(cr, right - r, -4);
  cairo_arc(cr, right - r, r - 4, r, -M_PI / 2, 0);
  cairo_line_to(cr, right, bottom - r);
  cairo_arc(cr, right - r, bottom - r, r, 0, M_PI / 2);
  cairo_line_to(cr, eyeRight + e, bottom);
  cairo_arc_negative(cr, eyeRight + e, bottom + e, e, -M_PI / 2, M_PI);
  cairo_line_to(cr, eyeRight, eyeBottom - r);
  cairo_arc(cr, eyeRight - r, eyeBottom - r, r, 0, M_PI / 2);
  cairo_line_to(cr, -4, eyeBottom);
  cairo_close_path(cr);
}

void glassBody(Canvas& c) {
  cairo_t* cr = c.cr();
  panelPath(cr);
  c.linearGradient(0, 0, kWholeW * 0.6, kWholeH,
                   {{0, Rgba::hex(0x21407A, 0.9)},
                    {0.35, Rgba::hex(0x14264F, 0.9)},
                    {1, Rgba::hex(0x0B1633, 0.93)}});
  cairo_fill(cr);
  // Frost: fine light grain, denser toward the top left where the light comes from.
  assetgen::Rng rng(0xF205);
  cairo_save(cr);
  panelPath(cr);
  cairo_clip(cr);
  for (int i = 0; i < 1400; ++i) {
    double x = rng.range(0, kWholeW), y = rng.range(0, kWholeH);
    double a = 0.05 + 0.08 * (1 - y / kWholeH);
    cairo_arc(cr, x, y, rng.range(0.4, 1.0), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.86, 0.91, 0.97, a);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  c.glossyHighlight(panelPath, 0, 0, kWholeW * 0.9, 220, 0.22);
}

void glassRim(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  panelPath(cr);
  cairo_clip(cr);
  panelPath(cr);
  c.linearGradient(0, 0, kWholeW, kWholeH,
                   {{0, Rgba::hex(0xF4F8FF, 0.85)}, {1, Rgba::hex(0x7E98C0, 0.6)}});
  cairo_set_line_width(cr, 3.0);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The plaque at the top that holds the star count (written centred on x 86 from y 0) and a
// gold star beside it.
void starPlaque(Canvas& c) {
  cairo_t* cr = c.cr();
  Canvas::roundedRect(cr, 10, 3, kPanelW - 20, 32, 12);
  c.linearGradient(0, 3, 0, 35, {{0, Rgba::hex(0x050B1C, 0.55)}, {1, Rgba::hex(0x14264F, 0.5)}});
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(0x7E98C0, 0.5));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  auto star = [](cairo_t* g) { Canvas::star(g, 26, 19, 10, 4.3, 5); };
  c.glow(star, 2, 3, Rgba::hex(0xFFC94D, 0.6));
  star(cr);
  c.radialGradient(
      23, 15, 0.5, 26, 19, 11,
      {{0, Rgba::hex(0xFFF6D8)}, {0.5, Rgba::hex(0xFFC94D)}, {1, Rgba::hex(0xE89B1E)}});
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(0xA8610B));
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

// Quiet grooves under the slot column and the tab column.
void columns(Canvas& c) {
  cairo_t* cr = c.cr();
  Canvas::roundedRect(cr, 6, 52, 92, 448, 12);
  c.setColor(Rgba::hex(0x050B1C, 0.28));
  cairo_fill(cr);
  cairo_move_to(cr, 100.5, 96);
  cairo_line_to(cr, 100.5, 430);
  c.linearGradient(
      0, 96, 0, 430,
      {{0, Rgba::hex(0xB7CDE8, 0)}, {0.5, Rgba::hex(0xB7CDE8, 0.3)}, {1, Rgba::hex(0xB7CDE8, 0)}});
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

// The decorative edge: a gold cord with small glowing lights along the panel's right side.
void lightString(Canvas& c) {
  cairo_t* cr = c.cr();
  const double x = kPanelW + kEdgeW / 2.0 - 1;
  cairo_move_to(cr, x, 18);
  for (double y = 18; y <= kPanelH - 22; y += 34)
    cairo_curve_to(cr, x - 4, y + 11, x - 4, y + 23, x, y + 34);
  c.setColor(Rgba::hex(0xE89B1E, 0.7));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  const uint32_t colours[] = {0xFFC94D, 0xE8343B, 0x5FD4F0, 0x3FA34D};
  int k = 0;
  for (double y = 35; y <= kPanelH - 30; y += 34, ++k) {
    const Rgba col = Rgba::hex(colours[k % 4]);
    auto bulb = [=](cairo_t* g) { cairo_arc(g, x - 3, y, 3.2, 0, 2 * M_PI); };
    c.glow(bulb, 2.5, 3, col.withAlpha(0.55));
    bulb(cr);
    c.radialGradient(x - 4, y - 1, 0.3, x - 3, y, 3.4,
                     {{0, Rgba::hex(0xFFFFFF)}, {0.5, col}, {1, col.mix(Rgba::hex(0), 0.3)}});
    cairo_fill(cr);
  }
}

void crop(assetgen::Output& out, const Canvas& whole, const char* path, int x, int y, int w,
          int h) {
  Canvas piece(w, h);
  piece.paint(whole, -x, -y);
  out.savePng(path, piece);
}

void makePanel(assetgen::Output& out) {
  Canvas whole(kWholeW, kWholeH);
  glassBody(whole);
  columns(whole);
  starPlaque(whole);
  glassRim(whole);
  lightString(whole);
  crop(out, whole, "gfx/gui/treeScreen/shop-interface-main-part.png", 0, 0, kPanelW, kPanelH);
  crop(out, whole, "gfx/gui/treeScreen/shop-interface-right-part.png", kPanelW, 0, kEdgeW, kPanelH);
  crop(out, whole, "gfx/gui/treeScreen/shop-interface-eye-part.png", 0, kPanelH, kEyeW, kEyeH);
}
ASSETGEN_REGISTER("tree screen shop panel", makePanel);

// One product slot: a recessed glass frame with a faint light inside so any product reads
// over it, and a darker middle band under the price.
void makeSlot(assetgen::Output& out) {
  Canvas c(kSlotW, kSlotH);
  cairo_t* cr = c.cr();
  auto frame = [](cairo_t* g) { Canvas::roundedRect(g, 3, 3, kSlotW - 6, kSlotH - 6, 11); };
  frame(cr);
  c.radialGradient(kSlotW * 0.35, kSlotH * 0.3, 2, kSlotW / 2.0, kSlotH / 2.0, kSlotW * 0.6,
                   {{0, Rgba::hex(0x3A64A8, 0.55)},
                    {0.6, Rgba::hex(0x14264F, 0.6)},
                    {1, Rgba::hex(0x0B1633, 0.75)}});
  cairo_fill(cr);
  // Inner shadow along the top and left: the slot is sunk into the glass.
  cairo_save(cr);
  frame(cr);
  cairo_clip(cr);
  Canvas::roundedRect(cr, 4.5, 5, kSlotW - 6, kSlotH - 6, 11);
  c.setColor(Rgba::hex(0x050B1C, 0.5));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
  frame(cr);
  c.linearGradient(0, 3, 0, kSlotH - 3,
                   {{0, Rgba::hex(0x7E98C0, 0.55)}, {1, Rgba::hex(0xDCE8F7, 0.8)}});
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  out.savePng("gfx/gui/treeScreen/item.png", c);
}
ASSETGEN_REGISTER("tree screen product slot", makeSlot);

// The play button's backing: the same glass, rounded toward the screen's middle; it covers the
// bin, which waits behind it until something is picked up.
void makeBacking(assetgen::Output& out) {
  Canvas c(kBackingW, kBackingH);
  cairo_t* cr = c.cr();
  auto shape = [](cairo_t* g) {
    const double r = 26;
    cairo_new_path(g);
    cairo_move_to(g, 1.5, kBackingH + 4);
    cairo_line_to(g, 1.5, r + 1.5);
    cairo_arc(g, r + 1.5, r + 1.5, r, M_PI, 1.5 * M_PI);
    cairo_line_to(g, kBackingW + 4, 1.5);
    cairo_line_to(g, kBackingW + 4, kBackingH + 4);
    cairo_close_path(g);
  };
  shape(cr);
  c.linearGradient(0, 0, kBackingW * 0.5, kBackingH,
                   {{0, Rgba::hex(0x21407A, 0.96)}, {1, Rgba::hex(0x0B1633, 0.98)}});
  cairo_fill(cr);
  c.glossyHighlight(shape, 0, 0, kBackingW, kBackingH * 0.6, 0.25);
  // A soft gold halo where the play button sits.
  cairo_save(cr);
  shape(cr);
  cairo_clip(cr);
  c.radialGradient(kBackingW / 2.0, 52, 10, kBackingW / 2.0, 52, 70,
                   {{0, Rgba::hex(0xFFC94D, 0.22)}, {1, Rgba::hex(0xFFC94D, 0)}});
  cairo_paint(cr);
  shape(cr);
  c.linearGradient(0, 0, kBackingW, kBackingH,
                   {{0, Rgba::hex(0xF4F8FF, 0.85)}, {1, Rgba::hex(0x7E98C0, 0.6)}});
  cairo_set_line_width(cr, 3.0);
  cairo_stroke(cr);
  cairo_restore(cr);
  out.savePng("gfx/gui/treeScreen/play-button-bez-play.png", c);
}
ASSETGEN_REGISTER("tree screen play backing", makeBacking);

}  // namespace
