// The tree lights: a small glass bulb in a dark-green socket, hanging by the socket's top at
// (8, 2) with the bulb's centre at (8, 15), and for each a soft glow of its colour that the
// game adds to the screen centred on the bulb.
#include <cmath>
#include <string>

#include "core/Registry.h"
#include "tree/DecorPaint.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
namespace decor = assetgen::decor;

struct Light {
  uint32_t glass;  // the lit colour of the bulb
  uint32_t deep;   // its rim and outline
};

const Light kLights[8] = {
    {0xFFF3D6, 0xC9A266},  // warm white
    {0xFFC94D, 0xA8610B},  // gold
    {0xF0484E, 0x8E1520},  // red
    {0x5FD46A, 0x1B6A2E},  // green
    {0x5E90F0, 0x1A2F8A},  // blue
    {0xFF7FB0, 0xB03A70},  // pink
    {0xB277E0, 0x5E2C94},  // purple
    {0x5FD4F0, 0x15698A},  // cyan
};

void bulbPath(cairo_t* cr) {
  // A slim rounded drop from under the socket to a soft point at the bottom.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 5.4, 8.6);
  cairo_curve_to(cr, 3.2, 11.5, 3.4, 18.5, 8, 22.4);
  cairo_curve_to(cr, 12.6, 18.5, 12.8, 11.5, 10.6, 8.6);
  cairo_close_path(cr);
}

void paintBulb(Canvas& c, const Light& l) {
  cairo_t* cr = c.cr();
  Rgba glass = Rgba::hex(l.glass), deep = Rgba::hex(l.deep);
  bulbPath(cr);
  c.radialGradient(7.2, 14, 0.5, 8, 15, 7.5,
                   {{0, Rgba::hex(0xFFFFFF).mix(glass, 0.25)},
                    {0.35, glass.mix(Rgba::hex(0xFFFFFF), 0.2)},
                    {0.8, glass},
                    {1, glass.mix(deep, 0.6)}});
  cairo_fill(cr);
  decor::Ramp ramp{glass, glass, deep, deep};
  decor::outline(c, bulbPath, ramp, 1.3);
  // A glint on the upper left of the glass.
  cairo_move_to(cr, 5.6, 11);
  cairo_curve_to(cr, 5.0, 13, 5.1, 15, 5.9, 16.6);
  cairo_set_line_width(cr, 1.1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  c.setColor(Rgba::hex(0xFFFFFF, 0.85));
  cairo_stroke(cr);
}

void paintSocket(Canvas& c) {
  cairo_t* cr = c.cr();
  // Its top edge, outline included, is the hanging point's row.
  auto socket = [](cairo_t* k) { Canvas::roundedRect(k, 4.6, 2.5, 6.8, 7.1, 1.4); };
  socket(cr);
  c.linearGradient(
      4.6, 0, 11.4, 0,
      {{0, Rgba::hex(0x3FA34D)}, {0.35, Rgba::hex(0x2E7D3F)}, {1, Rgba::hex(0x0E2E18)}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.8);
  c.setColor(Rgba::hex(0x0A2414, 0.8));
  for (double y : {4.6, 6.8}) {
    cairo_move_to(cr, 5.2, y);
    cairo_line_to(cr, 10.8, y);
  }
  cairo_stroke(cr);
  decor::outline(c, socket, decor::green(), 1.0);
}

void paintGlow(Canvas& c, const Light& l) {
  Rgba glass = Rgba::hex(l.glass);
  Rgba core = glass.mix(Rgba::hex(0xFFFFFF), 0.45);
  // Falls off like a Gaussian so no ring or edge shows; nothing is left at the rim.
  std::vector<assetgen::Stop> stops;
  for (int i = 0; i <= 12; ++i) {
    double t = i / 12.0;
    double a = std::exp(-t * t * 4.2) * (1 - t * t) * 0.95;
    stops.push_back({t, core.mix(glass, std::min(1.0, t * 2.5)).withAlpha(a)});
  }
  c.radialGradient(32, 32, 0, 32, 32, 31.5, stops);
  cairo_paint(c.cr());
}

void makeLights(assetgen::Output& out) {
  for (int i = 0; i < 8; ++i) {
    std::string n = "0" + std::to_string(i + 1);
    Canvas bulb(16, 24);
    paintBulb(bulb, kLights[i]);
    paintSocket(bulb);
    out.savePng("gfx/tree/lampki/lampka" + n + ".png", bulb);
    Canvas glow(64, 64);
    paintGlow(glow, kLights[i]);
    out.savePng("gfx/tree/lampki/glow" + n + ".png", glow);
  }
}
ASSETGEN_REGISTER("tree lights", makeLights);

}  // namespace
