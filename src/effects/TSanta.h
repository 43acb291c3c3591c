// The sleigh that crosses the night sky of the tree screen every 7 to 10 seconds.
#pragma once

#include "platform/platform.h"

class TSanta {
 public:
  float x = 0, y = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
  float a = 0;
  float s = 1;
  float per = 0;
  float rot = 0;
  int time = 0;

  platform::Image image;  // centred

  // Decodes the sleigh picture at load time; each sleigh then takes it from the picture cache.
  static void setup();
  TSanta();

  void reset();
  void reset1();
  void update();
  void draw() const;
};
