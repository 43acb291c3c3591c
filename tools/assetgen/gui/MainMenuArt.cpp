// The main menu over the night tree: the title at the top (centred at (400, 60)), the column of
// buttons on a frosted strip at the left (its top-left at (48, 170), shown at 65 % opacity, the
// buttons centred on x 157), the bar along the bottom (800 x 42 at y 558) on which the game
// writes the greeting centred at (400, 575), and the mode question's two buttons.
#include <cmath>

#include "core/Registry.h"
#include "core/Rng.h"
#include "gui/ButtonArt.h"
#include "gui/NightScene.h"
#include "gui/TitleLettering.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using assetgen::gui::PillColor;
using assetgen::gui::savePillSheet;
namespace night = assetgen::gui::night;

// The strip rests with its left edge at x 48 and the buttons are centred at x 157: the strip
// is as wide as that makes it centred on them, the buttons a little narrower than its glass.
constexpr int kStripW = 218, kStripH = 330;
constexpr int kButtonW = 196, kButtonH = 56;
constexpr int kBarW = 800, kBarH = 42;

void makeTitle(assetgen::Output& out) {
  out.savePng("gfx/gui/mainMenu/title.png", *assetgen::gui::renderTitle(92, 500));
}
ASSETGEN_REGISTER("main menu title", makeTitle);

void makeButtons(assetgen::Output& out) {
  const std::string dir = "gfx/gui/mainMenu/";
  savePillSheet(out, dir + "playquest.png", kButtonW, kButtonH, PillColor::Red, 4, "PLAY");
  savePillSheet(out, dir + "settings.png", kButtonW, kButtonH, PillColor::Blue, 4, "SETTINGS");
  savePillSheet(out, dir + "credits.png", kButtonW, kButtonH, PillColor::Blue, 4, "CREDITS");
  savePillSheet(out, dir + "exit.png", kButtonW, kButtonH, PillColor::Blue, 4, "EXIT");
}
ASSETGEN_REGISTER("main menu buttons", makeButtons);

void makePickModeButtons(assetgen::Output& out) {
  savePillSheet(out, "gfx/gui/pickMode/yes.png", 180, 54, PillColor::Red, 4, "YES");
  savePillSheet(out, "gfx/gui/pickMode/no.png", 180, 54, PillColor::Blue, 4, "NO");
}
ASSETGEN_REGISTER("pick mode buttons", makePickModeButtons);

// Frost grown in from the edges: tiny six-armed crystals and specks, denser near the rim.
void frost(Canvas& c, assetgen::Rng& rng, const assetgen::PathFn& clip, int count, double depth) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  clip(cr);
  cairo_clip(cr);
  const double w = c.width(), h = c.height();
  for (int i = 0; i < count; ++i) {
    // Most frost gathers in the corners, the rest along the edges; always mostly near the rim.
    const double u = rng.uniform();
    double x = 0, y = 0;
    if (rng.uniform() < 0.55) {
      const double reach = depth * 2.2 * u * u, angle = rng.range(0, M_PI / 2);
      const int corner = rng.between(0, 3);
      x = reach * std::cos(angle), y = reach * std::sin(angle);
      if (corner & 1) x = w - x;
      if (corner & 2) y = h - y;
    } else {
      const int edge = rng.between(0, 3);
      const double along = rng.uniform(), in = depth * u * u;
      x = edge == 0 ? in : edge == 1 ? w - in : along * w;
      y = edge == 2 ? in : edge == 3 ? h - in : along * h;
    }
    const double a = 0.5 * (1 - u) + 0.1;
    if (rng.uniform() < 0.7) {
      cairo_arc(cr, x, y, rng.range(0.4, 1.2), 0, 2 * M_PI);
      c.setColor(Rgba::hex(0xF4F8FF, a * 0.8));
      cairo_fill(cr);
      continue;
    }
    const double r = rng.range(2.0, 4.5), turn = rng.range(0, M_PI / 3);
    for (int k = 0; k < 3; ++k) {
      const double t = turn + k * M_PI / 3;
      cairo_move_to(cr, x - r * std::cos(t), y - r * std::sin(t));
      cairo_line_to(cr, x + r * std::cos(t), y + r * std::sin(t));
    }
    cairo_set_line_width(cr, 0.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    c.setColor(Rgba::hex(0xF4F8FF, a));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// Dark-blue frosted glass filling `path`, lighter at the top, with a sheen at the upper left.
void glass(Canvas& c, const assetgen::PathFn& path, double x, double y, double w, double h,
           double opacity) {
  cairo_t* cr = c.cr();
  path(cr);
  c.linearGradient(0, y, 0, y + h,
                   {{0, Rgba::hex(0x2C4F8C, opacity)},
                    {0.35, Rgba::hex(0x1B3569, opacity)},
                    {1, Rgba::hex(0x10204A, opacity)}});
  cairo_fill(cr);
  c.glossyHighlight(path, x, y, w, h * 0.6, 0.14);
}

void makeStrip(assetgen::Output& out) {
  Canvas c(kStripW, kStripH);
  cairo_t* cr = c.cr();
  const double m = 6, r = 22;
  auto body = [&](cairo_t* t) {
    Canvas::roundedRect(t, m, m, kStripW - 2 * m, kStripH - 2 * m, r);
  };
  c.softShadow(body, 2, 3, 4, Rgba::hex(0x000000, 0.45));
  glass(c, body, m, m, kStripW - 2 * m, kStripH - 2 * m, 0.92);
  assetgen::Rng rng(0x71A0);
  frost(c, rng, body, 520, 34);
  // Snow lying on the top edge, lit from the left.
  cairo_save(cr);
  body(cr);
  cairo_clip(cr);
  auto capEdge = [&](double x) {
    return m + 7 + 2.4 * std::sin(x / 13) + 1.3 * std::sin(x / 5.3) +
           (std::fmod(x, 47) < 6 ? 3.5 * std::sin(std::fmod(x, 47) / 6 * M_PI) : 0);
  };
  auto cap = [&](cairo_t* t, double drop) {
    cairo_move_to(t, m, m);
    for (double x = m; x <= kStripW - m; x += 2) cairo_line_to(t, x, capEdge(x) + drop);
    cairo_line_to(t, kStripW - m, m);
    cairo_close_path(t);
  };
  // The cap's soft shade on the glass, then the snow, lit from the left.
  cap(cr, 2.5);
  c.setColor(Rgba::hex(0x0B1633, 0.35));
  cairo_fill(cr);
  cap(cr, 0);
  c.linearGradient(m, 0, kStripW - m, 0,
                   {{0, Rgba::hex(0xFFFFFF, 0.97)}, {1, Rgba::hex(0xB7CDE8, 0.9)}});
  cairo_fill(cr);
  cairo_restore(cr);
  // The thin light rim, brighter on the upper left, and a faint inner line.
  body(cr);
  c.linearGradient(m, m, kStripW - m, kStripH - m,
                   {{0, Rgba::hex(0xF4F8FF, 0.9)},
                    {0.5, Rgba::hex(0xB7CDE8, 0.55)},
                    {1, Rgba::hex(0x7E98C0, 0.5)}});
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  Canvas::roundedRect(cr, m + 4, m + 4, kStripW - 2 * m - 8, kStripH - 2 * m - 8, r - 4);
  c.setColor(Rgba::hex(0xDCE8F7, 0.18));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  out.savePng("gfx/gui/mainMenu/tlo.png", c);
}
ASSETGEN_REGISTER("main menu strip", makeStrip);

// A sprig of holly: two spiky leaves and three berries, lit from the upper left.
void holly(Canvas& c, double x, double y, double s, bool mirrored) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, mirrored ? -s : s, s);
  for (int k = 0; k < 2; ++k) {
    cairo_save(cr);
    cairo_rotate(cr, k == 0 ? -0.35 : 0.5);
    cairo_translate(cr, k == 0 ? -9 : 9, 0);
    // A leaf with three points on each side.
    cairo_move_to(cr, -9, 0);
    for (int i = 0; i <= 3; ++i) {
      const double px = -9 + i * 6;
      cairo_curve_to(cr, px + 1, -2, px + 2, -3.8, px + 3, -4.8 + (i == 3 ? 4.8 : 0));
      if (i < 3) cairo_curve_to(cr, px + 4, -3.5, px + 5, -3, px + 6, -3.8);
    }
    for (int i = 3; i >= 0; --i) {
      const double px = -9 + i * 6;
      cairo_curve_to(cr, px + 2, 3.8, px + 1, 2, px, 4.8 - (i == 0 ? 4.8 : 0));
      if (i > 0) cairo_curve_to(cr, px - 1, 3.5, px - 2, 3, px - 3, 3.8);
    }
    cairo_close_path(cr);
    c.linearGradient(
        -9, -5, 9, 5,
        {{0, Rgba::hex(0x3FA34D)}, {0.6, Rgba::hex(0x23703A)}, {1, Rgba::hex(0x123F24)}});
    cairo_fill_preserve(cr);
    c.setColor(Rgba::hex(0x123F24));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, -8, 0);
    cairo_line_to(cr, 8, 0);
    c.setColor(Rgba::hex(0x8FD08A, 0.6));
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  const double berries[3][2] = {{-2.5, -1.5}, {2.5, -2}, {0, 2.5}};
  for (const auto& b : berries) {
    cairo_arc(cr, b[0], b[1], 3, 0, 2 * M_PI);
    c.radialGradient(
        b[0] - 1, b[1] - 1.2, 0.3, b[0], b[1], 3,
        {{0, Rgba::hex(0xFF8A8E)}, {0.5, Rgba::hex(0xE8343B)}, {1, Rgba::hex(0x6E1019)}});
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void makeBar(assetgen::Output& out) {
  Canvas c(kBarW, kBarH);
  cairo_t* cr = c.cr();
  auto body = [](cairo_t* t) { cairo_rectangle(t, 0, 3, kBarW, kBarH - 3); };
  // Glass: a little clearer in the middle, deeper toward the ends where the ornaments sit.
  body(cr);
  c.linearGradient(0, 3, 0, kBarH,
                   {{0, Rgba::hex(0x24457F, 0.9)},
                    {0.5, Rgba::hex(0x16295A, 0.9)},
                    {1, Rgba::hex(0x0B1633, 0.94)}});
  cairo_fill(cr);
  body(cr);
  c.linearGradient(0, 0, kBarW, 0,
                   {{0, Rgba::hex(0x0B1633, 0.35)},
                    {0.2, Rgba::hex(0x0B1633, 0)},
                    {0.8, Rgba::hex(0x0B1633, 0)},
                    {1, Rgba::hex(0x0B1633, 0.35)}});
  cairo_fill(cr);
  // A soft sheen on the upper half.
  cairo_rectangle(cr, 0, 4, kBarW, 14);
  c.linearGradient(0, 4, 0, 18, {{0, Rgba::hex(0xFFFFFF, 0.12)}, {1, Rgba::hex(0xFFFFFF, 0)}});
  cairo_fill(cr);
  assetgen::Rng rng(0xBA5E);
  night::snowfall(c, rng, 90, {0, 8, kBarW, kBarH}, 1.3, 0.25, {{190, 0, 610, kBarH}});
  // The gold line along the top, brightest in the middle, with a warm glow under it.
  cairo_rectangle(cr, 0, 3, kBarW, 6);
  c.linearGradient(0, 3, 0, 9, {{0, Rgba::hex(0xFFC94D, 0.35)}, {1, Rgba::hex(0xFFC94D, 0)}});
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 1.5, kBarW, 2);
  c.linearGradient(0, 0, kBarW, 0,
                   {{0, Rgba::hex(0xA8610B)},
                    {0.25, Rgba::hex(0xE89B1E)},
                    {0.5, Rgba::hex(0xFFE9A8)},
                    {0.75, Rgba::hex(0xE89B1E)},
                    {1, Rgba::hex(0xA8610B)}});
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 3.5, kBarW, 0.8);
  c.setColor(Rgba::hex(0x5A3306, 0.6));
  cairo_fill(cr);
  holly(c, 34, 22, 1.1, false);
  holly(c, kBarW - 34, 22, 1.1, true);
  for (double x : {78.0, kBarW - 78.0}) {
    Canvas::star(cr, x, 22, 5.5, 2.3, 5);
    c.setColor(Rgba::hex(0xFFD45C, 0.85));
    cairo_fill(cr);
  }
  out.savePng("gfx/gui/mainMenu/pasek.png", c);
}
ASSETGEN_REGISTER("main menu bar", makeBar);

}  // namespace
