#include "gui/VillageScene.h"

#include <cmath>
#include <vector>

#include "core/Rng.h"
#include "gui/NightScene.h"

namespace assetgen::gui {

namespace {

using namespace night;

void farLayers(Canvas& c, Rng& rng, const VillageView& v) {
  const double h = v.horizon;
  mountains(c,
            {{-30, h - 118, 150},
             {120, h - 96, 120},
             {310, h - 84, 110},
             {520, h - 104, 135},
             {690, h - 126, 150},
             {860, h - 108, 120}},
            h + 10, Rgba::hex(0x2A4A80).mix(colors::kSkyLight, 0.45));
  mist(c, h - 20, 30, v.mistAlpha);
  const Ridge far{h - 22, 10, 70, 0.9};
  ridge(c, far, Rgba::hex(0x35598F), Rgba::hex(0x284A80), 0.25);
  for (int i = 0; i < 70; ++i) {
    const double x = rng.range(-10, c.width() + 10);
    fir(c, x, far.at(x) + 5, rng.range(9, 17), Rgba::hex(0x1D3B52), 0.35);
  }
  mist(c, h + 6, 22, v.mistAlpha * 0.8);
}

// One row of houses along `crest`, `lift` pixels above it, in small clusters with firs among
// them, leaving room for the chapel and the lit tree.
void houseRow(Canvas& c, Rng& rng, const VillageView& v, const Ridge& crest, double lift,
              double s) {
  for (double x = rng.range(0, 30) * s; x < c.width() - 10;) {
    const double w = rng.range(26, 44) * s, hh = rng.range(16, 26) * s;
    const bool free = std::abs(x + w / 2 - v.treeX) > w / 2 + 34 * v.houseScale &&
                      (x + w < v.chapelX - 8 * s || x > v.chapelX + 62 * v.chapelScale);
    if (free) {
      if (rng.uniform() < 0.45)
        fir(c, x + w + rng.range(2, 8) * s, crest.at(x + w) - lift + 3, rng.range(20, 34) * s,
            Rgba::hex(0x123332), 0.55);
      house(c, {x, crest.at(x + w / 2) - lift + 3, w, hh, rng.range(11, 19) * s,
                rng.between(1, w > 36 * s ? 3 : 2), rng.uniform() < 0.6, rng.between(0, 2)});
    }
    // Mostly close together, now and then a gap between clusters.
    x += w + (rng.uniform() < 0.3 ? rng.range(30, 60) : rng.range(4, 14)) * s;
  }
}

void villageLayer(Canvas& c, Rng& rng, const VillageView& v) {
  const Ridge crest{v.villageY, 6, 120, 2.2};
  ridge(c, crest, Rgba::hex(0x6F8DBE), Rgba::hex(0x2A4A80), 0.55);
  const double s = v.houseScale;
  houseRow(c, rng, v, crest, 9 * s, 0.72 * s);
  chapel(c, v.chapelX, crest.at(v.chapelX + 30) + 3, v.chapelScale);
  houseRow(c, rng, v, crest, -8 * s, 1.0 * s);
  // The square: warm light pooled on the snow around the tree.
  cairo_save(c.cr());
  cairo_scale(c.cr(), 1, 0.3);
  softSpot(c.cr(), v.treeX, (crest.at(v.treeX) + 8) / 0.3, v.treeH * 2.2, colors::kWarm, 0.3);
  cairo_restore(c.cr());
  litTree(c, rng, v.treeX, crest.at(v.treeX) + 6, v.treeH);
}

// A few larger houses on the near slope, (x, scale) each.
void nearHouses(Canvas& c, Rng& rng, const VillageView& v, const Ridge& slope) {
  for (const auto& [x, s] : v.nearHouses) {
    const double w = 40 * s;
    fir(c, x - 8 * s, slope.at(x) + 30 * s, 46 * s, Rgba::hex(0x0F2B2E), 0.6);
    house(c, {x, slope.at(x + w / 2) + 22 * s, w, 26 * s, 20 * s, 2, true, rng.between(0, 2)});
  }
}

void foreground(Canvas& c, Rng& rng, const VillageView& v) {
  const Ridge slope{v.foregroundY, 9, 160, 0.4};
  const double l = v.foregroundLight;
  const Rgba top = Rgba::hex(0x3A5A90).mix(Rgba::hex(0xB7CDE8), l);
  const Rgba bottom = Rgba::hex(0x0B1633).mix(Rgba::hex(0x21407A), l);
  ridge(c, slope, top, bottom, 0.35 + 0.4 * l);
  nearHouses(c, rng, v, slope);
  // Sparkles in the lit snow near the crest.
  for (int i = 0; i < 120; ++i) {
    const double x = rng.range(0, c.width()), y = slope.at(x) + rng.range(2, 40);
    cairo_arc(c.cr(), x, y, rng.range(0.4, 0.9), 0, 2 * M_PI);
    c.setColor(colors::kSnowLit.withAlpha(rng.range(0.2, 0.6) * (0.5 + l)));
    cairo_fill(c.cr());
  }
  // Big firs frame the picture on both sides, the middle stays open.
  const double frame[][3] = {{28, 618, 200},  {96, 640, 160},  {150, 632, 118},
                             {668, 628, 128}, {722, 620, 178}, {786, 640, 210}};
  for (const auto& f : frame)
    fir(c, f[0] * c.width() / 800, f[1], f[2], Rgba::hex(0x0C2427), 0.5 + 0.3 * l);
}

}  // namespace

void paintVillage(Canvas& c, const VillageView& v) {
  Rng rng(v.seed);
  sky(c, v.horizon);
  stars(c, rng, 340, v.horizon - 40, 1.0, true, {{v.moonX, v.moonY, v.moonR * 2.5}});
  moon(c, v.moonX, v.moonY, v.moonR);
  farLayers(c, rng, v);
  villageLayer(c, rng, v);
  foreground(c, rng, v);
  std::vector<Box> keepOut;
  if (v.clearX1 > v.clearX0) keepOut.push_back({v.clearX0, v.clearY0, v.clearX1, v.clearY1});
  snowfall(c, rng, v.snowflakes, {0, 0, double(c.width()), double(c.height())}, 2.6, 0.75, keepOut);
  vignette(c, v.vignette);
}

}  // namespace assetgen::gui
