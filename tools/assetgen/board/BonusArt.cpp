// The bonus kinds as looping strips of 42 x 42 frames: a bomb with a burning fuse, flames
// running out along one axis (vertical or horizontal fire) or both (cross fire), and a
// swirling vortex (vanish). Stronger kinds of the same effect carry more gold and glow.
#include <cmath>
#include <string>
#include <vector>

#include "board/BoardArt.h"
#include "core/Registry.h"

namespace {

using assetgen::Canvas;
using assetgen::Image;
using assetgen::Rgba;
using namespace assetgen::board;

constexpr int kFrames = 16;  // must match "::frames" of data/bonusy.dat
constexpr int S = kStripCell;

enum class Effect { Bomb, Cross, Vertical, Horizontal, Vanish };

void radialGlow(cairo_t* cr, double x, double y, double r, const Rgba& c, double a) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
  cairo_pattern_add_color_stop_rgba(p, 0.45, c.r, c.g, c.b, a * 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
}

// ---- bomb ----

void bombFrame(Canvas& out, double t, int tier) {
  cairo_t* cr = out.cr();
  double pulse = 0.5 + 0.5 * std::sin(t * 2 * M_PI);
  if (tier > 1) radialGlow(cr, 19, 25, 19, Rgba::hex(0xFF5A2A), 0.22 + 0.16 * pulse * (tier - 1));

  Canvas body(S, S);
  cairo_t* b = body.cr();
  double r = 13.2 + (tier == 3 ? 0.6 * pulse : 0);
  // Fuse: a curled cord from the cap.
  cairo_move_to(b, 27.5, 12.5);
  cairo_curve_to(b, 29.5, 7.5, 33, 9.5, 34, 6);
  cairo_set_line_width(b, 2.2);
  cairo_set_line_cap(b, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(b, 0.78, 0.62, 0.38);
  cairo_stroke(b);
  // Cap.
  cairo_save(b);
  cairo_translate(b, 26.5, 14.5);
  cairo_rotate(b, 0.75);
  Canvas::roundedRect(b, -4, -3, 8, 6, 1.2);
  cairo_pattern_t* cap = cairo_pattern_create_linear(-4, -3, 4, 3);
  cairo_pattern_add_color_stop_rgb(cap, 0, 0.85, 0.88, 0.95);
  cairo_pattern_add_color_stop_rgb(cap, 1, 0.35, 0.40, 0.52);
  cairo_set_source(b, cap);
  cairo_pattern_destroy(cap);
  cairo_fill(b);
  cairo_restore(b);
  // Ball.
  cairo_arc(b, 19, 25.5, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(14, 20, 1, 19, 25.5, r * 1.1);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.42, 0.50, 0.72);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.16, 0.20, 0.36);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.06, 0.13);
  cairo_set_source(b, g);
  cairo_pattern_destroy(g);
  cairo_fill(b);
  if (tier > 1) {  // a gold band for the stronger bombs
    cairo_save(b);
    cairo_arc(b, 19, 25.5, r, 0, 2 * M_PI);
    cairo_clip(b);
    cairo_move_to(b, 4, 25);
    cairo_curve_to(b, 12, 31, 26, 31, 34, 25);
    cairo_set_line_width(b, tier == 3 ? 3.6 : 2.6);
    cairo_set_source_rgb(b, 1.0, 0.79, 0.30);
    cairo_stroke(b);
    cairo_restore(b);
  }
  finishPiece(out, body,
              {{Rgba::hex(0x6A7CA8), Rgba::hex(0x28304F), Rgba::hex(0x0C1020), Rgba::hex(0x04060C)},
               1.6,
               0.8,
               0.45,
               0.3});

  // The burning fuse: a flickering star of light with sparks around it.
  double flick = 0.5 + 0.5 * std::sin(t * 6 * M_PI) * std::cos(t * 4 * M_PI);
  double sx = 34.5, sy = 5.5;
  radialGlow(cr, sx, sy, 8 + 2 * flick, Rgba::hex(0xFFB020), 0.75);
  cairo_set_source_rgba(cr, 1, 0.97, 0.8, 1);
  Canvas::star(cr, sx, sy, 4.2 + 1.6 * flick, 1.1, 4, -90 + t * 360);
  cairo_fill(cr);
  for (int k = 0; k < 5; ++k) {
    double life = std::fmod(t * 2 + k / 5.0, 1.0);
    double a = k * 2.4 + 0.6;
    double d = 2 + life * 7;
    cairo_arc(cr, sx + std::cos(a) * d, sy + std::sin(a) * d * 0.8, 0.9 * (1 - life) + 0.3, 0,
              2 * M_PI);
    cairo_set_source_rgba(cr, 1, 0.85 - 0.4 * life, 0.3, 1 - life);
    cairo_fill(cr);
  }
}

// ---- fire along an axis ----

// A fireball whose flame tongues run around its rim (one tongue's spacing per loop).
void fireball(Canvas& out, double t, int tier) {
  cairo_t* cr = out.cr();
  radialGlow(cr, 21, 21, 21, Rgba::hex(0xFF7A1A), 0.45 + 0.1 * tier);
  Canvas body(S, S);
  cairo_t* b = body.cr();
  const int tongues = 7;
  cairo_new_sub_path(b);
  for (int i = 0; i <= 140; ++i) {
    double a = i * 2 * M_PI / 140;
    double wave = std::sin(a * tongues - t * 2 * M_PI);
    double r = 13.2 + 2.6 * std::pow(std::max(0.0, wave), 3);
    cairo_line_to(b, 21 + std::cos(a) * r, 21 + std::sin(a) * r);
  }
  cairo_close_path(b);
  cairo_pattern_t* g = cairo_pattern_create_radial(18, 18, 0.5, 21, 21, 16);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.96, 0.62);
  cairo_pattern_add_color_stop_rgb(g, 0.4, 1.0, 0.66, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 0.85, 0.86, 0.22, 0.08);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.10, 0.06);
  cairo_set_source(b, g);
  cairo_pattern_destroy(g);
  cairo_fill(b);
  if (tier > 1) {  // stronger kinds wear a gold ring, the strongest with studs
    cairo_new_sub_path(b);
    cairo_arc(b, 21, 21, 17.2, 0, 2 * M_PI);
    cairo_set_line_width(b, 2.4);
    cairo_set_source_rgb(b, 1.0, 0.80, 0.32);
    cairo_stroke(b);
    if (tier > 2)
      for (int k = 0; k < 4; ++k) {
        double a = M_PI / 4 + k * M_PI / 2;
        cairo_new_sub_path(b);
        cairo_arc(b, 21 + std::cos(a) * 17.2, 21 + std::sin(a) * 17.2, 2.6, 0, 2 * M_PI);
        cairo_set_source_rgb(b, 1.0, 0.92, 0.6);
        cairo_fill(b);
      }
  }
  finishPiece(out, body,
              {{Rgba::hex(0xFFE08A), Rgba::hex(0xF07A1E), Rgba::hex(0xA8300E), Rgba::hex(0x5E1406)},
               1.3,
               0.45,
               0.45,
               0.25});
}

// The double arrow of the blast along one axis (vertical; rotated for the others). It
// breathes outward over the loop.
void arrowPath(cairo_t* cr, double t) {
  double push = 1.2 * std::sin(t * 2 * M_PI);
  double tip = 2.2 - push, head = 13.5 - push * 0.5, half = 8.2, shaft = 3.0;
  cairo_move_to(cr, 21, tip);
  cairo_line_to(cr, 21 + half, head);
  cairo_line_to(cr, 21 + shaft, head);
  cairo_line_to(cr, 21 + shaft, 42 - head);
  cairo_line_to(cr, 21 + half, 42 - head);
  cairo_line_to(cr, 21, 42 - tip);
  cairo_line_to(cr, 21 - half, 42 - head);
  cairo_line_to(cr, 21 - shaft, 42 - head);
  cairo_line_to(cr, 21 - shaft, head);
  cairo_line_to(cr, 21 - half, head);
  cairo_close_path(cr);
}

void fireFrame(Canvas& out, double t, Effect e, int tier) {
  fireball(out, t, tier);
  Canvas arrows(S, S);
  cairo_t* a = arrows.cr();
  cairo_set_line_join(a, CAIRO_LINE_JOIN_ROUND);
  int count = e == Effect::Cross ? 2 : 1;
  for (int k = 0; k < count; ++k) {
    cairo_save(a);
    if (e == Effect::Horizontal || k == 1) {
      cairo_translate(a, 21, 21);
      cairo_rotate(a, M_PI / 2);
      cairo_translate(a, -21, -21);
    }
    arrowPath(a, t);
    cairo_restore(a);
  }
  if (e == Effect::Cross) {  // a solid hub where the four arrows meet
    cairo_new_sub_path(a);
    cairo_arc(a, 21, 21, 6.2, 0, 2 * M_PI);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(8, 8, 34, 34);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 0.6, 1.0, 0.98, 0.86);
  cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.86, 0.5);
  cairo_set_source(a, g);
  cairo_pattern_destroy(g);
  cairo_fill(a);
  finishPiece(out, arrows,
              {{Rgba::hex(0xFFFFFF), Rgba::hex(0xFFE9A8), Rgba::hex(0xE89B1E), Rgba::hex(0x7A1E08)},
               1.9,
               0.3,
               0.4,
               0.3});
}

// ---- vanish ----

void vortexFrame(Canvas& out, double t, int tier) {
  cairo_t* cr = out.cr();
  int arms = tier == 2 ? 4 : 3;
  radialGlow(cr, 21, 21, 20, Rgba::hex(0x7C3FB8), 0.55);
  // Turning by one arm's share per loop makes the strip loop seamlessly.
  double spin = -t * 2 * M_PI / arms;
  Canvas swirl(S, S);
  cairo_t* sw = swirl.cr();
  for (int k = 0; k < arms; ++k) {
    double a0 = spin + k * 2 * M_PI / arms;
    for (int i = 0; i < 46; ++i) {
      double u = i / 45.0;  // 0 at the eye, 1 at the rim
      double r = 2.5 + u * 16.5;
      double a = a0 + u * 3.4;
      Rgba c = u < 0.35 ? Rgba{1, 1, 1, 1}.mix(Rgba::hex(0x5FD4F0), u / 0.35)
                        : Rgba::hex(0x5FD4F0).mix(Rgba::hex(0xB277E0), (u - 0.35) / 0.65);
      cairo_new_sub_path(sw);
      cairo_arc(sw, 21 + std::cos(a) * r, 21 + std::sin(a) * r, 0.8 + u * 2.0, 0, 2 * M_PI);
      cairo_set_source_rgba(sw, c.r, c.g, c.b, 1.0);
      cairo_fill(sw);
    }
  }
  // A dark edge keeps the arms readable on purple plates.
  paintMap(out, dilate(alphaOf(swirl), 1.3), Rgba::hex(0x24103F), 0.85);
  out.paint(swirl, 0, 0);
  // The bright eye of the swirl.
  radialGlow(cr, 21, 21, 7, {1, 1, 1, 1}, 0.95);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  Canvas::star(cr, 21, 21, 4.5, 1.2, 4, -90 - t * 90);  // a quarter turn per loop
  cairo_fill(cr);
  if (tier == 2)
    for (int k = 0; k < 6; ++k) {  // motes drawn into the eye
      double life = std::fmod(t + k / 6.0, 1.0);
      double a = k * 1.05 + life * 2.0;
      double r = 19 * (1 - life);
      cairo_arc(cr, 21 + std::cos(a) * r, 21 + std::sin(a) * r, 1.1, 0, 2 * M_PI);
      cairo_set_source_rgba(cr, 1, 1, 1, std::sin(life * M_PI));
      cairo_fill(cr);
    }
}

struct Bonus {
  int id;
  Effect effect;
  int tier;
};

// Ids by effect as the board fires them; the tier follows the power in data/bonusy.dat.
const Bonus kBonuses[] = {
    {101, Effect::Bomb, 1},       {102, Effect::Cross, 1},  {103, Effect::Vertical, 2},
    {104, Effect::Horizontal, 2}, {105, Effect::Bomb, 2},   {106, Effect::Cross, 2},
    {107, Effect::Vanish, 1},     {108, Effect::Vanish, 2}, {109, Effect::Vertical, 1},
    {110, Effect::Horizontal, 1}, {111, Effect::Bomb, 3},   {112, Effect::Cross, 3},
};

Image drawFrame(const Bonus& b, int f) {
  Canvas c(S, S);
  double t = static_cast<double>(f) / kFrames;
  switch (b.effect) {
    case Effect::Bomb:
      bombFrame(c, t, b.tier);
      break;
    case Effect::Vanish:
      vortexFrame(c, t, b.tier);
      break;
    default:
      fireFrame(c, t, b.effect, b.tier);
      break;
  }
  return c.toImage();
}

void saveBonus(assetgen::Output& out, const Bonus& b) {
  std::vector<Image> frames;
  for (int f = 0; f < kFrames; ++f) frames.push_back(drawFrame(b, f));
  out.savePng("gfx/tiles/bonus" + std::to_string(b.id) + ".png", strip(frames), S, S, kFrames);
}

void saveBonuses(assetgen::Output& out, int group) {
  for (const auto& b : kBonuses)
    if (b.id % 3 == group) saveBonus(out, b);
}

// Three generators so the strips spread over the threads.
ASSETGEN_REGISTER("board-bonus-a", [](assetgen::Output& o) { saveBonuses(o, 0); });
ASSETGEN_REGISTER("board-bonus-b", [](assetgen::Output& o) { saveBonuses(o, 1); });
ASSETGEN_REGISTER("board-bonus-c", [](assetgen::Output& o) { saveBonuses(o, 2); });

}  // namespace
