#include "gui/NightScene.h"

#include <algorithm>
#include <cmath>

namespace assetgen::gui::night {

namespace {

void fill(cairo_t* cr, const Rgba& c) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
  cairo_fill(cr);
}

const Rgba kBlack = Rgba::hex(0x000000);
const Rgba kWhite = Rgba::hex(0xFFFFFF);

// Night walls: dark plum, weathered wood and stone, lit a little on the left.
Rgba wallTone(int tone) {
  static const Rgba tones[3] = {Rgba::hex(0x3B2E3E), Rgba::hex(0x4A3530), Rgba::hex(0x34384F)};
  return tones[((tone % 3) + 3) % 3];
}

void window(Canvas& c, double x, double y, double w, double h, const Rgba& frame) {
  cairo_t* cr = c.cr();
  softSpot(cr, x + w / 2, y + h / 2, w * 2.6, colors::kWarm, 0.32);
  cairo_rectangle(cr, x, y, w, h);
  c.linearGradient(x, y, x, y + h, {{0, colors::kWarmPale}, {1, Rgba::hex(0xF0A93A)}});
  cairo_fill(cr);
  cairo_rectangle(cr, x + w / 2 - 0.5, y, 1, h);
  cairo_rectangle(cr, x, y + h / 2 - 0.5, w, 1);
  fill(cr, frame);
  // A little snow on the sill.
  Canvas::roundedRect(cr, x - 1, y + h - 0.5, w + 2, 2, 1);
  fill(cr, colors::kSnow.withAlpha(0.85));
}

// The snowy roof over a box from `left` to `right` with its eaves at `eaves`.
void snowyRoof(Canvas& c, double left, double right, double eaves, double roofH, const Rgba& roof) {
  cairo_t* cr = c.cr();
  const double mid = (left + right) / 2, apex = eaves - roofH;
  cairo_move_to(cr, left, eaves);
  cairo_line_to(cr, mid, apex);
  cairo_line_to(cr, right, eaves);
  cairo_close_path(cr);
  fill(cr, roof);
  const double thick = std::max(3.0, roofH * 0.28);
  cairo_move_to(cr, left - 2, eaves + 1);
  cairo_line_to(cr, mid, apex - 2.5);
  cairo_line_to(cr, right + 2, eaves + 1);
  cairo_curve_to(cr, right - 3, eaves + thick * 0.6, right - 6, eaves - thick * 0.3, mid,
                 apex + thick);
  cairo_curve_to(cr, left + 6, eaves - thick * 0.3, left + 3, eaves + thick * 0.6, left - 2,
                 eaves + 1);
  c.linearGradient(left, apex, right, eaves,
                   {{0, colors::kSnowLit}, {0.45, colors::kSnow}, {1, colors::kSnowShade}});
  cairo_fill(cr);
}

}  // namespace

void softSpot(cairo_t* cr, double x, double y, double r, const Rgba& color, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, color.r, color.g, color.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.3, color.r, color.g, color.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(p, 0.65, color.r, color.g, color.b, alpha * 0.12);
  cairo_pattern_add_color_stop_rgba(p, 1, color.r, color.g, color.b, 0);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
}

void sky(Canvas& c, double horizon) {
  c.linearGradient(0, 0, 0, horizon,
                   {{0, colors::kSkyDeep},
                    {0.45, colors::kSkyDark},
                    {0.8, colors::kSkyMid},
                    {1, colors::kSkyLight}});
  cairo_paint(c.cr());
}

void stars(Canvas& c, Rng& rng, int count, double maxY, double brightness, bool glints,
           const std::vector<Circle>& avoid) {
  cairo_t* cr = c.cr();
  auto avoided = [&](double x, double y, double margin) {
    for (const Circle& a : avoid)
      if (std::hypot(x - a.x, y - a.y) < a.r + margin) return true;
    return false;
  };
  for (int i = 0; i < count; ++i) {
    const double x = rng.range(0, c.width()), y = rng.range(0, maxY);
    const double r = rng.range(0.35, 1.1), a = rng.range(0.3, 0.9);
    if (rng.uniform() < y / maxY * 0.6 || avoided(x, y, 0)) continue;
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    fill(cr, colors::kSnowLit.withAlpha(a * brightness * (1 - 0.5 * y / maxY)));
  }
  for (int i = 0; glints && i < count / 40; ++i) {
    const double x = rng.range(20, c.width() - 20), y = rng.range(15, maxY * 0.6);
    if (avoided(x, y, 20)) continue;
    c.glint(x, y, rng.range(3.0, 5.5) * std::sqrt(brightness), 0.8, 0.12, false);
  }
}

void moon(Canvas& c, double x, double y, double r) {
  cairo_t* cr = c.cr();
  softSpot(cr, x, y, r * 6, Rgba::hex(0xB7CDE8), 0.28);
  softSpot(cr, x, y, r * 2.2, Rgba::hex(0xF4F8FF), 0.25);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  c.radialGradient(
      x - r * 0.3, y - r * 0.35, r * 0.1, x, y, r,
      {{0, Rgba::hex(0xFFFDF3)}, {0.7, Rgba::hex(0xF1ECD8)}, {1, Rgba::hex(0xD8D4C4)}});
  cairo_fill(cr);
  const double seas[3][3] = {{0.22, 0.18, 0.27}, {-0.27, 0.32, 0.18}, {0.36, -0.27, 0.16}};
  for (const auto& s : seas) {
    cairo_arc(cr, x + s[0] * r, y + s[1] * r, s[2] * r, 0, 2 * M_PI);
    fill(cr, Rgba::hex(0xB9B4A6, 0.35));
  }
}

void mountains(Canvas& c, const std::vector<Peak>& peaks, double baseY, const Rgba& body) {
  cairo_t* cr = c.cr();
  for (const Peak& p : peaks) {
    cairo_move_to(cr, p.x - p.half, baseY);
    cairo_line_to(cr, p.x - p.half * 0.2, p.y + p.half * 0.09);
    cairo_line_to(cr, p.x, p.y);
    cairo_line_to(cr, p.x + p.half * 0.25, p.y + p.half * 0.12);
    cairo_line_to(cr, p.x + p.half, baseY);
    cairo_close_path(cr);
    c.linearGradient(p.x - p.half, p.y, p.x + p.half * 0.6, baseY,
                     {{0, body.mix(colors::kSnow, 0.22)}, {1, body}});
    cairo_fill(cr);
    // Snow on the peak, lit on its left face.
    cairo_move_to(cr, p.x - p.half * 0.2, p.y + p.half * 0.09);
    cairo_line_to(cr, p.x, p.y);
    cairo_line_to(cr, p.x + p.half * 0.25, p.y + p.half * 0.12);
    cairo_line_to(cr, p.x + p.half * 0.1, p.y + p.half * 0.18);
    cairo_line_to(cr, p.x - p.half * 0.05, p.y + p.half * 0.13);
    cairo_line_to(cr, p.x - p.half * 0.22, p.y + p.half * 0.21);
    cairo_close_path(cr);
    c.linearGradient(p.x - p.half * 0.2, p.y, p.x + p.half * 0.25, p.y,
                     {{0, colors::kSnow.withAlpha(0.55)}, {1, colors::kSnowShade.withAlpha(0.4)}});
    cairo_fill(cr);
  }
}

double Ridge::at(double x) const {
  return base - amp * std::sin(x / wave + phase) - amp * 0.4 * std::sin(x / (wave * 0.37) + phase);
}

void ridge(Canvas& c, const Ridge& r, const Rgba& top, const Rgba& bottom, double rimAlpha) {
  cairo_t* cr = c.cr();
  auto outline = [&](cairo_t* t) {
    cairo_move_to(t, -2, r.at(-2));
    for (int x = 0; x <= c.width() + 8; x += 6) cairo_line_to(t, x, r.at(x));
  };
  outline(cr);
  cairo_line_to(cr, c.width() + 8, c.height());
  cairo_line_to(cr, -2, c.height());
  cairo_close_path(cr);
  c.linearGradient(0, r.base - r.amp * 1.4, 0, r.base + 140, {{0, top}, {1, bottom}});
  cairo_fill(cr);
  if (rimAlpha <= 0) return;
  // Moonlight caught on the crest.
  outline(cr);
  cairo_set_line_width(cr, 1.6);
  c.setColor(colors::kSnowLit.withAlpha(rimAlpha));
  cairo_stroke(cr);
}

void fir(Canvas& c, double x, double baseY, double h, const Rgba& body, double snow) {
  cairo_t* cr = c.cr();
  const double w = h * 0.46;
  cairo_rectangle(cr, x - h * 0.035, baseY - h * 0.12, h * 0.07, h * 0.12);
  fill(cr, body.mix(Rgba::hex(0x2A1A14), 0.5));
  const int tiers = h > 60 ? 5 : 4;
  for (int k = 0; k < tiers; ++k) {
    const double t = double(k) / (tiers - 1);
    const double top = baseY - h + t * h * 0.62, bottom = baseY - h * 0.08 - (1 - t) * h * 0.5;
    const double half = w * (0.34 + 0.66 * t);
    cairo_move_to(cr, x, top);
    cairo_curve_to(cr, x + half * 0.3, top + (bottom - top) * 0.5, x + half * 0.8,
                   bottom - (bottom - top) * 0.15, x + half, bottom);
    cairo_curve_to(cr, x + half * 0.5, bottom - 2, x - half * 0.5, bottom - 2, x - half, bottom);
    cairo_curve_to(cr, x - half * 0.8, bottom - (bottom - top) * 0.15, x - half * 0.3,
                   top + (bottom - top) * 0.5, x, top);
    c.linearGradient(x - half, 0, x + half, 0,
                     {{0, body.mix(kWhite, 0.1)}, {1, body.mix(kBlack, 0.25)}});
    cairo_fill(cr);
    if (snow <= 0) continue;
    // Snow on the left shoulder and along the bough's lower edge.
    cairo_move_to(cr, x, top);
    cairo_curve_to(cr, x - half * 0.3, top + (bottom - top) * 0.5, x - half * 0.8,
                   bottom - (bottom - top) * 0.15, x - half, bottom);
    cairo_curve_to(cr, x - half * 0.6, bottom - (bottom - top) * 0.35, x - half * 0.2,
                   top + (bottom - top) * 0.45, x + half * 0.15, top + (bottom - top) * 0.3);
    cairo_close_path(cr);
    fill(cr, colors::kSnow.withAlpha(snow));
    cairo_move_to(cr, x - half, bottom);
    cairo_curve_to(cr, x - half * 0.5, bottom - 2, x + half * 0.5, bottom - 2, x + half, bottom);
    cairo_set_line_width(cr, std::max(1.0, h * 0.02));
    c.setColor(colors::kSnow.withAlpha(snow * 0.7));
    cairo_stroke(cr);
  }
}

void house(Canvas& c, const House& hs) {
  cairo_t* cr = c.cr();
  const Rgba wall = wallTone(hs.tone);
  const double eaves = hs.baseY - hs.h, mid = hs.x + hs.w / 2;
  if (hs.chimney) {
    const double k = std::clamp(hs.w / 34, 0.6, 1.6);
    const double cx = hs.x + hs.w * 0.72, top = eaves - hs.roofH * 0.75;
    // A thin curl of smoke drifting to the right, fading as it rises.
    for (int i = 0; i < 6; ++i) {
      const double t = i / 5.0;
      softSpot(cr, cx + 9 * k * t * t + 2 * std::sin(t * 5), top - 4 * k - 26 * k * t,
               (4 + 7 * t) * k, Rgba::hex(0xB7CDE8), 0.16 * (1 - 0.8 * t));
    }
    cairo_rectangle(cr, cx - 4 * k, top, 8 * k, hs.roofH * 0.7);
    fill(cr, wall.mix(kBlack, 0.15));
    Canvas::roundedRect(cr, cx - 5.5 * k, top - 3 * k, 11 * k, 4 * k, 2 * k);
    fill(cr, colors::kSnow);
  }
  cairo_rectangle(cr, hs.x, eaves, hs.w, hs.h);
  c.linearGradient(hs.x, 0, hs.x + hs.w, 0,
                   {{0, wall.mix(kWhite, 0.14)}, {1, wall.mix(kBlack, 0.25)}});
  cairo_fill(cr);
  const double ww = std::max(5.0, hs.w * 0.13), wh = ww * 1.3;
  const double gap = hs.w / (hs.windows + 1);
  for (int i = 1; i <= hs.windows; ++i)
    window(c, hs.x + gap * i - ww / 2, hs.baseY - hs.h * 0.66, ww, wh, wall.mix(kBlack, 0.35));
  snowyRoof(c, hs.x - 5, hs.x + hs.w + 5, eaves, hs.roofH, Rgba::hex(0x2A2238));
  // The gable window, when the roof is tall enough.
  if (hs.roofH > 16) {
    cairo_arc(cr, mid, eaves - hs.roofH * 0.38, hs.roofH * 0.12, 0, 2 * M_PI);
    fill(cr, colors::kWarmPale.withAlpha(0.9));
  }
  // Snow heaped against the wall.
  cairo_save(cr);
  cairo_translate(cr, mid, hs.baseY);
  cairo_scale(cr, hs.w * 0.62, 4);
  cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_restore(cr);
  fill(cr, colors::kSnowShade.mix(colors::kSnow, 0.4));
}

void chapel(Canvas& c, double x, double baseY, double s) {
  cairo_t* cr = c.cr();
  const Rgba wall = Rgba::hex(0x4A4660);
  // The nave to the right of the tower.
  const double naveX = x + 12 * s, naveW = 46 * s, naveH = 30 * s;
  cairo_rectangle(cr, naveX, baseY - naveH, naveW, naveH);
  c.linearGradient(naveX, 0, naveX + naveW, 0,
                   {{0, wall.mix(kWhite, 0.12)}, {1, wall.mix(kBlack, 0.3)}});
  cairo_fill(cr);
  for (int i = 0; i < 2; ++i) {
    const double wx = naveX + (16 + i * 16) * s, wy = baseY - naveH * 0.75;
    softSpot(cr, wx, wy + 5 * s, 16 * s, colors::kWarm, 0.3);
    cairo_move_to(cr, wx - 3 * s, wy + 11 * s);
    cairo_line_to(cr, wx - 3 * s, wy + 3 * s);
    cairo_arc(cr, wx, wy + 3 * s, 3 * s, M_PI, 2 * M_PI);
    cairo_line_to(cr, wx + 3 * s, wy + 11 * s);
    cairo_close_path(cr);
    fill(cr, colors::kWarmPale);
  }
  snowyRoof(c, naveX - 3 * s, naveX + naveW + 3 * s, baseY - naveH, 18 * s, Rgba::hex(0x2A2238));
  // The tower, its bell opening and the spire.
  const double tw = 22 * s, th = 58 * s, tx = x;
  cairo_rectangle(cr, tx, baseY - th, tw, th);
  c.linearGradient(tx, 0, tx + tw, 0, {{0, wall.mix(kWhite, 0.16)}, {1, wall.mix(kBlack, 0.3)}});
  cairo_fill(cr);
  const double bx = tx + tw / 2, by = baseY - th + 14 * s;
  softSpot(cr, bx, by, 22 * s, colors::kWarm, 0.45);
  cairo_move_to(cr, bx - 5 * s, by + 7 * s);
  cairo_line_to(cr, bx - 5 * s, by - 2 * s);
  cairo_arc(cr, bx, by - 2 * s, 5 * s, M_PI, 2 * M_PI);
  cairo_line_to(cr, bx + 5 * s, by + 7 * s);
  cairo_close_path(cr);
  fill(cr, Rgba::hex(0xFFD77A));
  cairo_arc(cr, bx, by + 1 * s, 3 * s, M_PI, 2 * M_PI);  // the bell
  cairo_line_to(cr, bx + 3.6 * s, by + 4.5 * s);
  cairo_line_to(cr, bx - 3.6 * s, by + 4.5 * s);
  cairo_close_path(cr);
  fill(cr, Rgba::hex(0xA8610B));
  cairo_arc(cr, bx, baseY - th * 0.42, 3 * s, 0, 2 * M_PI);  // the round window
  fill(cr, colors::kWarmPale.withAlpha(0.9));
  const double spireTop = baseY - th - 34 * s;
  cairo_move_to(cr, tx - 3 * s, baseY - th + 1);
  cairo_line_to(cr, bx, spireTop);
  cairo_line_to(cr, tx + tw + 3 * s, baseY - th + 1);
  cairo_close_path(cr);
  c.linearGradient(tx, 0, tx + tw, 0,
                   {{0, colors::kSnow},
                    {0.5, colors::kSnow},
                    {0.5, Rgba::hex(0x2A2238)},
                    {1, Rgba::hex(0x1E1930)}});
  cairo_fill(cr);
  // A small gold cross on the tip.
  cairo_rectangle(cr, bx - 0.8 * s, spireTop - 8 * s, 1.6 * s, 8 * s);
  cairo_rectangle(cr, bx - 3 * s, spireTop - 6 * s, 6 * s, 1.6 * s);
  fill(cr, colors::kWarm);
}

void litTree(Canvas& c, Rng& rng, double x, double baseY, double h) {
  cairo_t* cr = c.cr();
  softSpot(cr, x, baseY - h * 0.45, h * 1.6, colors::kWarm, 0.35);
  softSpot(cr, x, baseY - h * 0.45, h * 0.8, colors::kWarmPale, 0.25);
  fir(c, x, baseY, h, Rgba::hex(0x1C4A34), 0.7);
  static const uint32_t bulbs[] = {0xE8343B, 0xFFC94D, 0x5FD4F0, 0xFF7FB0, 0xFFE9A8};
  const int count = static_cast<int>(h * 0.55);
  for (int i = 0; i < count; ++i) {
    const double v = rng.range(0.12, 0.9), half = h * 0.46 * v * 0.9;
    const double bx = x + rng.range(-half, half), by = baseY - h + v * h * 0.9;
    const Rgba col = Rgba::hex(bulbs[rng.between(0, 4)]);
    const double r = std::max(0.8, h * 0.018);
    softSpot(cr, bx, by, r * 5, col, 0.5);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    fill(cr, col.mix(kWhite, 0.45));
  }
  const double sy = baseY - h - h * 0.04;
  softSpot(cr, x, sy, h * 0.35, colors::kWarmPale, 0.6);
  Canvas::star(cr, x, sy, h * 0.075, h * 0.032, 5);
  fill(cr, colors::kWarmPale);
  c.glint(x, sy, h * 0.16, 0.9, 0.14, false);
}

void snowfall(Canvas& c, Rng& rng, int count, const Box& box, double maxRadius, double alpha,
              const std::vector<Box>& keepOut) {
  cairo_t* cr = c.cr();
  for (int i = 0; i < count; ++i) {
    const double x = rng.range(box.x0, box.x1), y = rng.range(box.y0, box.y1);
    // Most flakes small and far, a few large, soft and near.
    const double u = rng.uniform(), r = 0.6 + (maxRadius - 0.6) * u * u * u;
    const double a = alpha * rng.range(0.45, 1.0);
    bool blocked = false;
    for (const Box& k : keepOut) blocked = blocked || k.contains(x, y);
    if (blocked) continue;
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r * 1.6);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, a);
    cairo_pattern_add_color_stop_rgba(p, 0.45, 0.95, 0.97, 1, a * 0.75);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 0.94, 1, 0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_arc(cr, x, y, r * 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void mist(Canvas& c, double y, double height, double alpha) {
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, y - height, c.width(), height * 2);
  c.linearGradient(0, y - height, 0, y + height,
                   {{0, colors::kSnowShade.withAlpha(0)},
                    {0.5, colors::kSnow.withAlpha(alpha)},
                    {1, colors::kSnowShade.withAlpha(0)}});
  cairo_fill(cr);
}

void vignette(Canvas& c, double strength) {
  cairo_t* cr = c.cr();
  const double w = c.width(), h = c.height();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0.55, 0, 0, 1.45);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.02, 0.03, 0.08, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.02, 0.03, 0.08, strength);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace assetgen::gui::night
