#include "core/Canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::clear() {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Canvas::setColor(const Rgba& c) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a); }

namespace {
void applyStops(cairo_pattern_t* p, const Stop* begin, const Stop* end) {
  for (const Stop* s = begin; s != end; ++s)
    cairo_pattern_add_color_stop_rgba(p, s->offset, s->color.r, s->color.g, s->color.b, s->color.a);
}

void setPattern(cairo_t* cr, cairo_pattern_t* p) {
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}
}  // namespace

void Canvas::linearGradient(double x0, double y0, double x1, double y1,
                            std::initializer_list<Stop> stops) {
  linearGradient(x0, y0, x1, y1, std::vector<Stop>(stops));
}

void Canvas::linearGradient(double x0, double y0, double x1, double y1,
                            const std::vector<Stop>& stops) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  applyStops(p, stops.data(), stops.data() + stops.size());
  setPattern(cr_, p);
}

void Canvas::radialGradient(double cx, double cy, double r0, double r1,
                            std::initializer_list<Stop> stops) {
  radialGradient(cx, cy, r0, cx, cy, r1, std::vector<Stop>(stops));
}

void Canvas::radialGradient(double fx, double fy, double r0, double cx, double cy, double r1,
                            const std::vector<Stop>& stops) {
  cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, r0, cx, cy, r1);
  applyStops(p, stops.data(), stops.data() + stops.size());
  setPattern(cr_, p);
}

void Canvas::roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Canvas::glint(double x, double y, double r, double halo, double waist, bool diagonals) {
  radialGradient(x, y, 0, r * halo,
                 {{0, Rgba::hex(0xFFFFFF, 0.92)},
                  {0.38, Rgba::hex(0xFFF0BE, 0.48)},
                  {1, Rgba::hex(0xFFD870, 0)}});
  cairo_arc(cr_, x, y, r * halo, 0, 2 * M_PI);
  cairo_fill(cr_);
  star(cr_, x, y, r, r * waist, 4, 0);
  setColor(Rgba::hex(0xFFFFFF));
  cairo_fill(cr_);
  if (!diagonals) return;
  star(cr_, x, y, r * 0.45, r * 0.1, 4, 45);
  cairo_fill(cr_);
}

void Canvas::star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
                  double rotationDeg) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double angle = (rotationDeg + i * 180.0 / points) * M_PI / 180.0;
    double r = (i % 2 == 0) ? outer : inner;
    double x = cx + r * std::cos(angle), y = cy + r * std::sin(angle);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

namespace {
// One box pass along rows (stride 1) or columns, on premultiplied channels.
void boxPass(std::vector<float>& data, int w, int h, int radius, bool horizontal) {
  int length = horizontal ? w : h;
  int lines = horizontal ? h : w;
  std::vector<float> line(static_cast<size_t>(length) * 4);
  float norm = 1.0f / (2 * radius + 1);
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> float* {
      size_t idx = horizontal ? (static_cast<size_t>(l) * w + i) : (static_cast<size_t>(i) * w + l);
      return &data[idx * 4];
    };
    for (int c = 0; c < 4; ++c) {
      float sum = 0;
      for (int i = -radius; i <= radius; ++i) {
        int j = std::clamp(i, 0, length - 1);
        if (i >= 0 && i < length) sum += at(j)[c];
      }
      for (int i = 0; i < length; ++i) {
        line[i * 4 + c] = sum * norm;
        int out = i - radius, in = i + radius + 1;
        if (out >= 0) sum -= at(out)[c];
        if (in < length) sum += at(in)[c];
      }
    }
    for (int i = 0; i < length; ++i)
      for (int c = 0; c < 4; ++c) at(i)[c] = line[i * 4 + c];
  }
}
}  // namespace

void Canvas::blur(double radius) {
  if (radius <= 0) return;
  cairo_surface_flush(surface_);
  uint8_t* px = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  std::vector<float> data(static_cast<size_t>(width_) * height_ * 4);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      for (int c = 0; c < 4; ++c)
        data[(static_cast<size_t>(y) * width_ + x) * 4 + c] = px[y * stride + x * 4 + c];
  // Three box passes of this size approximate a Gaussian of sigma = radius / 2.
  int box = std::max(1, static_cast<int>(std::lround(radius * 0.5 * std::sqrt(3.0))));
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(data, width_, height_, box, true);
    boxPass(data, width_, height_, box, false);
  }
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float* s = &data[(static_cast<size_t>(y) * width_ + x) * 4];
      uint8_t* d = &px[y * stride + x * 4];
      float a = std::clamp(s[3], 0.0f, 255.0f);
      d[3] = static_cast<uint8_t>(std::lround(a));
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<uint8_t>(std::lround(std::clamp(s[c], 0.0f, static_cast<float>(d[3]))));
    }
  cairo_surface_mark_dirty(surface_);
}

void Canvas::softShadow(const PathFn& path, double dx, double dy, double radius,
                        const Rgba& color) {
  Canvas shadow(width_, height_);
  cairo_t* s = shadow.cr();
  cairo_matrix_t m;
  cairo_get_matrix(cr_, &m);
  cairo_set_matrix(s, &m);
  cairo_translate(s, dx, dy);
  path(s);
  shadow.setColor(color);
  cairo_fill(s);
  shadow.blur(radius);
  paint(shadow, 0, 0);
}

void Canvas::glow(const PathFn& path, double width, double radius, const Rgba& color) {
  Canvas halo(width_, height_);
  cairo_t* s = halo.cr();
  cairo_matrix_t m;
  cairo_get_matrix(cr_, &m);
  cairo_set_matrix(s, &m);
  path(s);
  halo.setColor(color);
  cairo_set_line_width(s, width);
  cairo_set_line_join(s, CAIRO_LINE_JOIN_ROUND);
  cairo_fill_preserve(s);
  cairo_stroke(s);
  halo.blur(radius);
  paint(halo, 0, 0);
}

void Canvas::glossyHighlight(const PathFn& clip, double x, double y, double w, double h,
                             double strength) {
  cairo_save(cr_);
  clip(cr_);
  cairo_clip(cr_);
  // An ellipse of light over the upper-left, fading toward its rim.
  double cx = x + w * 0.38, cy = y + h * 0.28;
  cairo_translate(cr_, cx, cy);
  cairo_scale(cr_, w * 0.42, h * 0.26);
  cairo_pattern_t* p = cairo_pattern_create_radial(-0.15, -0.2, 0.0, 0, 0, 1.0);
  cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, strength);
  cairo_pattern_add_color_stop_rgba(p, 0.55, 1, 1, 1, strength * 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0);
  cairo_set_source(cr_, p);
  cairo_pattern_destroy(p);
  cairo_arc(cr_, 0, 0, 1.0, 0, 2 * M_PI);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void Canvas::paint(const Canvas& other, double x, double y, double alpha) {
  cairo_surface_flush(other.surface_);
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, other.surface_, x, y);
  cairo_paint_with_alpha(cr_, alpha);
  cairo_restore(cr_);
}

Image Canvas::toImage() const {
  cairo_surface_flush(surface_);
  const uint8_t* px = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  Image out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      // Cairo stores native-endian premultiplied ARGB32 (B, G, R, A in memory here).
      uint32_t v = *reinterpret_cast<const uint32_t*>(px + std::ptrdiff_t{y} * stride +
                                                      std::ptrdiff_t{x} * 4);
      uint8_t a = v >> 24;
      uint8_t* d = out.pixel(x, y);
      d[3] = a;
      if (a == 0) continue;
      for (int c = 0; c < 3; ++c) {
        uint32_t channel = (v >> (16 - 8 * c)) & 0xFF;
        d[c] = static_cast<uint8_t>(std::min<uint32_t>(255, (channel * 255 + a / 2) / a));
      }
    }
  return out;
}

}  // namespace assetgen
