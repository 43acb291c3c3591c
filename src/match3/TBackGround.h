#pragma once
#include <string>

#include "platform/platform.h"

// One board background; its picture is loaded when a level that uses it is shown.
class TBackGround {
 public:
  int id = 0;
  platform::Image img;
  std::string url;

  void LoadImg();
  void draw() const;
};
