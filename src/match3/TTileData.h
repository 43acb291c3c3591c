#pragma once
#include <array>
#include <memory>
#include <string>

#include "platform/platform.h"

class TRGB;

// One tile kind (ids 1..99) or bonus kind (ids above 100).
class TTileData {
 public:
  int id = 0;
  std::array<platform::Image, 4> img;  // one picture per size index: 64, 50, 42, 32 px
  std::string imgUrl;
  std::shared_ptr<TRGB> rgb;  // null for bonus kinds
  int maxFrames = 0;
  int punkty = 0;
  int partN = 0;
  int moc = 0;

  void draw(float x, float y, int sizeIndex, int frame) const;
  void drawShadow(float x, float y, int sizeIndex, int frame, float alpha) const;

  // The picture for a size index, null outside 0..3.
  platform::Image picture(int sizeIndex) const;
};

// Points a destroyed tile is worth, from the points-particle number its kind names.
int pointsForParticle(int partN);
