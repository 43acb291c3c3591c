// The mountain village at night as one 800 x 600 scene, in two framings: the loading screen's
// (the village in the middle band, a dark foreground that leaves room for the caption and the
// progress dots) and the intro's (wider and deeper, mist between the layers, more snow).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/Canvas.h"

namespace assetgen::gui {

struct VillageView {
  uint64_t seed = 1;
  double horizon = 360;   // where the sky's light band meets the far mountains
  double villageY = 378;  // the crest the houses stand on
  double houseScale = 1;  // 1: the nearest houses about 30 px tall
  double moonX = 700, moonY = 70, moonR = 20;
  double chapelX = 230, chapelScale = 0.8;
  double treeX = 400, treeH = 62;
  double foregroundY = 418;       // the crest of the near slope
  double foregroundLight = 0.35;  // 0: the near slope in deep shadow, 1: fully moonlit
  std::vector<std::pair<double, double>> nearHouses{};  // (x, scale) on the near slope
  int snowflakes = 260;
  double mistAlpha = 0.12;
  double vignette = 0.55;
  // A box kept free of falling snow (e.g. behind the loading dots); empty when x1 <= x0.
  double clearX0 = 0, clearY0 = 0, clearX1 = 0, clearY1 = 0;
};

void paintVillage(Canvas& c, const VillageView& view);

}  // namespace assetgen::gui
