// Pixel-accurate overlap tests: 32 screen-sized layers of ids, each allocated on first write.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/GraphicsState.h"
#include "platform/ImageData.h"

namespace platform {

class CollisionLayers {
 public:
  static constexpr int kLayers = 32;

  void setSize(int width, int height);
  void reset(uint32_t mask);
  // Tests the opaque pixels of the frame, placed as drawn, against the layers in collideMask;
  // then writes them with `id` into the layers in writeMask. Each overlapped id once, in the
  // order first met.
  std::vector<int> collide(const PixmapData& frame, const Placement& placement,
                           uint32_t collideMask, uint32_t writeMask, int id);

 private:
  // Screen pixels (y * width + x) covered by opaque pixels of the frame.
  std::vector<int> coverage(const PixmapData& frame, const Placement& placement) const;

  int width_ = 800;
  int height_ = 600;
  std::array<std::vector<int>, kLayers> ids_;
  std::array<std::vector<uint8_t>, kLayers> used_;
};

}  // namespace platform
