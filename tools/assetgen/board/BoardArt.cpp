#include "board/BoardArt.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

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

void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba& from,
                const Rgba& to) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, from.r, from.g, from.b, from.a);
  cairo_pattern_add_color_stop_rgba(g, 1, to.r, to.g, to.b, to.a);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill(cr);
}

// One plate layer: a bevelled jewel band around the cell, lit from the top left, with a gem
// stud at each corner. Only the band is drawn; what lies inside it is the layer below or the
// recessed well.
void plateBand(cairo_t* cr, const Ramp& r, double x, double y, double s, double band) {
  const double rad = s * 0.2;
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Canvas::roundedRect(cr, x, y, s, s, rad);
  Canvas::roundedRect(cr, x + band, y + band, s - 2 * band, s - 2 * band, rad * 0.55);
  fillLinear(cr, x, y, x + s, y + s, r.light, r.dark);
  // A bright bevel on the outer upper-left edge, a dark one inside the upper left (the well's
  // lip faces away from the light) and along the outer lower right.
  cairo_set_line_width(cr, std::max(1.0, band * 0.28));
  Canvas::roundedRect(cr, x + 0.6, y + 0.6, s - 1.2, s - 1.2, rad);
  cairo_pattern_t* rim = cairo_pattern_create_linear(x, y, x + s, y + s);
  cairo_pattern_add_color_stop_rgba(rim, 0, 1, 1, 1, 0.85);
  cairo_pattern_add_color_stop_rgba(rim, 0.5, 1, 1, 1, 0.1);
  cairo_pattern_add_color_stop_rgba(rim, 1, r.edge.r, r.edge.g, r.edge.b, 0.9);
  cairo_set_source(cr, rim);
  cairo_pattern_destroy(rim);
  cairo_stroke(cr);
  Canvas::roundedRect(cr, x + band, y + band, s - 2 * band, s - 2 * band, rad * 0.55);
  cairo_pattern_t* lip =
      cairo_pattern_create_linear(x + band, y + band, x + s - band, y + s - band);
  cairo_pattern_add_color_stop_rgba(lip, 0, r.edge.r, r.edge.g, r.edge.b, 1);
  cairo_pattern_add_color_stop_rgba(lip, 0.6, r.edge.r, r.edge.g, r.edge.b, 0.5);
  cairo_pattern_add_color_stop_rgba(lip, 1, r.light.r, r.light.g, r.light.b, 0.9);
  cairo_set_source(cr, lip);
  cairo_pattern_destroy(lip);
  cairo_set_line_width(cr, std::max(1.0, band * 0.22));
  cairo_stroke(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Gem studs in the corners of the band: they stay in sight beside any piece.
  const double inset = band * 0.55 + rad * 0.25, stud = band * 0.34;
  for (auto [cx, cy] : {std::pair{x + inset, y + inset},
                        {x + s - inset, y + inset},
                        {x + inset, y + s - inset},
                        {x + s - inset, y + s - inset}}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, stud, 0, 2 * M_PI);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(cx - stud * 0.4, cy - stud * 0.4, 0, cx, cy, stud);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 0.45, r.light.r, r.light.g, r.light.b);
    cairo_pattern_add_color_stop_rgb(g, 1, r.dark.r, r.dark.g, r.dark.b);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
  }
}

// The recessed floor inside the bands: the top layer's colour deep in shadow, darkest toward
// the upper left where the lip shades it. Dark enough that even the darkest piece stands out.
void plateWell(cairo_t* cr, const Ramp& r, double x, double y, double s) {
  Canvas::roundedRect(cr, x, y, s, s, s * 0.12);
  fillLinear(cr, x, y, x + s, y + s, r.edge.mix({0, 0, 0, 1}, 0.72),
             r.edge.mix({0, 0, 0, 1}, 0.45));
}

// A plate of one or more layers (bottom layer first). The side under the plate grows with the
// layers, so a two-layer plate stands visibly thicker.
void plate(cairo_t* cr, std::initializer_list<const Ramp*> layers, double m) {
  const int count = static_cast<int>(layers.size());
  const double x = 1.5 * m, s = 36.5 * m, band = 5.2 * m;
  const double side = (count == 1 ? 2.2 : 4.2) * m;
  const Ramp& bottom = **layers.begin();
  Canvas::roundedRect(cr, x + side * 0.55, x + side, s, s, s * 0.2);
  cairo_set_source_rgba(cr, bottom.edge.r, bottom.edge.g, bottom.edge.b, 1);
  cairo_fill(cr);
  if (count > 1) {  // the seam between the layers, seen on the side
    cairo_set_line_width(cr, 0.9 * m);
    Canvas::roundedRect(cr, x + side * 0.3, x + side * 0.5, s, s, s * 0.2);
    cairo_set_source_rgba(cr, bottom.mid.r, bottom.mid.g, bottom.mid.b, 0.9);
    cairo_stroke(cr);
  }
  double at = x;
  double size = s;
  for (const Ramp* layer : layers) {
    plateBand(cr, *layer, at, at, size, band);
    at += band * 0.85;
    size -= band * 1.7;
  }
  const Ramp& top = **(layers.end() - 1);
  const double wellAt = at + band * 0.15, wellSize = size - band * 0.3;
  plateWell(cr, top, wellAt, wellAt, wellSize);
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
      plate(cr, {&kPurplePlate}, m);
      break;
    case PlateKind::Gold:
      plate(cr, {&kGoldPlate}, m);
      break;
    case PlateKind::PurpleDouble:
      plate(cr, {&kPurplePlate, &kPurplePlate}, m);
      break;
    case PlateKind::GoldOnPurple:
      plate(cr, {&kPurplePlate, &kGoldPlate}, m);
      break;
  }
  return c.toImage();
}

}  // namespace assetgen::board
