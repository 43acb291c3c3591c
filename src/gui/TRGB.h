#pragma once
#include <memory>

// A colour, each channel 0-255.
class TRGB {
 public:
  int r = 255;
  int g = 255;
  int b = 255;
};

std::shared_ptr<TRGB> createRGB(int r, int g, int b);
