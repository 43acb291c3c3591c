// The bonus kinds as looping strips of 42 x 42 frames: a shining bomb with a burning fuse,
// tongues of flame running out along one axis (vertical or horizontal fire) or both (cross
// fire), and a swirling vortex (vanish). Each glows softly; stronger kinds of the same effect
// differ by outline (studs, a star burst, side tongues, diagonal tongues), not just by colour.
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

// Polished steel-blue, light enough to shine on the dark wells of the plates.
const Ramp kSteel{Rgba::hex(0xE4EEFF), Rgba::hex(0x7E9CDA), Rgba::hex(0x3A5498),
                  Rgba::hex(0x1A2A5C)};
const Ramp kGold{Rgba::hex(0xFFF1B8), Rgba::hex(0xFFC94D), Rgba::hex(0xC9801A),
                 Rgba::hex(0x7A4A08)};

void fillRadial(cairo_t* cr, double fx, double fy, double cx, double cy, double r,
                const Ramp& ramp) {
  cairo_pattern_t* g = cairo_pattern_create_radial(fx, fy, 0.5, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(g, 0, ramp.light.r, ramp.light.g, ramp.light.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, ramp.mid.r, ramp.mid.g, ramp.mid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, ramp.dark.r, ramp.dark.g, ramp.dark.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
  cairo_fill(cr);
}

// The silhouettes differ by tier: a plain ball (101), a ball with a gold band and studs that
// stick out of its outline (105), a ball on a turning gold star burst (111).
void bombFrame(Canvas& out, double t, int tier) {
  cairo_t* cr = out.cr();
  const double pulse = 0.5 + 0.5 * std::sin(t * 2 * M_PI);
  const double cx = 20, cy = 24, r = tier == 3 ? 11.5 : 12.5;
  radialGlow(cr, cx, cy, 20, Rgba::hex(0xFFB347), 0.35 + 0.15 * pulse);

  Canvas body(S, S);
  cairo_t* b = body.cr();
  if (tier == 3) {  // eight gold rays, a sixteenth of a turn per loop
    Canvas::star(b, cx, cy, 19.5, 11.5, 8, -90 + t * 45);
    fillRadial(b, cx - 4, cy - 4, cx, cy, 20, kGold);
  }
  if (tier == 2)  // studs on the band, poking out left, right and below
    for (double a : {0.0, M_PI / 2, M_PI}) {
      const double sx = cx + std::cos(a) * (r + 1.2), sy = cy + std::sin(a) * (r + 1.2);
      cairo_new_sub_path(b);
      cairo_arc(b, sx, sy, 3.6, 0, 2 * M_PI);
      fillRadial(b, sx - 1.2, sy - 1.2, sx, sy, 3.8, kGold);
    }
  // Fuse: a curled cord from the cap.
  cairo_move_to(b, cx + 8, cy - 11);
  cairo_curve_to(b, cx + 10, cy - 16, cx + 14, cy - 14, cx + 15, cy - 18);
  cairo_set_line_width(b, 2.4);
  cairo_set_line_cap(b, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(b, 0.86, 0.70, 0.44);
  cairo_stroke(b);
  cairo_save(b);
  cairo_translate(b, cx + 7.2, cy - 9.8);
  cairo_rotate(b, 0.75);
  Canvas::roundedRect(b, -4.2, -3, 8.4, 6, 1.2);
  fillRadial(b, -2, -2, 0, 0, 6, kGold);
  cairo_restore(b);
  cairo_new_sub_path(b);
  cairo_arc(b, cx, cy, r, 0, 2 * M_PI);
  fillRadial(b, cx - r * 0.4, cy - r * 0.45, cx, cy, r * 1.05, kSteel);
  if (tier == 2) {  // the gold band round the middle
    cairo_save(b);
    cairo_arc(b, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(b);
    cairo_move_to(b, cx - r - 1, cy - 1);
    cairo_curve_to(b, cx - 6, cy + 5, cx + 6, cy + 5, cx + r + 1, cy - 1);
    cairo_set_line_width(b, 4.2);
    cairo_set_source_rgb(b, 1.0, 0.80, 0.30);
    cairo_stroke(b);
    cairo_restore(b);
  }
  finishPiece(out, body, {kSteel, 1.6, 0.9, 0.6, 0.3});

  // The burning fuse: a flickering star of light with sparks flying off.
  const double flick = 0.5 + 0.5 * std::sin(t * 6 * M_PI) * std::cos(t * 4 * M_PI);
  const double sx = cx + 15.5, sy = cy - 18.5;
  radialGlow(cr, sx, sy, 8 + 2 * flick, Rgba::hex(0xFFB020), 0.8);
  cairo_set_source_rgba(cr, 1, 0.97, 0.8, 1);
  Canvas::star(cr, sx, sy, 4.4 + 1.6 * flick, 1.1, 4, -90 + t * 360);
  cairo_fill(cr);
  for (int k = 0; k < 5; ++k) {
    const double life = std::fmod(t * 2 + k / 5.0, 1.0);
    const double a = k * 2.4 + 0.6;
    const double d = 2 + life * 7;
    cairo_arc(cr, sx + std::cos(a) * d, sy + std::sin(a) * d * 0.8, 0.9 * (1 - life) + 0.3, 0,
              2 * M_PI);
    cairo_set_source_rgba(cr, 1, 0.85 - 0.4 * life, 0.3, 1 - life);
    cairo_fill(cr);
  }
}

// ---- fire along an axis ----

const Ramp kFlame{Rgba::hex(0xFFF6C8), Rgba::hex(0xFF9A2A), Rgba::hex(0xD8361A),
                  Rgba::hex(0x7A1608)};

// One tongue of flame rising from the centre along -y: wide at its root, licking to a tip
// that sways with the loop, with a smaller flick on either side.
void flameTongue(cairo_t* cr, double length, double width, double t, double phase) {
  auto drop = [&](double dx, double len, double wid, double lean, double ph) {
    const double sway = lean + 1.4 * std::sin((t + ph) * 2 * M_PI);
    const double tip = -len * (1.0 + 0.08 * std::sin((t * 2 + ph) * 2 * M_PI));
    cairo_move_to(cr, dx - wid, 0);
    cairo_curve_to(cr, dx - wid * 1.25, tip * 0.5, dx + sway - wid * 0.3, tip * 0.72, dx + sway,
                   tip);
    cairo_curve_to(cr, dx + sway + wid * 0.45, tip * 0.7, dx + wid * 1.25, tip * 0.45, dx + wid, 0);
    cairo_arc(cr, dx, 0, wid, 0, M_PI);
    cairo_close_path(cr);
  };
  drop(0, length, width, 0, phase);
  drop(-width * 0.75, length * 0.62, width * 0.55, -2.4, phase + 0.37);
  drop(width * 0.75, length * 0.58, width * 0.55, 2.4, phase + 0.71);
}

// Flames burst out of a glowing ember: up and down (vertical), left and right (horizontal)
// or all four ways (cross). Stronger kinds wear a gold ring round the ember and have longer
// flames with side tongues (vertical and horizontal) or four more flames (the strongest cross).
void fireFrame(Canvas& out, double t, Effect e, int tier) {
  cairo_t* cr = out.cr();
  radialGlow(cr, 21, 21, 21, Rgba::hex(0xFF7A1A), 0.45 + 0.08 * tier);
  std::vector<double> axes;  // directions in quarter turns from "up"
  if (e == Effect::Vertical) axes = {0, 2};
  if (e == Effect::Horizontal) axes = {1, 3};
  if (e == Effect::Cross) axes = {0, 1, 2, 3};
  const bool cross = e == Effect::Cross;
  const double length = cross ? 14.5 + tier * 1.0 : (tier == 1 ? 15.5 : 18.5);
  const double width = cross ? 4.4 : 5.6;
  Canvas body(S, S);
  cairo_t* b = body.cr();
  // Three passes, each smaller and hotter: the red-orange flame, its yellow heart, the ember.
  const struct {
    double scale;
    Rgba inner, outer;
  } passes[] = {{1.0, Rgba::hex(0xFFB030), Rgba::hex(0xD8361A)},
                {0.62, Rgba::hex(0xFFF4B0), Rgba::hex(0xFFB82E)}};
  for (const auto& pass : passes) {
    auto tongue = [&](double quarter, double len, double wid, double phase) {
      cairo_save(b);
      cairo_translate(b, 21, 21);
      cairo_rotate(b, quarter * M_PI / 2);
      flameTongue(b, len * pass.scale, wid * pass.scale, t, phase);
      cairo_restore(b);
    };
    for (size_t k = 0; k < axes.size(); ++k) {
      tongue(axes[k], length, width, double(k) * 0.25);
      if (!cross && tier > 1) {  // side tongues beside each main flame
        tongue(axes[k] - 0.4, 11.5, 3.4, double(k) * 0.25 + 0.4);
        tongue(axes[k] + 0.4, 11.5, 3.4, double(k) * 0.25 + 0.7);
      }
    }
    if (cross && tier == 3)  // eight flames: a star of fire
      for (int k = 0; k < 4; ++k) tongue(0.5 + k, length * 0.85, 3.8, k * 0.25 + 0.1);
    cairo_new_sub_path(b);
    cairo_arc(b, 21, 21, (cross ? 8.5 : 8.0) * pass.scale, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(21, 21, 1, 21, 21, length * pass.scale + 2);
    cairo_pattern_add_color_stop_rgb(g, 0, pass.inner.r, pass.inner.g, pass.inner.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, pass.inner.mix(pass.outer, 0.5).r,
                                     pass.inner.mix(pass.outer, 0.5).g,
                                     pass.inner.mix(pass.outer, 0.5).b);
    cairo_pattern_add_color_stop_rgb(g, 1, pass.outer.r, pass.outer.g, pass.outer.b);
    cairo_set_source(b, g);
    cairo_pattern_destroy(g);
    cairo_fill(b);
  }
  if (tier > 1) {  // a gold ring round the ember, wider than the flames at their root
    cairo_new_sub_path(b);
    cairo_arc(b, 21, 21, cross ? 9.5 : 8.8, 0, 2 * M_PI);
    cairo_set_line_width(b, 2.8);
    cairo_set_source_rgb(b, 1.0, 0.84, 0.36);
    cairo_stroke(b);
  }
  finishPiece(out, body, {kFlame, 1.5, 0.35, 0.45, 0.3});
  // A white-hot heart that flickers.
  const double flick = 0.5 + 0.5 * std::sin(t * 4 * M_PI);
  radialGlow(cr, 21, 21, 6 + flick, {1, 1, 0.92, 1}, 0.95);
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
