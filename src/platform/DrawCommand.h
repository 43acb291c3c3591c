// One thing to draw, as the platform hands it to the renderer.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/platform.h"

namespace platform {

struct DrawCommand {
  enum class Kind : uint8_t { Clear, Texture, FillRect, Quad, Line };
  Kind kind = Kind::Clear;
  uint8_t blend = ALPHABLEND;
  uint8_t flip = SDL_FLIP_NONE;
  SDL_Color color{255, 255, 255, 255};
  Image image;  // Texture only
  int frame = 0;
  SDL_Rect src{};
  SDL_FRect dst{};
  SDL_FPoint center{};
  float angle = 0;
  SDL_FPoint points[4]{};  // Quad corners in order; Line uses the first two

  // Mask and solid drawing ignore the alpha: nothing is blended.
  Uint8 effectiveAlpha() const {
    return (blend == MASKBLEND || blend == SOLIDBLEND) ? 255 : color.a;
  }
};

}  // namespace platform
