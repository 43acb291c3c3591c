#pragma once
#include <string>

#include "platform/platform.h"

// The "level completed" banner: it flies in from below, grows past full size, settles back and
// rests until the level is left.
class TLevelComplited {
 public:
  float s = 0.0f;
  float a = 0.0f;
  float r = 0.0f;
  std::string state;  // "" hidden, "BEGIN" flying in, "STEP3" resting
  float per = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
  float speed = 0.0f;

  platform::Image picture;  // centred

  void reset();
  void start();
  void update();
  void draw() const;

 private:
  void _update_begin();
};
