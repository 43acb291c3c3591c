// The game's emblem: a snowy fir tree under a gold star on a night-sky tile. One drawing in a
// 256-unit square makes every size of the icon and, through Cairo's SVG surface, the scalable
// version, so the pictures cannot drift apart. It keeps to plain fills and gradients (no blur)
// for that reason.
#include <cairo-svg.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Registry.h"
#include "datafile/AssetNames.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

constexpr double kUnits = 256;

void setColor(cairo_t* cr, const Rgba& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void addStop(cairo_pattern_t* p, double offset, const Rgba& c) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, c.a);
}

// Fills the current path with a two- or three-stop linear gradient.
void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
                const std::vector<Rgba>& colours) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  for (size_t i = 0; i < colours.size(); ++i)
    addStop(p, double(i) / double(colours.size() - 1), colours[i]);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void fillRadial(cairo_t* cr, double cx, double cy, double r, const Rgba& inner, const Rgba& outer) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  addStop(p, 0, inner);
  addStop(p, 1, outer);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void tile(cairo_t* cr) {
  Canvas::roundedRect(cr, 12, 12, 232, 232, 46);
  fillLinear(cr, 40, 12, 216, 244, {Rgba::hex(0x3A64A8), Rgba::hex(0x14264F), Rgba::hex(0x0B1633)});
  cairo_set_line_width(cr, 4);
  setColor(cr, Rgba::hex(0x7E98C0, 0.8));
  cairo_stroke(cr);
  // A few quiet snowflakes in the sky.
  setColor(cr, Rgba::hex(0xF4F8FF, 0.75));
  for (const auto& [x, y, r] : {std::array<double, 3>{46, 62, 4},
                                {206, 50, 3.5},
                                {62, 140, 3},
                                {198, 128, 4},
                                {34, 190, 2.5},
                                {222, 186, 3}}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  }
  cairo_fill(cr);
}

void snowGround(cairo_t* cr) {
  cairo_save(cr);
  Canvas::roundedRect(cr, 14, 14, 228, 228, 44);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 214);
  cairo_curve_to(cr, 70, 196, 180, 198, 256, 212);
  cairo_line_to(cr, 256, 256);
  cairo_line_to(cr, 0, 256);
  cairo_close_path(cr);
  fillLinear(cr, 0, 198, 0, 246, {Rgba::hex(0xF4F8FF), Rgba::hex(0xB7CDE8)});
  cairo_new_path(cr);
  cairo_restore(cr);
}

// One tier of the tree: apex at (128, top), a drooping base `half` units either side of the
// trunk, with a scalloped rim of snow along the base.
void tier(cairo_t* cr, double top, double base, double half) {
  cairo_move_to(cr, 128, top);
  cairo_line_to(cr, 128 + half, base);
  cairo_curve_to(cr, 128 + half * 0.5, base + 8, 128 - half * 0.5, base + 8, 128 - half, base);
  cairo_close_path(cr);
  fillLinear(cr, 128 - half, top, 128 + half, base,
             {Rgba::hex(0x3FA34D), Rgba::hex(0x23703A), Rgba::hex(0x123F24)});
  cairo_set_line_width(cr, 3);
  setColor(cr, Rgba::hex(0x123F24));
  cairo_stroke(cr);

  const int lumps = int(half / 11);
  const double step = 2 * half * 0.86 / lumps;
  setColor(cr, Rgba::hex(0xF4F8FF));
  for (int i = 0; i < lumps; ++i) {
    const double x = 128 - half * 0.86 + step * (i + 0.5);
    const double t = (x - 128) / half;
    const double y = base - 3 + 6 * (1 - t * t);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, step * 0.5, 0, 2 * M_PI);
  }
  cairo_fill(cr);
}

void trunk(cairo_t* cr) {
  cairo_rectangle(cr, 117, 196, 22, 20);
  fillLinear(cr, 117, 0, 139, 0, {Rgba::hex(0xA8610B), Rgba::hex(0x6E3A08)});
  cairo_new_path(cr);
}

void baubles(cairo_t* cr) {
  struct Bauble {
    double x, y;
    uint32_t colour;
  };
  for (const Bauble& b :
       {Bauble{112, 108, 0xE8343B}, Bauble{150, 142, 0x5FD4F0}, Bauble{104, 176, 0xFFC94D},
        Bauble{160, 186, 0xFF7FB0}, Bauble{132, 160, 0xE8343B}}) {
    cairo_arc(cr, b.x, b.y, 8, 0, 2 * M_PI);
    fillRadial(cr, b.x - 3, b.y - 3, 11, Rgba::hex(b.colour).mix(Rgba::hex(0xFFFFFF), 0.35),
               Rgba::hex(b.colour).mix(Rgba::hex(0x000000), 0.3));
    cairo_new_path(cr);
  }
}

void star(cairo_t* cr) {
  // The warm halo first, then the star over it.
  cairo_arc(cr, 128, 52, 58, 0, 2 * M_PI);
  fillRadial(cr, 128, 52, 58, Rgba::hex(0xFFE9A8, 0.55), Rgba::hex(0xFFC94D, 0));
  cairo_new_path(cr);
  Canvas::star(cr, 128, 54, 34, 14, 5);
  fillRadial(cr, 118, 42, 40, Rgba::hex(0xFFE9A8), Rgba::hex(0xE89B1E));
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColor(cr, Rgba::hex(0xA8610B));
  cairo_stroke(cr);
}

// The whole emblem in the 256-unit square, light from the top left.
void emblem(cairo_t* cr) {
  tile(cr);
  snowGround(cr);
  trunk(cr);
  tier(cr, 120, 200, 80);
  tier(cr, 88, 158, 62);
  tier(cr, 62, 118, 44);
  baubles(cr);
  star(cr);
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
  bytes->insert(bytes->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

void makeIcons(assetgen::Output& out) {
  for (int size : assets::ICON_SIZES) {
    Canvas c(size, size);
    cairo_save(c.cr());
    cairo_scale(c.cr(), size / kUnits, size / kUnits);
    emblem(c.cr());
    cairo_restore(c.cr());
    out.savePng(assets::ICON_PREFIX + std::to_string(size) + ".png", c);
  }
  std::vector<uint8_t> svg;
  cairo_surface_t* surface = cairo_svg_surface_create_for_stream(appendBytes, &svg, kUnits, kUnits);
  cairo_t* cr = cairo_create(surface);
  emblem(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) {
    out.fail("cannot draw the scalable icon");
    return;
  }
  out.saveBytes(assets::ICON_SVG, svg, "scalable icon");
}
ASSETGEN_REGISTER("icon", makeIcons);

}  // namespace
