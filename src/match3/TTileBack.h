#pragma once
#include <array>
#include <memory>

#include "platform/platform.h"

// Pictures shared by every tileset of one catalogue: the chain overlays and the sparkle strip,
// one per size index.
struct TTileBackArt {
  std::array<platform::Image, 4> lancuch1;
  std::array<platform::Image, 4> lancuch2;
  std::array<platform::Image, 4> blink;  // 9 frames of 42 x 42
};

// One tileset: the plate under a cell. Id 0 is no cell, 1 the plain cell, 2 and above plates.
class TTileBack {
 public:
  int id = 0;
  std::array<platform::Image, 4> img;
  int matches = 0;
  std::shared_ptr<const TTileBackArt> art;

  void draw(float x, float y, int sizeIndex, float scale) const;
  void drawBlink(float x, float y, int sizeIndex, float scale, int frame) const;
  // Chain overlay for chain level 1 or 2 at a size index; null otherwise.
  platform::Image chainOverlay(int level, int sizeIndex) const;
};
