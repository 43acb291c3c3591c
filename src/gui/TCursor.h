#pragma once
#include <string>

#include "platform/platform.h"

// An optional pointer picture, possibly animated as a strip of frames.
class TCursor {
 public:
  std::string _id;
  platform::Image _img;
  int _time = 0;       // MilliSecs of the next frame
  int _timeDelta = 0;  // ms per frame
  int _frame = 0;
  int _maxFrames = 0;  // last frame index
  int _hx = 0, _hy = 0;

  void update();
  void draw(int x, int y);
};
