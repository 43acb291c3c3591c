// The tree screen's landscape, 800 x 600, by night (back.jpeg) and by day (back-day.jpg): the
// same place in two lights. The tree stands in the middle (x 268 to 648, tip at y 100, trunk at
// y 548), so the middle holds only a calm sky, faint far hills and the snowfield on which the
// presents stand (y 490 to 580); the detail sits at the edges: a house on the left whose chimney
// smokes, a small village on either side, firs far behind. By night the moon is up on the left,
// away from the sleigh's path over the upper right; by day the sky around (370, 70) stays plain
// for the sun the screen draws there.
#include <cmath>
#include <vector>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "core/Rng.h"
#include "treescreen/TreeScreenLayout.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using namespace assetgen::treescreen;

struct Light {
  bool day;
  Rgba skyTop, skyMid, skyLow;
  Rgba farHill, midHill, nearSnow, snowShadow;
  Rgba fir, wall, roof, window, chimney;
  Rgba rim;  // the lit upper edge of the snow (moonlight or low sun)
};

const Light kNight{false,
                   Rgba::hex(0x0B1633),
                   Rgba::hex(0x14264F),
                   Rgba::hex(0x3A64A8),
                   Rgba::hex(0x2A4A80),
                   Rgba::hex(0x4A6A9E),
                   Rgba::hex(0x9FB6D8),
                   Rgba::hex(0x5E7BAA),
                   Rgba::hex(0x0E2A2A),
                   Rgba::hex(0x3B2E3E),
                   Rgba::hex(0x2A2238),
                   Rgba::hex(0xFFC94D),
                   Rgba::hex(0x6E5C72),
                   Rgba::hex(0xDCE8F7)};

const Light kDay{true,
                 Rgba::hex(0x5E93D6),
                 Rgba::hex(0x9CC0EA),
                 Rgba::hex(0xF3E6CC),
                 Rgba::hex(0x9DB8DC),
                 Rgba::hex(0xC9DAF0),
                 Rgba::hex(0xF4F8FF),
                 Rgba::hex(0xB7CDE8),
                 Rgba::hex(0x23703A),
                 Rgba::hex(0xA8704A),
                 Rgba::hex(0x7A3A30),
                 Rgba::hex(0x4A5F80),
                 Rgba::hex(0x7A4A36),
                 Rgba::hex(0xFFE9A8)};

void fill(cairo_t* cr, const Rgba& c) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
  cairo_fill(cr);
}

void softSpot(cairo_t* cr, double x, double y, double r, const Rgba& c, double a) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
  cairo_pattern_add_color_stop_rgba(p, 0.35, c.r, c.g, c.b, a * 0.35);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
}

void sky(Canvas& c, const Light& l) {
  c.linearGradient(0, 0, 0, 420, {{0, l.skyTop}, {0.55, l.skyMid}, {1, l.skyLow}});
  cairo_paint(c.cr());
  if (l.day) {
    // The low sun warms the sky around it; the disc itself is drawn by the screen.
    softSpot(c.cr(), 370, 70, 260, Rgba::hex(0xFFF3D0), 0.35);
  }
}

// Stars thin out toward the middle and the lower sky; none on the moon.
void stars(Canvas& c, assetgen::Rng& rng) {
  cairo_t* cr = c.cr();
  for (int i = 0; i < 260; ++i) {
    double x = rng.range(0, kScreenW), y = rng.range(0, 330);
    double middle = std::exp(-std::pow((x - 458) / 170.0, 2));
    if (rng.uniform() < 0.55 * middle + y / 600.0) continue;
    if (std::hypot(x - 214, y - 66) < 44) continue;
    double r = rng.range(0.4, 1.1), a = rng.range(0.35, 0.9) * (1 - y / 420.0);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    fill(cr, Rgba::hex(0xF4F8FF, a));
  }
  for (int i = 0; i < 7; ++i) {
    double x = rng.range(20, 780), y = rng.range(20, 200);
    if (std::abs(x - 458) < 150 || std::hypot(x - 214, y - 66) < 60) continue;
    c.glint(x, y, rng.range(3.5, 6), 0.8, 0.12, false);
  }
}

void moon(Canvas& c) {
  cairo_t* cr = c.cr();
  const double x = 214, y = 66, r = 22;
  softSpot(cr, x, y, 120, Rgba::hex(0xB7CDE8), 0.22);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  c.radialGradient(
      x - 7, y - 8, 2, x, y, r,
      {{0, Rgba::hex(0xFFFDF3)}, {0.7, Rgba::hex(0xF1ECD8)}, {1, Rgba::hex(0xD8D4C4)}});
  cairo_fill(cr);
  // A few soft grey seas, lower right as the light comes from the upper left.
  const double seas[3][3] = {{5, 4, 6}, {-6, 7, 4}, {8, -6, 3.5}};
  for (const auto& s : seas) {
    cairo_arc(cr, x + s[0], y + s[1], s[2], 0, 2 * M_PI);
    fill(cr, Rgba::hex(0xB9B4A6, 0.35));
  }
}

// A rolling ridge from x 0 to 800 around `base`, filled down to the bottom.
void ridge(Canvas& c, double base, double amp, double wave, double phase, const Rgba& top,
           const Rgba& bottom, double shade = 0) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 0, kScreenH);
  for (int x = 0; x <= kScreenW; x += 8)
    cairo_line_to(
        cr, x, base - amp * std::sin(x / wave + phase) - amp * 0.4 * std::sin(x / (wave * 0.37)));
  cairo_line_to(cr, kScreenW, kScreenH);
  cairo_close_path(cr);
  c.linearGradient(0, base - amp * 1.4, shade, base + 120, {{0, top}, {1, bottom}});
  cairo_fill(cr);
}

double ridgeY(double x, double base, double amp, double wave, double phase) {
  return base - amp * std::sin(x / wave + phase) - amp * 0.4 * std::sin(x / (wave * 0.37));
}

// A fir seen from afar: three stacked triangles with snow on the left shoulders.
void fir(Canvas& c, const Light& l, double x, double baseY, double h) {
  cairo_t* cr = c.cr();
  const double w = h * 0.45;
  for (int k = 0; k < 3; ++k) {
    double top = baseY - h + k * h * 0.28, bottom = baseY - h * 0.1 - (2 - k) * h * 0.12;
    double half = w * (0.55 + 0.22 * k);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + half, bottom);
    cairo_line_to(cr, x - half, bottom);
    cairo_close_path(cr);
    fill(cr, l.fir);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x - half * 0.9, bottom - 1);
    cairo_line_to(cr, x - half * 0.35, bottom - h * 0.06);
    cairo_close_path(cr);
    fill(cr, l.nearSnow.withAlpha(l.day ? 0.85 : 0.55));
  }
}

struct House {
  double x, baseY, w, h, roofH;
  double chimneyX;  // 0: none
  int windows;
};

void houseRoof(Canvas& c, const Light& l, const House& hs) {
  cairo_t* cr = c.cr();
  const double eaves = hs.baseY - hs.h, apex = eaves - hs.roofH;
  const double left = hs.x - 6, right = hs.x + hs.w + 6, mid = hs.x + hs.w / 2;
  cairo_move_to(cr, left, eaves);
  cairo_line_to(cr, mid, apex);
  cairo_line_to(cr, right, eaves);
  cairo_close_path(cr);
  fill(cr, l.roof);
  // The snow on the roof, thick and rounded at the eaves.
  cairo_move_to(cr, left - 2, eaves + 1);
  cairo_line_to(cr, mid, apex - 3);
  cairo_line_to(cr, right + 2, eaves + 1);
  cairo_curve_to(cr, right - 4, eaves + 5, right - 8, eaves - 1, mid, apex + 6);
  cairo_curve_to(cr, left + 8, eaves - 1, left + 4, eaves + 5, left - 2, eaves + 1);
  c.linearGradient(left, apex, right, eaves, {{0, l.rim}, {0.5, l.nearSnow}, {1, l.snowShadow}});
  cairo_fill(cr);
}

void houseChimney(Canvas& c, const Light& l, const House& hs) {
  if (hs.chimneyX <= 0) return;
  cairo_t* cr = c.cr();
  const double eaves = hs.baseY - hs.h, apex = eaves - hs.roofH;
  const double mid = hs.x + hs.w / 2;
  const double roofAt = apex + (hs.chimneyX - mid) / (hs.w / 2 + 6) * hs.roofH;
  // The top of the chimney is exactly at chimney top y; 7 px either side of its centre.
  // Stone lit from the upper left: the left side lighter.
  cairo_rectangle(cr, hs.chimneyX - 6, kChimneyY + 3, 12, roofAt - kChimneyY + 2);
  c.linearGradient(hs.chimneyX - 6, 0, hs.chimneyX + 6, 0,
                   {{0, l.chimney.mix(Rgba::hex(0xFFFFFF), 0.15)},
                    {1, l.chimney.mix(Rgba::hex(0x000000), 0.2)}});
  cairo_fill(cr);
  Canvas::roundedRect(cr, hs.chimneyX - 8, kChimneyY, 16, 5, 2);
  fill(cr, l.nearSnow);
}

void houseBody(Canvas& c, const Light& l, const House& hs) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, hs.x, hs.baseY - hs.h, hs.w, hs.h);
  c.linearGradient(
      hs.x, 0, hs.x + hs.w, 0,
      {{0, l.wall.mix(Rgba::hex(0xFFFFFF), 0.12)}, {1, l.wall.mix(Rgba::hex(0x000000), 0.2)}});
  cairo_fill(cr);
  const double ww = 7, wh = 9, gap = hs.w / (hs.windows + 1);
  for (int i = 1; i <= hs.windows; ++i) {
    double wx = hs.x + gap * i - ww / 2, wy = hs.baseY - hs.h * 0.62;
    if (!l.day) softSpot(cr, wx + ww / 2, wy + wh / 2, 16, l.window, 0.35);
    cairo_rectangle(cr, wx, wy, ww, wh);
    fill(cr, l.window);
    cairo_rectangle(cr, wx + ww / 2 - 0.5, wy, 1, wh);
    cairo_rectangle(cr, wx, wy + wh / 2 - 0.5, ww, 1);
    fill(cr, l.wall.mix(Rgba::hex(0x000000), 0.3));
  }
}

void house(Canvas& c, const Light& l, const House& hs) {
  houseChimney(c, l, hs);
  houseBody(c, l, hs);
  houseRoof(c, l, hs);
}

// Far mountains, hazy and low in contrast, their snowy peaks catching the light from the left.
void mountains(Canvas& c, const Light& l) {
  cairo_t* cr = c.cr();
  const double peaks[][3] = {
      {-40, 250, 150}, {90, 262, 120}, {600, 246, 140}, {730, 236, 150}, {860, 256, 120}};
  const Rgba body = l.farHill.mix(l.skyLow, 0.45);
  for (const auto& p : peaks) {
    const double x = p[0], y = p[1], half = p[2];
    cairo_move_to(cr, x - half, 360);
    cairo_line_to(cr, x - half * 0.2, y + 12);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + half * 0.25, y + 16);
    cairo_line_to(cr, x + half, 360);
    cairo_close_path(cr);
    c.linearGradient(x - half, y, x + half * 0.6, 360,
                     {{0, body.mix(l.nearSnow, 0.25)}, {1, body}});
    cairo_fill(cr);
    cairo_move_to(cr, x - half * 0.2, y + 12);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + half * 0.25, y + 16);
    cairo_line_to(cr, x + half * 0.1, y + 24);
    cairo_line_to(cr, x - half * 0.05, y + 18);
    cairo_line_to(cr, x - half * 0.22, y + 28);
    cairo_close_path(cr);
    fill(cr, l.day ? l.nearSnow.mix(l.rim, 0.3) : l.rim.withAlpha(0.45));
  }
}

void farLayers(Canvas& c, const Light& l, assetgen::Rng& rng) {
  mountains(c, l);
  ridge(c, 330, 26, 90, 0.7, l.farHill, l.midHill);
  for (int i = 0; i < 40; ++i) {
    double x = rng.range(0, kScreenW);
    if (std::abs(x - 458) < 120) continue;
    fir(c, l, x, ridgeY(x, 330, 26, 90, 0.7) + 6, rng.range(12, 22));
  }
  ridge(c, 392, 18, 140, 2.1, l.midHill, l.snowShadow);
}

// The hill on the left that carries the smoking house, and the one on the right.
void sideHills(Canvas& c, const Light& l) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 0, 220);
  cairo_curve_to(cr, 120, 214, 250, 232, 330, 300);
  cairo_curve_to(cr, 380, 340, 420, 390, 470, 430);
  cairo_line_to(cr, 0, 430);
  cairo_close_path(cr);
  c.linearGradient(0, 220, 200, 430, {{0, l.rim}, {0.25, l.nearSnow}, {1, l.snowShadow}});
  cairo_fill(cr);
  cairo_move_to(cr, 800, 300);
  cairo_curve_to(cr, 720, 300, 640, 330, 560, 400);
  cairo_line_to(cr, 540, 430);
  cairo_line_to(cr, 800, 430);
  cairo_close_path(cr);
  c.linearGradient(800, 300, 600, 430, {{0, l.nearSnow}, {1, l.snowShadow}});
  cairo_fill(cr);
}

void villages(Canvas& c, const Light& l, assetgen::Rng& rng) {
  // Far houses on the right, small, then near ones on the left edge behind the panel.
  const House right[] = {{672, 334, 26, 16, 12, 0, 2},
                         {706, 322, 30, 18, 13, 0, 2},
                         {744, 314, 24, 16, 11, 0, 1},
                         {770, 318, 28, 18, 12, 0, 2}};
  for (const House& h : right) house(c, l, h);
  for (int i = 0; i < 6; ++i) {
    double x = 640 + i * 28 + rng.range(-6, 6);
    fir(c, l, x, 346 + rng.range(0, 10), rng.range(22, 34));
  }
  const House left[] = {
      {18, 246, 40, 26, 18, 0, 2}, {76, 240, 44, 28, 20, 0, 2}, {132, 250, 36, 24, 16, 0, 1}};
  for (const House& h : left) house(c, l, h);
  // The house whose chimney smokes: chimney top at (256, 204).
  house(c, l, {200, 268, 90, 34, 18, kChimneyX, 3});
  if (!l.day) {
    cairo_save(c.cr());
    cairo_scale(c.cr(), 1, 0.35);
    softSpot(c.cr(), 245, 280 / 0.35, 60, l.window, 0.28);
    cairo_restore(c.cr());
  }
  for (double x : {318.0, 336.0, 300.0}) fir(c, l, x, 300 + (x - 300) * 0.8, 40);
  for (double x : {12.0, 150.0, 176.0}) fir(c, l, x, 262, 46);
}

// The snowfield in front: presents stand on it between y 490 and 580.
void snowfield(Canvas& c, const Light& l) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 0, 440);
  cairo_curve_to(cr, 200, 455, 330, 470, 458, 468);
  cairo_curve_to(cr, 600, 466, 700, 440, 800, 430);
  cairo_line_to(cr, 800, 600);
  cairo_line_to(cr, 0, 600);
  cairo_close_path(cr);
  c.linearGradient(0, 430, 0, 600, {{0, l.rim}, {0.12, l.nearSnow}, {1, l.snowShadow}});
  cairo_fill(cr);
  // Soft drifts: bluish hollows toward the lower right of each mound.
  const double drifts[][4] = {{120, 540, 150, 26}, {640, 520, 170, 24}, {420, 590, 220, 22}};
  for (const auto& d : drifts) {
    cairo_save(cr);
    cairo_translate(cr, d[0], d[1]);
    cairo_scale(cr, d[2], d[3]);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    c.linearGradient(
        d[0] - d[2], d[1] - d[3], d[0] + d[2], d[1] + d[3],
        {{0, Rgba::hex(0xFFFFFF, l.day ? 0.55 : 0.2)}, {1, l.snowShadow.withAlpha(0.45)}});
    cairo_fill(cr);
  }
  // The tree's soft shadow on the snow, falling down-right.
  cairo_save(cr);
  cairo_translate(cr, 480, 552);
  cairo_scale(cr, 200, 22);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  c.radialGradient(480, 552, 0, 200,
                   {{0, l.snowShadow.withAlpha(0.6)}, {1, l.snowShadow.withAlpha(0)}});
  cairo_fill(cr);
}

// A little sparkle on the snow, quiet.
void glitter(Canvas& c, const Light& l, assetgen::Rng& rng) {
  cairo_t* cr = c.cr();
  for (int i = 0; i < 160; ++i) {
    double x = rng.range(0, kScreenW), y = rng.range(470, 600);
    cairo_arc(cr, x, y, rng.range(0.4, 0.9), 0, 2 * M_PI);
    fill(cr, Rgba::hex(l.day ? 0xFFFFFF : 0xDCE8F7, rng.range(0.3, 0.8)));
  }
}

void landscape(Canvas& c, const Light& l) {
  assetgen::Rng rng(0x7EE5C0);
  sky(c, l);
  if (!l.day) {
    stars(c, rng);
    moon(c);
  }
  farLayers(c, l, rng);
  sideHills(c, l);
  villages(c, l, rng);
  snowfield(c, l);
  glitter(c, l, rng);
}

void makeNight(assetgen::Output& out) {
  Canvas c(kScreenW, kScreenH);
  landscape(c, kNight);
  out.saveJpeg("gfx/gui/treeScreen/back.jpeg", c, 92);
}
ASSETGEN_REGISTER("tree screen night", makeNight);

void makeDay(assetgen::Output& out) {
  Canvas c(kScreenW, kScreenH);
  landscape(c, kDay);
  out.saveJpeg("gfx/gui/treeScreen/back-day.jpg", c, 92);
}
ASSETGEN_REGISTER("tree screen day", makeDay);

}  // namespace
