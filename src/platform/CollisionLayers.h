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
  // A pixel holds an id while its stamp equals the layer's epoch, so a reset is one increment
  // (the game resets and rewrites layers every frame).
  struct Layer {
    std::vector<int> ids;
    std::vector<uint32_t> stamps;
    uint32_t epoch = 1;
    bool written = false;
  };
  std::array<Layer, kLayers> layers_;
};

}  // namespace platform
