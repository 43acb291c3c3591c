// Pixel-level helpers for the board's pictures: alpha maps taken from a canvas (for outlines,
// rim lights and masks), per-pixel shading with supersampling, picture copies and crops, and
// tileable noise. The board's pieces are small, so working on plain float arrays is cheap.
#pragma once

#include <functional>
#include <vector>

#include "core/Canvas.h"
#include "core/Image.h"

namespace assetgen::board {

// The four tile sizes of the catalogues, by size index.
inline constexpr int kTileSizes[4] = {64, 50, 42, 32};
// Animation strips (bonuses, sparkles) are cut in cells of this size for every size index.
inline constexpr int kStripCell = 42;

struct AlphaMap {
  int width = 0;
  int height = 0;
  std::vector<float> a;

  float at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return a[static_cast<size_t>(y) * width + x];
  }
  float sample(double x, double y) const;  // bilinear, 0 outside
};

AlphaMap alphaOf(const Canvas& canvas);
// Grows the map by `radius` pixels in every direction (a round dilation).
AlphaMap dilate(const AlphaMap& m, double radius);
// What of `m` is left after taking away `m` moved by (dx, dy): the edges facing away from it.
AlphaMap edgeFacing(const AlphaMap& m, double dx, double dy);
AlphaMap multiply(const AlphaMap& m, const AlphaMap& by);

// Paints `color` through the alpha map over the canvas.
void paintMap(Canvas& dst, const AlphaMap& m, const Rgba& color, double opacity = 1.0);
// Keeps only what lies inside `mask` (by its alpha).
void maskWith(Canvas& layer, const Canvas& mask);
void maskWith(Canvas& layer, const AlphaMap& mask);

// Fills the canvas pixel by pixel; `shade` gets the position of a sample (pixel corner at 0)
// and returns a straight-alpha colour. `samples` per axis, averaged.
using Shader = std::function<Rgba(double x, double y)>;
void shadePixels(Canvas& dst, int samples, const Shader& shade);

// Images as sources: drawn at (x, y) with an operator (OVER, ADD, ...).
void drawImage(Canvas& dst, const Image& image, double x, double y, double alpha = 1.0,
               cairo_operator_t op = CAIRO_OPERATOR_OVER);
Image crop(const Image& image, int x, int y, int w, int h);
Image greyscale(const Image& image);
// Frames laid side by side, left to right.
Image strip(const std::vector<Image>& frames);

// Smooth value noise, periodic with `period` along x (and y when periodY > 0).
double periodicNoise(double x, double y, int period, int periodY, unsigned seed);

double smoothstep(double e0, double e1, double x);

}  // namespace assetgen::board
