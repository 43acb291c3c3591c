// The glow drawn under a hovered tile: two light pictures turning against each other.
#pragma once

#include <array>

#include "platform/platform.h"

class Poswiata {
 public:
  static void setup();
  static void draw(float x, float y, float rotation, float alpha);

  static std::array<platform::Image, 2> images;
};
