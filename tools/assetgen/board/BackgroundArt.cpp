// The board backgrounds: winter nights over a mountain village, 800 x 600. The board covers
// the middle, so the middle stays calm and dim; the detail (moon, pines, houses with warm
// windows) sits at the edges.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "board/BoardArt.h"
#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using namespace assetgen::board;

constexpr int W = 800, H = 600;

struct Scene {
  int id;
  uint64_t seed;
  Rgba skyTop, skyMid, skyLow;
  double moonX, moonY, moonR;
  bool crescent;
  bool aurora;
  bool villageLeft, villageRight;
  bool church;
};

const Scene kScenes[] = {
    {1, 0xB0A1, Rgba::hex(0x0B1633), Rgba::hex(0x14264F), Rgba::hex(0x3A64A8), 690, 92, 34, false,
     false, true, false, false},
    {2, 0xB0A2, Rgba::hex(0x081229), Rgba::hex(0x12294F), Rgba::hex(0x2E5E8E), 105, 80, 26, true,
     true, false, true, true},
    {3, 0xB0A3, Rgba::hex(0x120F30), Rgba::hex(0x261E56), Rgba::hex(0x5B4A92), 710, 150, 44, false,
     false, true, true, false},
    {4, 0xB0A4, Rgba::hex(0x070E24), Rgba::hex(0x10204A), Rgba::hex(0x21407A), 120, 110, 30, false,
     false, true, true, true},
};

void fillPath(cairo_t* cr, const Rgba& c) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
  cairo_fill(cr);
}

void glow(cairo_t* cr, double x, double y, double r, const Rgba& c, double a) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
  cairo_pattern_add_color_stop_rgba(p, 0.3, c.r, c.g, c.b, a * 0.4);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
}

void sky(Canvas& c, const Scene& s) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, H);
  cairo_pattern_add_color_stop_rgb(p, 0, s.skyTop.r, s.skyTop.g, s.skyTop.b);
  cairo_pattern_add_color_stop_rgb(p, 0.45, s.skyMid.r, s.skyMid.g, s.skyMid.b);
  cairo_pattern_add_color_stop_rgb(p, 0.8, s.skyLow.r, s.skyLow.g, s.skyLow.b);
  cairo_pattern_add_color_stop_rgb(p, 1, s.skyLow.r, s.skyLow.g, s.skyLow.b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_paint(cr);
}

void aurora(Canvas& c, assetgen::Rng& rng) {
  Canvas band(W, H);
  cairo_t* cr = band.cr();
  for (int k = 0; k < 3; ++k) {
    double y0 = 70 + k * 26, ph = rng.range(0, 6.28);
    cairo_move_to(cr, 0, y0);
    for (int x = 0; x <= W; x += 10)
      cairo_line_to(cr, x, y0 + 28 * std::sin(x / 130.0 + ph) + 10 * std::sin(x / 47.0 + ph));
    cairo_set_line_width(cr, 26 - k * 5);
    cairo_set_source_rgba(cr, 0.35, 0.95, 0.75 - k * 0.12, 0.22 - k * 0.04);
    cairo_stroke(cr);
  }
  band.blur(22);
  c.paint(band, 0, 0);
}

// Stars: many small ones toward the top and the sides, few in the middle where the board is.
void stars(Canvas& c, assetgen::Rng& rng) {
  cairo_t* cr = c.cr();
  for (int i = 0; i < 520; ++i) {
    double x = rng.range(0, W), y = rng.range(0, H * 0.62);
    double centre = std::exp(-std::pow((x - 400) / 230.0, 2) - std::pow((y - 330) / 200.0, 2));
    double a = rng.range(0.25, 0.95) * (1 - 0.8 * centre) * (1 - y / (H * 0.75));
    if (a < 0.08) continue;
    double r = rng.uniform() < 0.08 ? rng.range(1.1, 1.6) : rng.range(0.45, 0.9);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.9, 0.94, 1.0, a);
    cairo_fill(cr);
    if (r > 1.2 && centre < 0.3) {  // the brightest twinkle
      glow(cr, x, y, 6, {0.85, 0.9, 1, 1}, a * 0.5);
      cairo_set_source_rgba(cr, 1, 1, 1, a * 0.8);
      Canvas::star(cr, x, y, 5, 0.6, 4, -90);
      cairo_fill(cr);
    }
  }
}

void moon(Canvas& c, const Scene& s) {
  glow(c.cr(), s.moonX, s.moonY, s.moonR * 4.5, Rgba::hex(0xDCE8F7), s.crescent ? 0.16 : 0.28);
  Canvas disc(W, H);
  cairo_t* cr = disc.cr();
  cairo_arc(cr, s.moonX, s.moonY, s.moonR, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(s.moonX - s.moonR * 0.3, s.moonY - s.moonR * 0.3,
                                                   1, s.moonX, s.moonY, s.moonR);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.99, 0.93);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.86, 0.88, 0.84);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_fill(cr);
  // Faint maria.
  const double spots[][3] = {
      {-0.3, -0.15, 0.28}, {0.25, 0.2, 0.22}, {0.05, -0.4, 0.15}, {-0.1, 0.35, 0.12}};
  for (const auto& sp : spots) {
    cairo_arc(cr, s.moonX + sp[0] * s.moonR, s.moonY + sp[1] * s.moonR, sp[2] * s.moonR, 0,
              2 * M_PI);
    cairo_set_source_rgba(cr, 0.62, 0.66, 0.72, 0.28);
    cairo_fill(cr);
  }
  if (s.crescent) {  // the night's shadow takes away most of the disc
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_arc(cr, s.moonX + s.moonR * 0.55, s.moonY - s.moonR * 0.2, s.moonR * 0.95, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
  }
  c.paint(disc, 0, 0);
}

// A hill line: y for each x as a sum of gentle waves.
std::vector<double> ridge(assetgen::Rng& rng, double base, double amp) {
  double p1 = rng.range(0, 6.28), p2 = rng.range(0, 6.28), p3 = rng.range(0, 6.28);
  double f1 = rng.range(0.6, 1.2);
  std::vector<double> y(W / 4 + 2);
  for (size_t i = 0; i < y.size(); ++i) {
    double x = i * 4.0;
    y[i] = base - amp * (0.6 * std::sin(x / 160.0 * f1 + p1) + 0.3 * std::sin(x / 61.0 + p2) +
                         0.1 * std::sin(x / 23.0 + p3));
  }
  return y;
}

void hill(Canvas& c, const std::vector<double>& y, const Rgba& top, const Rgba& bottom,
          double rim) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 0, H);
  for (size_t i = 0; i < y.size(); ++i) cairo_line_to(cr, i * 4.0, y[i]);
  cairo_line_to(cr, W, H);
  cairo_close_path(cr);
  double y0 = *std::min_element(y.begin(), y.end());
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, H);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_fill(cr);
  // Moonlit crest.
  if (rim > 0) {
    cairo_move_to(cr, 0, y[0]);
    for (size_t i = 0; i < y.size(); ++i) cairo_line_to(cr, i * 4.0, y[i]);
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 0.95, 0.97, 1.0, rim);
    cairo_stroke(cr);
  }
}

double ridgeAt(const std::vector<double>& y, double x) {
  size_t i = std::min(y.size() - 2, static_cast<size_t>(std::max(0.0, x / 4)));
  double f = x / 4 - i;
  return y[i] * (1 - f) + y[i + 1] * f;
}

// A snowy pine: tiers of jagged boughs, dark against the sky, snow on their tops.
void pine(Canvas& c, double x, double base, double h, const Rgba& col, const Rgba& snow,
          assetgen::Rng& rng) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, x - h * 0.025, base - h * 0.12, h * 0.05, h * 0.14);
  fillPath(cr, col);
  int tiers = 5;
  for (int k = 0; k < tiers; ++k) {
    double top = base - h + k * h * 0.16, bottom = top + h * 0.3;
    double half = h * (0.11 + 0.055 * k);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + half, bottom);
    for (int j = 4; j >= -4; --j)
      cairo_line_to(cr, x + half * j / 4.0, bottom - (j % 2 ? h * 0.025 : 0) + rng.range(0, 1.5));
    cairo_line_to(cr, x - half, bottom);
    cairo_close_path(cr);
    fillPath(cr, col);
    // Snow along the upper-left slope of each tier.
    cairo_move_to(cr, x, top + 1);
    cairo_line_to(cr, x - half * 0.85, bottom - h * 0.04);
    cairo_line_to(cr, x - half * 0.55, bottom - h * 0.07);
    cairo_line_to(cr, x + half * 0.15, top + h * 0.1);
    cairo_close_path(cr);
    fillPath(cr, snow);
  }
}

// A small house with a snow-laden roof and warm windows.
void house(Canvas& c, Canvas& lights, double x, double base, double w, double h, bool steeple,
           const Rgba& wall, assetgen::Rng& rng) {
  cairo_t* cr = c.cr();
  double roof = h * 0.55;
  if (steeple) {
    double sx = x + w * 0.5;
    cairo_rectangle(cr, sx - w * 0.14, base - h - roof * 1.6, w * 0.28, h + roof);
    fillPath(cr, wall);
    cairo_move_to(cr, sx - w * 0.2, base - h - roof * 1.6);
    cairo_line_to(cr, sx, base - h - roof * 3.4);
    cairo_line_to(cr, sx + w * 0.2, base - h - roof * 1.6);
    cairo_close_path(cr);
    fillPath(cr, Rgba::hex(0xDCE8F7));
    glow(lights.cr(), sx, base - h - roof * 1.1, 9, Rgba::hex(0xFFC94D), 0.7);
    cairo_rectangle(cr, sx - 2.5, base - h - roof * 1.35, 5, 8);
    fillPath(cr, Rgba::hex(0xFFD877));
  }
  cairo_rectangle(cr, x, base - h, w, h + 4);
  fillPath(cr, wall);
  // Chimney.
  cairo_rectangle(cr, x + w * 0.68, base - h - roof * 0.9, w * 0.1, roof * 0.6);
  fillPath(cr, wall);
  // Roof with a thick snow cover that overhangs.
  cairo_move_to(cr, x - w * 0.12, base - h + 2);
  cairo_line_to(cr, x + w * 0.5, base - h - roof);
  cairo_line_to(cr, x + w * 1.12, base - h + 2);
  cairo_curve_to(cr, x + w * 0.8, base - h + 5, x + w * 0.2, base - h + 5, x - w * 0.12,
                 base - h + 2);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, base - h - roof, x + w, base - h);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.96, 0.97, 1.0);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.62, 0.72, 0.88);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_fill(cr);
  // Windows.
  int n = w > 40 ? 2 : 1;
  for (int i = 0; i < n; ++i) {
    double wx = x + w * (n == 1 ? 0.38 : 0.2 + 0.42 * i), wy = base - h * 0.7;
    double ww = w * 0.22, wh = h * 0.36;
    if (rng.uniform() < 0.85) {
      glow(lights.cr(), wx + ww / 2, wy + wh / 2, ww * 2.6, Rgba::hex(0xFFB84A), 0.55);
      cairo_rectangle(cr, wx, wy, ww, wh);
      cairo_pattern_t* g = cairo_pattern_create_linear(wx, wy, wx, wy + wh);
      cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.91, 0.66);
      cairo_pattern_add_color_stop_rgb(g, 1, 0.91, 0.61, 0.12);
      cairo_set_source(cr, g);
      cairo_pattern_destroy(g);
      cairo_fill(cr);
      cairo_set_source_rgba(cr, wall.r, wall.g, wall.b, 1);
      cairo_set_line_width(cr, 1.2);
      cairo_move_to(cr, wx + ww / 2, wy);
      cairo_line_to(cr, wx + ww / 2, wy + wh);
      cairo_move_to(cr, wx, wy + wh / 2);
      cairo_line_to(cr, wx + ww, wy + wh / 2);
      cairo_stroke(cr);
    } else {
      cairo_rectangle(cr, wx, wy, ww, wh);
      fillPath(cr, Rgba::hex(0x243258));
    }
  }
}

void village(Canvas& c, Canvas& lights, const std::vector<double>& ground, double from, double to,
             bool church, assetgen::Rng& rng) {
  double x = from;
  int i = 0;
  while (x < to) {
    double w = rng.range(36, 56), h = rng.range(24, 34);
    double base = ridgeAt(ground, x + w / 2) + 6;
    Rgba wall = Rgba::hex(0x1B2646).mix(Rgba::hex(0x2A2A40), rng.uniform());
    house(c, lights, x, base, w, h, church && i == 1, wall, rng);
    x += w + rng.range(6, 18);
    ++i;
  }
}

void drawScene(assetgen::Output& out, const Scene& s) {
  assetgen::Rng rng(s.seed);
  Canvas c(W, H);
  sky(c, s);
  if (s.aurora) aurora(c, rng);
  stars(c, rng);
  moon(c, s);

  // Far mountains, then three layers of snowy hills, nearer ones brighter.
  auto far = ridge(rng, 405, 55);
  hill(c, far, s.skyLow.mix(Rgba::hex(0xB7CDE8), 0.25), s.skyMid.mix(s.skyLow, 0.5), 0.25);
  auto mid = ridge(rng, 470, 30);
  auto near = ridge(rng, 530, 22);
  Rgba pineFar = s.skyMid.mix({0, 0, 0, 1}, 0.35);
  Rgba pineSnowFar = s.skyLow.mix(Rgba::hex(0xDCE8F7), 0.35);
  for (int i = 0; i < 40; ++i) {  // a distant forest along the middle hills' crest
    double x = rng.range(0, W);
    double edge = std::min(1.0, std::abs(x - 400) / 260.0);
    double h = rng.range(22, 40) * (0.55 + 0.45 * edge);
    pine(c, x, ridgeAt(mid, x) + 6, h, pineFar, pineSnowFar, rng);
  }
  hill(c, mid, Rgba::hex(0x8FA8CC).mix(s.skyLow, 0.35), Rgba::hex(0x4E6A98), 0.5);

  Canvas lights(W, H);
  if (s.villageLeft) village(c, lights, near, 8, 200, s.church, rng);
  if (s.villageRight) village(c, lights, near, 592, 790, s.church && !s.villageLeft, rng);
  hill(c, near, Rgba::hex(0xDCE8F7), Rgba::hex(0x8FA6CC), 0.8);

  // Pines framing the scene at both sides, tallest at the edges.
  Rgba pineCol = Rgba::hex(0x0E2A2A).mix(s.skyTop, 0.35);
  Rgba snow = Rgba::hex(0xDCE8F7);
  for (int side : {-1, 1})
    for (int k = 0; k < 4; ++k) {
      bool village = (side < 0 && s.villageLeft) || (side > 0 && s.villageRight);
      double reach = village ? 60 : 150;  // keep the houses in view
      double x = side < 0 ? rng.range(-10, reach) : rng.range(800 - reach, 810);
      double h = rng.range(120, 200) * (1.0 - 0.12 * k);
      if (village) h *= 0.8;
      double xx = side < 0 ? x - k * 8 : x + k * 8;
      pine(c, xx, ridgeAt(near, std::clamp(xx, 0.0, 799.0)) + 30, h, pineCol, snow, rng);
    }
  c.paint(lights, 0, 0);

  // Calm the middle, where the board sits: lower the contrast and dim it slightly.
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, 400, 330);
  cairo_scale(cr, 300, 250);
  cairo_pattern_t* veil = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(veil, 0, s.skyMid.r * 0.7, s.skyMid.g * 0.7, s.skyMid.b * 0.8,
                                    0.5);
  cairo_pattern_add_color_stop_rgba(veil, 0.6, s.skyMid.r * 0.7, s.skyMid.g * 0.7, s.skyMid.b * 0.8,
                                    0.3);
  cairo_pattern_add_color_stop_rgba(veil, 1, s.skyMid.r, s.skyMid.g, s.skyMid.b, 0);
  cairo_set_source(cr, veil);
  cairo_pattern_destroy(veil);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
  // Vignette.
  cairo_pattern_t* vig = cairo_pattern_create_radial(400, 300, 250, 400, 300, 560);
  cairo_pattern_add_color_stop_rgba(vig, 0, 0, 0, 0.05, 0);
  cairo_pattern_add_color_stop_rgba(vig, 1, 0, 0, 0.05, 0.45);
  cairo_set_source(cr, vig);
  cairo_pattern_destroy(vig);
  cairo_paint(cr);

  out.saveJpeg("gfx/backgrounds/back" + std::to_string(s.id) + ".jpg", c, 90);
}

ASSETGEN_REGISTER("board-background1", [](assetgen::Output& o) { drawScene(o, kScenes[0]); });
ASSETGEN_REGISTER("board-background2", [](assetgen::Output& o) { drawScene(o, kScenes[1]); });
ASSETGEN_REGISTER("board-background3", [](assetgen::Output& o) { drawScene(o, kScenes[2]); });
ASSETGEN_REGISTER("board-background4", [](assetgen::Output& o) { drawScene(o, kScenes[3]); });

}  // namespace
