// The credits' backdrop, 800 x 600, opaque: a calm night sky over a dark line of snowy firs and
// a few warm village windows along the bottom. The game writes its white lines anywhere in
// x 40 to 760, y 40 to 470, so that area stays dark and even: faint stars, light snow, nothing
// bright.
#include <utility>

#include "core/Registry.h"
#include "core/Rng.h"
#include "gui/NightScene.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
namespace night = assetgen::gui::night;

void skyline(Canvas& c, assetgen::Rng& rng) {
  // A low light over the horizon, then two dark hills with the village between them.
  night::softSpot(c.cr(), 400, 560, 420, Rgba::hex(0x3A64A8), 0.35);
  night::softSpot(c.cr(), 520, 545, 160, night::colors::kWarm, 0.12);
  const night::Ridge back{512, 8, 90, 1.3}, front{552, 10, 130, 3.0};
  night::ridge(c, back, Rgba::hex(0x20396A), Rgba::hex(0x122451), 0.3);
  for (int i = 0; i < 30; ++i) {
    const double x = rng.range(0, 800);
    night::fir(c, x, back.at(x) + 4, rng.range(16, 30), Rgba::hex(0x0E2238), 0.3);
  }
  // Two small clusters of houses with the chapel between them, half hidden by the near hill.
  night::chapel(c, 388, back.at(400) + 22, 0.58);
  for (const auto& [from, to] : {std::pair{228.0, 372.0}, std::pair{440.0, 600.0}}) {
    for (double x = from; x < to;) {
      const double w = rng.range(24, 38), h = rng.range(15, 23);
      if (x + w > to) break;
      if (rng.uniform() < 0.4)
        night::fir(c, x + w + 3, back.at(x + w) + 12, rng.range(22, 32), Rgba::hex(0x0E2238), 0.4);
      night::house(c, {x, back.at(x + w / 2) + rng.range(12, 20), w, h, rng.range(10, 16),
                       rng.between(1, 2), rng.uniform() < 0.5, rng.between(0, 2)});
      x += w + rng.range(3, 16);
    }
  }
  night::ridge(c, front, Rgba::hex(0x1A3060), Rgba::hex(0x0B1633), 0.4);
  const double firs[][3] = {{20, 604, 120}, {70, 612, 92},  {118, 606, 70},  {190, 600, 52},
                            {612, 600, 50}, {676, 606, 76}, {730, 612, 104}, {782, 604, 128}};
  for (const auto& f : firs) night::fir(c, f[0], f[1], f[2], Rgba::hex(0x0A1E24), 0.45);
}

void makeBack(assetgen::Output& out) {
  Canvas c(800, 600);
  cairo_t* cr = c.cr();
  c.linearGradient(0, 0, 0, 600,
                   {{0, night::colors::kSkyDeep},
                    {0.6, Rgba::hex(0x112045)},
                    {0.85, night::colors::kSkyDark},
                    {1, night::colors::kSkyMid}});
  cairo_paint(cr);
  // Moonlight from beyond the upper left corner.
  night::softSpot(cr, -40, -60, 520, Rgba::hex(0x3A64A8), 0.3);
  assetgen::Rng rng(0xC4ED175);
  night::stars(c, rng, 260, 480, 0.45, false);
  skyline(c, rng);
  night::snowfall(c, rng, 220, {0, 0, 800, 600}, 2.2, 0.35);
  night::vignette(c, 0.5);
  out.saveJpeg("gfx/gui/credits/back.jpg", c, 92);
}
ASSETGEN_REGISTER("credits back", makeBack);

}  // namespace
