// A drawing surface over Cairo with the helpers every picture family needs: colours from the
// palette, gradients, rounded rectangles, soft shadows and glows by blurring, and a glossy
// highlight that keeps the light from the top left.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "core/Image.h"

namespace assetgen {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 1;
  // 0xRRGGBB
  static Rgba hex(uint32_t rgb, double alpha = 1.0) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
  }
  Rgba withAlpha(double alpha) const { return {r, g, b, alpha}; }
  Rgba mix(const Rgba& o, double t) const {
    return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
  }
};

struct Stop {
  double offset;
  Rgba color;
};

using PathFn = std::function<void(cairo_t*)>;

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void clear();
  void setColor(const Rgba& c);
  // Sets a gradient as the source of the next fill or stroke.
  void linearGradient(double x0, double y0, double x1, double y1,
                      std::initializer_list<Stop> stops);
  void linearGradient(double x0, double y0, double x1, double y1, const std::vector<Stop>& stops);
  void radialGradient(double cx, double cy, double r0, double r1,
                      std::initializer_list<Stop> stops);
  void radialGradient(double fx, double fy, double r0, double cx, double cy, double r1,
                      const std::vector<Stop>& stops);

  static void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
  void roundedRect(double x, double y, double w, double h, double r) {
    roundedRect(cr_, x, y, w, h, r);
  }
  static void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
                   double rotationDeg = -90);

  // A four-point glint: a warm halo `halo` times the ray length wide, white rays whose waist is
  // `waist` of their length, and optionally short diagonal rays.
  void glint(double x, double y, double r, double halo, double waist, bool diagonals);

  // Gaussian-like blur (three box passes) of the whole surface.
  void blur(double radius);
  // A blurred copy of `path` filled with `color`, offset by (dx, dy), drawn under what follows.
  void softShadow(const PathFn& path, double dx, double dy, double radius, const Rgba& color);
  // A blurred halo of `path` stroked `width` wide in `color` (for glows around text and shapes).
  void glow(const PathFn& path, double width, double radius, const Rgba& color);
  // A soft white sheen over the upper-left part of the box, clipped to `clip`.
  void glossyHighlight(const PathFn& clip, double x, double y, double w, double h,
                       double strength = 0.75);

  // Draws another canvas at (x, y) with the given opacity.
  void paint(const Canvas& other, double x, double y, double alpha = 1.0);

  Image toImage() const;  // straight alpha RGBA

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace assetgen
