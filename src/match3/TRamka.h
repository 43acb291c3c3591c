#pragma once
#include "platform/platform.h"

// One piece of the frame drawn around the playing area.
class TRamka {
 public:
  int id = 0;
  platform::Image img;  // handle at the top-left corner
  int ax = 0;
  int ay = 0;

  void draw(float x, float y) const;
};
