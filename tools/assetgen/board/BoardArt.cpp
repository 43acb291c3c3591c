#include "board/BoardArt.h"

#include <algorithm>
#include <cmath>

namespace assetgen::board {

namespace {

struct Box {
  double x0, y0, x1, y1;
};

Box boundsOf(const AlphaMap& m) {
  Box b{1e9, 1e9, -1e9, -1e9};
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      if (m.at(x, y) > 0.5f) {
        b.x0 = std::min<double>(b.x0, x);
        b.y0 = std::min<double>(b.y0, y);
        b.x1 = std::max<double>(b.x1, x + 1);
        b.y1 = std::max<double>(b.y1, y + 1);
      }
  if (b.x0 > b.x1) b = {0, 0, double(m.width), double(m.height)};
  return b;
}

}  // namespace

void finishPiece(Canvas& out, const Canvas& body, const Finish& f) {
  AlphaMap m = alphaOf(body);
  double px = std::max(1.0, m.width / 42.0);  // effects grow with the picture

  paintMap(out, dilate(m, f.outline), f.ramp.edge);
  out.paint(body, 0, 0);

  // Darker toward the lower right: the part of the silhouette whose lower-right neighbour is
  // outside, widened and softened.
  AlphaMap shade = edgeFacing(m, 3.0 * px, 3.0 * px);
  paintMap(out, shade, f.ramp.dark.mix({0, 0, 0, 1}, 0.35), f.shade);
  AlphaMap rim = edgeFacing(m, -1.1 * px, -1.1 * px);
  paintMap(out, rim, {1, 1, 1, 1}, f.rim);

  // The sheen: a soft ellipse at the upper left of the silhouette's box.
  Box b = boundsOf(m);
  double w = b.x1 - b.x0, h = b.y1 - b.y0;
  Canvas sheen(m.width, m.height);
  cairo_t* cr = sheen.cr();
  cairo_save(cr);
  cairo_translate(cr, b.x0 + w * 0.34, b.y0 + h * 0.27);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, w * 0.24, h * 0.13);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, f.gloss);
  cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, f.gloss * 0.5);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
  maskWith(sheen, m);
  out.paint(sheen, 0, 0);
}

namespace {

const Ramp kPurplePlate{Rgba::hex(0xC99AF0), Rgba::hex(0x9C5AD6), Rgba::hex(0x6A2FA6),
                        Rgba::hex(0x3A1A5E)};
// Deeper amber than the gold star tile, so a star on a gold plate still stands out.
const Ramp kGoldPlate{Rgba::hex(0xFFE2A0), Rgba::hex(0xF0A430), Rgba::hex(0xB8680E),
                      Rgba::hex(0x7A4006)};

// One jewel slab: bevelled rounded square with a raised inner face and a facet glint.
void slab(cairo_t* cr, const Ramp& r, double x, double y, double s, double bevel,
          double thickness) {
  double rad = s * 0.16;
  // Side of the slab (its thickness) shows below and to the right.
  if (thickness > 0) {
    Canvas::roundedRect(cr, x + thickness * 0.6, y + thickness, s, s, rad);
    cairo_set_source_rgba(cr, r.edge.r, r.edge.g, r.edge.b, 1);
    cairo_fill(cr);
  }
  Canvas::roundedRect(cr, x, y, s, s, rad);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + s, y + s);
  cairo_pattern_add_color_stop_rgb(g, 0, r.light.r, r.light.g, r.light.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, r.mid.r, r.mid.g, r.mid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, r.dark.r, r.dark.g, r.dark.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, r.edge.r, r.edge.g, r.edge.b, 0.9);
  cairo_set_line_width(cr, s * 0.035);
  cairo_stroke(cr);

  // Raised face: lit from the top left, so the bevel is bright above-left and dark below-right.
  double fx = x + bevel, fy = y + bevel, fs = s - 2 * bevel;
  Canvas::roundedRect(cr, fx, fy, fs, fs, rad * 0.6);
  cairo_pattern_t* f = cairo_pattern_create_linear(fx, fy, fx + fs, fy + fs);
  cairo_pattern_add_color_stop_rgb(f, 0, r.mid.mix(r.light, 0.35).r, r.mid.mix(r.light, 0.35).g,
                                   r.mid.mix(r.light, 0.35).b);
  cairo_pattern_add_color_stop_rgb(f, 1, r.mid.mix(r.dark, 0.45).r, r.mid.mix(r.dark, 0.45).g,
                                   r.mid.mix(r.dark, 0.45).b);
  cairo_set_source(cr, f);
  cairo_pattern_destroy(f);
  cairo_fill(cr);

  // A diagonal glint across the face and a small star of light at its upper left.
  cairo_save(cr);
  Canvas::roundedRect(cr, fx, fy, fs, fs, rad * 0.6);
  cairo_clip(cr);
  cairo_move_to(cr, fx - fs * 0.1, fy + fs * 0.55);
  cairo_line_to(cr, fx + fs * 0.55, fy - fs * 0.1);
  cairo_line_to(cr, fx + fs * 0.8, fy - fs * 0.1);
  cairo_line_to(cr, fx - fs * 0.1, fy + fs * 0.8);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  Canvas::star(cr, fx + fs * 0.2, fy + fs * 0.2, s * 0.09, s * 0.025, 4, -90);
  cairo_fill(cr);
}

void glassCell(cairo_t* cr, double s) {
  double m = s / 42.0;
  double x = 1 * m, w = s - 2 * m, rad = 6 * m;
  Canvas::roundedRect(cr, x, x, w, w, rad);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, x, x + w, x + w);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.20, 0.30, 0.52, 0.62);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.04, 0.07, 0.18, 0.72);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill(cr);
  // Thin light rim on the upper-left edges, a darker one below-right.
  cairo_set_line_width(cr, 1.0 * m);
  Canvas::roundedRect(cr, x + 0.5 * m, x + 0.5 * m, w - m, w - m, rad);
  cairo_pattern_t* rim = cairo_pattern_create_linear(x, x, x + w, x + w);
  cairo_pattern_add_color_stop_rgba(rim, 0, 0.75, 0.85, 1.0, 0.45);
  cairo_pattern_add_color_stop_rgba(rim, 0.5, 0.55, 0.65, 0.9, 0.12);
  cairo_pattern_add_color_stop_rgba(rim, 1, 0.0, 0.0, 0.05, 0.35);
  cairo_set_source(cr, rim);
  cairo_pattern_destroy(rim);
  cairo_stroke(cr);
  // A faint reflection across the upper half.
  cairo_save(cr);
  Canvas::roundedRect(cr, x, x, w, w, rad);
  cairo_clip(cr);
  cairo_move_to(cr, x, x);
  cairo_line_to(cr, x + w, x);
  cairo_curve_to(cr, x + w * 0.6, x + w * 0.3, x + w * 0.3, x + w * 0.45, x, x + w * 0.55);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.8, 0.9, 1.0, 0.07);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

Image drawPlate(PlateKind kind, int size) {
  Canvas c(size, size);
  cairo_t* cr = c.cr();
  double m = size / 42.0;
  switch (kind) {
    case PlateKind::PlainCell:
      glassCell(cr, size);
      break;
    case PlateKind::Purple:
      slab(cr, kPurplePlate, 2 * m, 2 * m, 37 * m, 5 * m, 2 * m);
      break;
    case PlateKind::Gold:
      slab(cr, kGoldPlate, 2 * m, 2 * m, 37 * m, 5 * m, 2 * m);
      break;
    case PlateKind::PurpleDouble:
      slab(cr, kPurplePlate, 1 * m, 2 * m, 38 * m, 4 * m, 2.5 * m);
      slab(cr, kPurplePlate, 4 * m, 1 * m, 32 * m, 5 * m, 3 * m);
      break;
    case PlateKind::GoldOnPurple:
      slab(cr, kPurplePlate, 1 * m, 2 * m, 38 * m, 4 * m, 2.5 * m);
      slab(cr, kGoldPlate, 4 * m, 1 * m, 32 * m, 5 * m, 3 * m);
      break;
  }
  return c.toImage();
}

}  // namespace assetgen::board
