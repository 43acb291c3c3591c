// The board frame: 12 pieces that the board lays around its playing area (4 edges, 4 outer
// and 4 inner corners), and the icicles it hangs under bottom edges.
//
// Every piece is drawn on an unavailable cell N beside an available one, at N's centre plus
// the offset of "data/ramka.dat". The frame band runs along the border between playing area
// and the outside, 9 px outward and 3 px inward (over the edge of the plates). Each piece is
// computed from the signed distance to the playing area around it, in coordinates relative
// to N's centre; all texture is periodic with the 42 px cell pitch, so neighbouring pieces
// meet pixel-exactly whatever the board's shape.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "board/BoardArt.h"
#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Image;
using assetgen::Rgba;
using namespace assetgen::board;

constexpr double kOut = 9.0;  // band width outside the playing area
constexpr double kIn = 3.0;   // band width over the playing area

// Around the point (px, py) the four quadrants NW, NE, SW, SE are playing area or not.
// Edges are quadrant pairs (a half-plane); corners leave one quadrant out or in.
struct Piece {
  int ax, ay, w, h;
  double px, py;
  std::array<bool, 4> play;  // NW, NE, SW, SE
};

const Piece kPieces[13] = {
    {},
    {12, -21, 12, 42, 21, 0, {false, true, false, true}},       // 1: playing area to the right
    {-21, 12, 42, 12, 0, 21, {false, false, true, true}},       // 2: below
    {-24, -21, 12, 42, -21, 0, {true, false, true, false}},     // 3: to the left
    {-21, -24, 42, 12, 0, -21, {true, true, false, false}},     // 4: above
    {12, 12, 12, 12, 21, 21, {false, false, false, true}},      // 5: outer corner, area at SE
    {-24, 12, 12, 12, -21, 21, {false, false, true, false}},    // 6: outer, area at SW
    {-24, -24, 12, 12, -21, -21, {true, false, false, false}},  // 7: outer, area at NW
    {12, -24, 12, 12, 21, -21, {false, true, false, false}},    // 8: outer, area at NE
    {12, 12, 12, 12, 21, 21, {false, true, true, true}},        // 9: inner corner, outside NW
    {-24, 12, 12, 12, -21, 21, {true, false, true, true}},      // 10: inner, outside NE
    {-24, -24, 12, 12, -21, -21, {true, true, true, false}},    // 11: inner, outside SE
    {12, -24, 12, 12, 21, -21, {true, true, false, true}},      // 12: inner, outside SW
};

struct Field {
  double d;       // signed distance: > 0 outside the playing area
  double nx, ny;  // unit vector from the playing area outward
};

// Distance from (x, y) to quadrant q of the point (px, py), and the nearest point in it.
double toQuadrant(const Piece& p, int q, double x, double y, double& qx, double& qy) {
  bool east = q == 1 || q == 3, south = q == 2 || q == 3;
  qx = east ? std::max(x, p.px) : std::min(x, p.px);
  qy = south ? std::max(y, p.py) : std::min(y, p.py);
  return std::hypot(x - qx, y - qy);
}

Field fieldAt(const Piece& p, double x, double y) {
  int q = (x >= p.px ? 1 : 0) + (y >= p.py ? 2 : 0);
  bool inside = p.play[q];
  double best = 1e9, bx = x, by = y;
  for (int k = 0; k < 4; ++k) {
    if (p.play[k] == inside) continue;
    double qx, qy;
    double dist = toQuadrant(p, k, x, y, qx, qy);
    if (dist < best) best = dist, bx = qx, by = qy;
  }
  Field f{inside ? -best : best, 0, 0};
  double len = std::max(1e-9, best);
  f.nx = inside ? (bx - x) / len : (x - bx) / len;
  f.ny = inside ? (by - y) / len : (y - by) / len;
  return f;
}

Rgba shadeMaterial(const Rgba& base, double nx, double ny, double nz, double shine) {
  const double lx = -0.48, ly = -0.62, lz = 0.62;  // top-left light, normalised below
  double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
  double dot = std::max(0.0, (nx * lx + ny * ly + nz * lz) / ll);
  double hx = lx / ll, hy = ly / ll, hz = lz / ll + 1;
  double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  double spec = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 28) * shine;
  double k = 0.42 + 0.78 * dot;
  return {std::min(1.0, base.r * k + spec), std::min(1.0, base.g * k + spec),
          std::min(1.0, base.b * k + spec), 1};
}

// The frame's cross-section at signed distance d with outward direction (nx, ny), at a point
// (x, y) relative to the cell grid (for the snow and frost texture).
Rgba frameColor(const Field& f, double x, double y) {
  const double d = f.d;
  if (d > kOut || d < -kIn) return {0, 0, 0, 0};
  // A gold bead along the inside, a rounded rim of frosted silver outside it.
  double c, r;
  Rgba base;
  double shine;
  if (d < -0.7) {
    c = -1.85, r = 1.3, base = Rgba::hex(0xFFC94D), shine = 0.9;
  } else if (d < -0.2) {
    return {0.10, 0.14, 0.25, 1};  // groove
  } else if (d > 8.3) {
    return Rgba::hex(0x1A2A4A);  // dark outer edge, so the frame reads on any background
  } else {
    c = 4.05, r = 4.45, base = Rgba::hex(0xA9C0E0), shine = 0.75;
  }
  double t = std::clamp((d - c) / r, -0.97, 0.97);
  double slope = -t / std::sqrt(1 - t * t);  // dh/dd of a round profile
  double nx = -slope * f.nx, ny = -slope * f.ny, nz = 1;
  double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
  nx /= nl, ny /= nl, nz /= nl;

  // Frost grain on the silver (periodic with the cell pitch).
  double grain = periodicNoise((x + 420) / 2.0, (y + 420) / 2.0, 21, 21, 7);
  Rgba col = shadeMaterial(base, nx, ny, nz, shine);
  if (c > 0) col = col.mix({1, 1, 1, 1}, (grain - 0.5) * 0.18 + 0.04);

  // Snow lies on the parts of the rim that face up.
  double up = smoothstep(0.35, 0.85, -f.ny);
  if (up > 0 && c > 0) {
    double wave = periodicNoise((x + 420) / 7.0, 0.5, 6, 0, 11);
    double wave2 = periodicNoise((x + 420) / 3.0, 0.5, 14, 0, 12);
    double start = 1.6 + 3.2 * wave + 1.2 * wave2;  // lower edge of the snow
    double depth = d - start;
    if (depth > 0) {
      double cover = smoothstep(0.0, 0.9, depth) * up;
      // Snow is soft and bright, with a bluish shadow along its lower edge.
      Rgba snow = Rgba::hex(0xF4F8FF).mix(Rgba::hex(0xB7CDE8), smoothstep(1.8, 0.0, depth) * 0.7);
      double sparkle = periodicNoise((x + 420) * 1.3, (y + 420) * 1.3, 54, 54, 5);
      if (sparkle > 0.86) snow = {1, 1, 1, 1};
      col = col.mix(snow, cover);
    }
  }
  return col;
}

Image drawPiece(int n) {
  const Piece& p = kPieces[n];
  Canvas c(p.w, p.h);
  shadePixels(c, 4, [&](double x, double y) {
    double lx = p.ax + x, ly = p.ay + y;
    return frameColor(fieldAt(p, lx, ly), lx, ly);
  });
  return c.toImage();
}

void savePieces(assetgen::Output& out, int first, int last) {
  for (int n = first; n <= last; ++n)
    out.savePng("gfx/ramka/ramka" + std::to_string(n) + ".png", drawPiece(n));
}
ASSETGEN_REGISTER("board-frame-edges", [](assetgen::Output& o) { savePieces(o, 1, 4); });
ASSETGEN_REGISTER("board-frame-corners", [](assetgen::Output& o) { savePieces(o, 5, 12); });

// ---- icicles ----

// Icicle sets by entry of "data/sople.dat": width of the picture and the icicles as
// (centre x, root width, length). Entry 0 hangs in the middle of an edge, 2 and 3 at its
// left end (clear of the rounded corner), 5 and 6 at its right end; 1 and 4 are spares.
struct Icicle {
  double x, w, len;
};
struct IcicleSet {
  int width;
  std::vector<Icicle> icicles;
};

const IcicleSet kSople[7] = {
    {42, {{6, 5, 12}, {15, 6.5, 23}, {24, 4.5, 10}, {31, 6, 18}, {38, 4, 8}}},
    {42, {{8, 5.5, 16}, {18, 4.5, 9}, {27, 6.5, 21}, {36, 4.5, 11}}},
    {35, {{6, 4.5, 10}, {14, 6, 19}, {23, 4.5, 9}, {30, 5.5, 14}}},
    {35, {{5, 4, 7}, {12, 5.5, 15}, {21, 6.5, 22}, {30, 4.5, 10}}},
    {42, {{7, 4.5, 10}, {16, 6, 20}, {26, 5, 13}, {35, 5.5, 16}}},
    {35, {{5, 5.5, 14}, {13, 4.5, 9}, {21, 6.5, 21}, {29, 4.5, 10}}},
    {35, {{6, 4.5, 11}, {14, 6.5, 22}, {23, 5, 13}, {30, 4, 7}}},
};
constexpr int kSopelHeight = 25;

Image drawSopel(int e) {
  const IcicleSet& set = kSople[e];
  Canvas ice(set.width, kSopelHeight);
  cairo_t* cr = ice.cr();
  for (const auto& i : set.icicles) {
    double l = i.x - i.w / 2, r = i.x + i.w / 2;
    auto shape = [&] {
      cairo_move_to(cr, l, 0);
      cairo_curve_to(cr, l + i.w * 0.1, i.len * 0.45, i.x - 0.6, i.len * 0.8, i.x + 0.2, i.len);
      cairo_curve_to(cr, i.x + 0.6, i.len * 0.8, r - i.w * 0.15, i.len * 0.45, r, 0);
      cairo_close_path(cr);
    };
    shape();
    cairo_set_source_rgba(cr, 0.20, 0.32, 0.55, 0.75);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    shape();
    cairo_pattern_t* g = cairo_pattern_create_linear(l, 0, r, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.80, 0.90, 1.0, 0.92);
    cairo_pattern_add_color_stop_rgba(g, 0.3, 1.0, 1.0, 1.0, 0.97);
    cairo_pattern_add_color_stop_rgba(g, 0.65, 0.72, 0.82, 0.93, 0.85);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.45, 0.58, 0.78, 0.9);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
    // A drop of light near the tip.
    cairo_arc(cr, i.x - 0.2, i.len * 0.72, std::max(0.6, i.w * 0.12), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
  }
  // The ice thins toward the tips.
  Canvas fade(set.width, kSopelHeight);
  cairo_pattern_t* v = cairo_pattern_create_linear(0, 0, 0, kSopelHeight);
  cairo_pattern_add_color_stop_rgba(v, 0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(v, 0.5, 1, 1, 1, 0.95);
  cairo_pattern_add_color_stop_rgba(v, 1, 1, 1, 1, 0.6);
  cairo_set_source(fade.cr(), v);
  cairo_pattern_destroy(v);
  cairo_paint(fade.cr());
  maskWith(ice, fade);
  // A ridge of frost where they hang from the frame.
  cairo_t* fr = ice.cr();
  double x0 = set.icicles.front().x - set.icicles.front().w / 2 - 1;
  double x1 = set.icicles.back().x + set.icicles.back().w / 2 + 1;
  Canvas::roundedRect(fr, x0, -2, x1 - x0, 4.2, 2);
  cairo_set_source_rgba(fr, 0.92, 0.96, 1.0, 0.95);
  cairo_fill(fr);
  return ice.toImage();
}

void saveSople(assetgen::Output& out) {
  for (int e = 0; e < 7; ++e)
    out.savePng("gfx/sople/sopel" + std::to_string(e) + ".png", drawSopel(e));
}
ASSETGEN_REGISTER("board-sople", saveSople);

}  // namespace
