#pragma once
#include <memory>

// A colour, 0-255 per channel; white unless set.
class TRGB {
 public:
  int r = 255;
  int g = 255;
  int b = 255;
};

std::shared_ptr<TRGB> createRGB(int r, int g, int b);
