// The shop's five tabs, each a rounded glass tile with the icon of its kind: a bauble, a star,
// a light bulb, a garland and a present. The resting tile is dim and cool; the chosen one is a
// little larger, lighter, with a gold rim and glow and its icon at full colour.
#include <cmath>
#include <string>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "treescreen/TreeScreenLayout.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using namespace assetgen::treescreen;

// Fills the current path with a lit ramp (light at the upper left) and outlines it.
void litFill(Canvas& c, double cx, double cy, double r, uint32_t light, uint32_t mid,
             uint32_t dark) {
  cairo_t* cr = c.cr();
  c.radialGradient(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r * 1.1,
                   {{0, Rgba::hex(light)}, {0.45, Rgba::hex(mid)}, {1, Rgba::hex(dark)}});
  cairo_fill_preserve(cr);
  c.setColor(Rgba::hex(dark).mix(Rgba::hex(0), 0.25));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

void shine(Canvas& c, double x, double y, double rx, double ry) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  c.setColor(Rgba::hex(0xFFFFFF, 0.75));
  cairo_fill(cr);
}

void bauble(Canvas& c, double x, double y, double s) {
  cairo_t* cr = c.cr();
  const double r = s * 0.34, cy = y + s * 0.08;
  cairo_arc(cr, x, cy - r - s * 0.08, s * 0.05, 0, 2 * M_PI);
  c.setColor(Rgba::hex(0xE89B1E));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_rectangle(cr, x - s * 0.09, cy - r - s * 0.05, s * 0.18, s * 0.09);
  litFill(c, x, cy - r, s * 0.1, 0xFFE9A8, 0xE89B1E, 0xA8610B);
  cairo_arc(cr, x, cy, r, 0, 2 * M_PI);
  litFill(c, x, cy, r, 0xFF8A8F, 0xE8343B, 0x6E1019);
  shine(c, x - r * 0.4, cy - r * 0.42, r * 0.28, r * 0.18);
}

void star(Canvas& c, double x, double y, double s) {
  cairo_t* cr = c.cr();
  Canvas::star(cr, x, y + s * 0.03, s * 0.44, s * 0.19, 5);
  litFill(c, x, y, s * 0.44, 0xFFF6D8, 0xFFC94D, 0xA8610B);
  shine(c, x - s * 0.1, y - s * 0.12, s * 0.07, s * 0.05);
}

void bulb(Canvas& c, double x, double y, double s) {
  cairo_t* cr = c.cr();
  const double top = y - s * 0.18, bottom = y + s * 0.4, half = s * 0.2;
  auto glass = [=](cairo_t* g) {
    cairo_move_to(g, x, bottom);
    cairo_curve_to(g, x - half * 1.3, bottom - s * 0.2, x - half, top + s * 0.08, x - half * 0.55,
                   top);
    cairo_line_to(g, x + half * 0.55, top);
    cairo_curve_to(g, x + half, top + s * 0.08, x + half * 1.3, bottom - s * 0.2, x, bottom);
    cairo_close_path(g);
  };
  c.glow(glass, 3, 4, Rgba::hex(0xFFC94D, 0.55));
  glass(cr);
  litFill(c, x, y + s * 0.15, s * 0.3, 0xFFF6D8, 0xFFC94D, 0xE89B1E);
  cairo_rectangle(cr, x - s * 0.13, top - s * 0.17, s * 0.26, s * 0.18);
  litFill(c, x, top - s * 0.08, s * 0.14, 0x3FA34D, 0x23703A, 0x123F24);
  shine(c, x - s * 0.07, y + s * 0.02, s * 0.05, s * 0.09);
}

void garland(Canvas& c, double x, double y, double s) {
  cairo_t* cr = c.cr();
  const double x1 = x - s * 0.4, x2 = x + s * 0.4, y1 = y - s * 0.22;
  cairo_move_to(cr, x1, y1);
  cairo_curve_to(cr, x - s * 0.2, y + s * 0.42, x + s * 0.2, y + s * 0.42, x2, y1);
  c.setColor(Rgba::hex(0xE89B1E));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  const uint32_t beads[][3] = {{0xFFF6D8, 0xFFC94D, 0xA8610B}, {0xFF8A8F, 0xE8343B, 0x6E1019}};
  for (int i = 0; i <= 6; ++i) {
    double t = i / 6.0, u = 1 - t;
    double bx = u * u * u * x1 + 3 * u * u * t * (x - s * 0.2) + 3 * u * t * t * (x + s * 0.2) +
                t * t * t * x2;
    double by = u * u * u * y1 + 3 * u * u * t * (y + s * 0.42) + 3 * u * t * t * (y + s * 0.42) +
                t * t * t * y1;
    double r = s * (i % 2 ? 0.075 : 0.095);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    litFill(c, bx, by, r, beads[i % 2][0], beads[i % 2][1], beads[i % 2][2]);
  }
}

void present(Canvas& c, double x, double y, double s) {
  cairo_t* cr = c.cr();
  const double w = s * 0.62, h = s * 0.46, top = y - s * 0.1;
  cairo_rectangle(cr, x - w / 2, top, w, h);
  litFill(c, x, top + h / 2, w * 0.6, 0x7FD38A, 0x3FA34D, 0x123F24);
  cairo_rectangle(cr, x - w / 2 - s * 0.04, top - s * 0.12, w + s * 0.08, s * 0.14);
  litFill(c, x, top - s * 0.05, w * 0.6, 0x7FD38A, 0x3FA34D, 0x123F24);
  cairo_rectangle(cr, x - s * 0.06, top - s * 0.12, s * 0.12, h + s * 0.12);
  litFill(c, x, top + h / 2, s * 0.2, 0xFFE9A8, 0xFFC94D, 0xA8610B);
  for (int side : {-1, 1}) {
    cairo_save(cr);
    cairo_translate(cr, x + side * s * 0.11, top - s * 0.2);
    cairo_scale(cr, s * 0.12, s * 0.08);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    litFill(c, x + side * s * 0.11, top - s * 0.2, s * 0.12, 0xFFE9A8, 0xFFC94D, 0xA8610B);
  }
}

using IconFn = void (*)(Canvas&, double, double, double);

struct Tab {
  const char* name;
  IconFn icon;
};
const Tab kTabs[5] = {
    {"bulbs", bauble}, {"star", star}, {"lights", bulb}, {"chains", garland}, {"prezent", present}};

void tabTile(Canvas& c, int size, bool chosen) {
  cairo_t* cr = c.cr();
  const double m = chosen ? 4 : 3;
  auto tile = [=](cairo_t* g) { Canvas::roundedRect(g, m, m, size - 2 * m, size - 2 * m, 13); };
  if (chosen) c.glow(tile, 2, 3, Rgba::hex(0xFFC94D, 0.6));
  c.softShadow(tile, 1.5, 2, 2.5, Rgba::hex(0x000000, 0.4));
  tile(cr);
  if (chosen)
    c.linearGradient(0, m, 0, size - m, {{0, Rgba::hex(0x4F7CC4)}, {1, Rgba::hex(0x21407A)}});
  else
    c.linearGradient(0, m, 0, size - m,
                     {{0, Rgba::hex(0x21407A, 0.85)}, {1, Rgba::hex(0x0B1633, 0.9)}});
  cairo_fill(cr);
  c.glossyHighlight(tile, m, m, size * 0.7, size * 0.6, chosen ? 0.45 : 0.25);
  tile(cr);
  c.setColor(chosen ? Rgba::hex(0xFFC94D) : Rgba::hex(0x7E98C0, 0.75));
  cairo_set_line_width(cr, chosen ? 2.0 : 1.3);
  cairo_stroke(cr);
}

void makeTabs(assetgen::Output& out) {
  for (const Tab& t : kTabs) {
    Canvas resting(kTabW, kTabH);
    tabTile(resting, kTabW, false);
    Canvas icon(kTabW, kTabH);
    t.icon(icon, kTabW / 2.0, kTabH / 2.0, kTabW * 0.62);
    resting.paint(icon, 0, 0, 0.62);
    out.savePng(std::string("gfx/gui/treeScreen/tabs-inactive-") + t.name + ".png", resting);

    const int big = kTabW + kTabGrow;
    Canvas chosen(big, big);
    tabTile(chosen, big, true);
    t.icon(chosen, big / 2.0, big / 2.0, big * 0.66);
    out.savePng(std::string("gfx/gui/treeScreen/tab-") + t.name + ".png", chosen);
  }
}
ASSETGEN_REGISTER("tree screen tabs", makeTabs);

}  // namespace
