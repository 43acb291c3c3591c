#include "board/BoardCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen::board {

namespace {

uint32_t* pixels(const Canvas& c, int& stride) {
  cairo_surface_flush(c.surface());
  stride = cairo_image_surface_get_stride(c.surface()) / 4;
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(c.surface()));
}

uint32_t premultiplied(const Rgba& c) {
  double a = std::clamp(c.a, 0.0, 1.0);
  auto ch = [&](double v) {
    return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * a * 255.0));
  };
  return (static_cast<uint32_t>(std::lround(a * 255.0)) << 24) | (ch(c.r) << 16) | (ch(c.g) << 8) |
         ch(c.b);
}

// A Cairo surface holding a copy of the picture (premultiplied); the caller destroys it.
cairo_surface_t* surfaceOf(const Image& image) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
  int stride = cairo_image_surface_get_stride(s) / 4;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = image.pixel(x, y);
      uint32_t a = p[3];
      auto ch = [&](int i) { return (p[i] * a + 127) / 255; };
      data[y * stride + x] = (a << 24) | (ch(0) << 16) | (ch(1) << 8) | ch(2);
    }
  cairo_surface_mark_dirty(s);
  return s;
}

double hash01(int x, int y, unsigned seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

}  // namespace

float AlphaMap::sample(double x, double y) const {
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  double fx = x - x0, fy = y - y0;
  double top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
  double bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
  return static_cast<float>(top * (1 - fy) + bottom * fy);
}

AlphaMap alphaOf(const Canvas& canvas) {
  int stride = 0;
  const uint32_t* px = pixels(canvas, stride);
  AlphaMap m{canvas.width(), canvas.height(), {}};
  m.a.resize(static_cast<size_t>(m.width) * m.height);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      m.a[static_cast<size_t>(y) * m.width + x] = (px[y * stride + x] >> 24) / 255.0f;
  return m;
}

AlphaMap dilate(const AlphaMap& m, double radius) {
  AlphaMap out = m;
  // Rings of directions at the full and half radius approximate a round structuring element.
  std::vector<std::pair<double, double>> offsets;
  for (double r : {radius, radius * 0.5}) {
    int n = r > 1.0 ? 16 : 8;
    for (int i = 0; i < n; ++i) {
      double t = 2 * M_PI * i / n;
      offsets.emplace_back(r * std::cos(t), r * std::sin(t));
    }
  }
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x) {
      float best = m.at(x, y);
      for (auto [dx, dy] : offsets) best = std::max(best, m.sample(x - dx, y - dy));
      out.a[static_cast<size_t>(y) * m.width + x] = best;
    }
  return out;
}

AlphaMap edgeFacing(const AlphaMap& m, double dx, double dy) {
  AlphaMap out = m;
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      out.a[static_cast<size_t>(y) * m.width + x] =
          std::max(0.0f, m.at(x, y) - m.sample(x + dx, y + dy));
  return out;
}

AlphaMap multiply(const AlphaMap& m, const AlphaMap& by) {
  AlphaMap out = m;
  for (size_t i = 0; i < out.a.size() && i < by.a.size(); ++i) out.a[i] *= by.a[i];
  return out;
}

void paintMap(Canvas& dst, const AlphaMap& m, const Rgba& color, double opacity) {
  Canvas layer(m.width, m.height);
  int stride = 0;
  uint32_t* px = pixels(layer, stride);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      px[y * stride + x] = premultiplied(color.withAlpha(color.a * m.at(x, y) * opacity));
  cairo_surface_mark_dirty(layer.surface());
  dst.paint(layer, 0, 0);
}

void maskWith(Canvas& layer, const Canvas& mask) {
  cairo_surface_flush(mask.surface());
  cairo_t* cr = layer.cr();
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
  cairo_set_source_surface(cr, mask.surface(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

void maskWith(Canvas& layer, const AlphaMap& mask) {
  Canvas m(mask.width, mask.height);
  paintMap(m, mask, {1, 1, 1, 1});
  maskWith(layer, m);
}

void shadePixels(Canvas& dst, int samples, const Shader& shade) {
  int stride = 0;
  uint32_t* px = pixels(dst, stride);
  double inv = 1.0 / (samples * samples);
  for (int y = 0; y < dst.height(); ++y)
    for (int x = 0; x < dst.width(); ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < samples; ++sy)
        for (int sx = 0; sx < samples; ++sx) {
          Rgba c = shade(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples);
          double ca = std::clamp(c.a, 0.0, 1.0);
          r += c.r * ca;
          g += c.g * ca;
          b += c.b * ca;
          a += ca;
        }
      a *= inv;
      uint32_t v = 0;
      if (a > 0) v = premultiplied({r * inv / a, g * inv / a, b * inv / a, a});
      px[y * stride + x] = v;
    }
  cairo_surface_mark_dirty(dst.surface());
}

void drawImage(Canvas& dst, const Image& image, double x, double y, double alpha,
               cairo_operator_t op) {
  if (image.width == 0 || image.height == 0) return;
  cairo_surface_t* s = surfaceOf(image);
  cairo_t* cr = dst.cr();
  cairo_save(cr);
  cairo_set_operator(cr, op);
  cairo_set_source_surface(cr, s, x, y);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

Image crop(const Image& image, int x, int y, int w, int h) {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int sx = x + i, sy = y + j;
      if (sx < 0 || sy < 0 || sx >= image.width || sy >= image.height) continue;
      std::copy_n(image.pixel(sx, sy), 4, out.pixel(i, j));
    }
  return out;
}

Image greyscale(const Image& image) {
  Image out = image;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      uint8_t* p = out.pixel(x, y);
      auto l = static_cast<uint8_t>(std::lround(0.2126 * p[0] + 0.7152 * p[1] + 0.0722 * p[2]));
      p[0] = p[1] = p[2] = l;
    }
  return out;
}

Image strip(const std::vector<Image>& frames) {
  if (frames.empty()) return {};
  int w = frames[0].width, h = frames[0].height;
  Image out(w * static_cast<int>(frames.size()), h);
  for (size_t f = 0; f < frames.size(); ++f)
    for (int y = 0; y < h; ++y)
      std::copy_n(frames[f].pixel(0, y), w * 4, out.pixel(static_cast<int>(f) * w, y));
  return out;
}

double periodicNoise(double x, double y, int period, int periodY, unsigned seed) {
  auto wrap = [](int v, int p) { return p > 0 ? ((v % p) + p) % p : v; };
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  double fx = x - x0, fy = y - y0;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  auto h = [&](int i, int j) { return hash01(wrap(i, period), wrap(j, periodY), seed); };
  double top = h(x0, y0) * (1 - fx) + h(x0 + 1, y0) * fx;
  double bottom = h(x0, y0 + 1) * (1 - fx) + h(x0 + 1, y0 + 1) * fx;
  return top * (1 - fy) + bottom * fy;
}

double smoothstep(double e0, double e1, double x) {
  double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace assetgen::board
