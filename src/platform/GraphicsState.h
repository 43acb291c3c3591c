// The one graphics state of the program, and where a picture lands under it.
#pragma once

#include <cmath>

#include "platform/platform.h"

namespace platform {

// A picture of width x height placed with its handle at (x, y), scaled, then rotated
// clockwise about the handle: screen = (x, y) + R(angle) * S * (p - handle).
struct Placement {
  float x = 0, y = 0;
  float width = 0, height = 0;
  float handleX = 0, handleY = 0;
  float scaleX = 1, scaleY = 1;
  float angle = 0;
};

struct GraphicsState {
  int red = 255, green = 255, blue = 255;
  float alpha = 1;
  int blend = ALPHABLEND;
  float rotation = 0;
  float scaleX = 1, scaleY = 1;
  int clsRed = 0, clsGreen = 0, clsBlue = 0;
  ImageFont font;

  Placement place(float x, float y, float width, float height, float hx, float hy) const {
    return Placement{x, y, width, height, hx, hy, scaleX, scaleY, rotation};
  }
};

constexpr float kDegreesToRadians = 3.14159265358979323846f / 180.0f;

}  // namespace platform
