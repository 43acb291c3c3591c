#include "platform/CollisionLayers.h"

#include <algorithm>
#include <cmath>

namespace platform {

void CollisionLayers::setSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  for (Layer& layer : layers_) layer = Layer{};
}

void CollisionLayers::reset(uint32_t mask) {
  for (int index = 0; index < kLayers; ++index) {
    if (mask != 0 && !(mask & (1u << index))) continue;
    Layer& layer = layers_[size_t(index)];
    if (!layer.written) continue;
    layer.written = false;
    if (++layer.epoch == 0) {  // wrapped: old stamps could match again
      std::fill(layer.stamps.begin(), layer.stamps.end(), 0u);
      layer.epoch = 1;
    }
  }
}

std::vector<int> CollisionLayers::coverage(const PixmapData& frame, const Placement& p) const {
  std::vector<int> covered;
  if (p.width <= 0 || p.height <= 0 || p.scaleX == 0 || p.scaleY == 0 || frame.width <= 0 ||
      frame.height <= 0)
    return covered;
  const float c = std::cos(p.angle * kDegreesToRadians);
  const float s = std::sin(p.angle * kDegreesToRadians);
  // Screen bounds of the placed rectangle.
  float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
  for (int corner = 0; corner < 4; ++corner) {
    const float lx = ((corner & 1) ? p.width : 0) - p.handleX;
    const float ly = ((corner & 2) ? p.height : 0) - p.handleY;
    const float ux = lx * p.scaleX, uy = ly * p.scaleY;
    const float sx = p.x + ux * c - uy * s, sy = p.y + ux * s + uy * c;
    minX = std::min(minX, sx), maxX = std::max(maxX, sx);
    minY = std::min(minY, sy), maxY = std::max(maxY, sy);
  }
  const int x0 = std::max(0, int(std::floor(minX))),
            x1 = std::min(width_ - 1, int(std::ceil(maxX)));
  const int y0 = std::max(0, int(std::floor(minY))),
            y1 = std::min(height_ - 1, int(std::ceil(maxY)));
  const float toSourceX = float(frame.width) / p.width, toSourceY = float(frame.height) / p.height;
  // Each screen pixel centre is taken back into the picture.
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float dx = float(x) + 0.5f - p.x, dy = float(y) + 0.5f - p.y;
      const float lx = (dx * c + dy * s) / p.scaleX + p.handleX;
      const float ly = (-dx * s + dy * c) / p.scaleY + p.handleY;
      if (lx < 0 || ly < 0 || lx >= p.width || ly >= p.height) continue;
      const int px = std::min(frame.width - 1, int(lx * toSourceX));
      const int py = std::min(frame.height - 1, int(ly * toSourceY));
      if ((frame.at(px, py) >> 24) >= 128) covered.push_back(y * width_ + x);
    }
  }
  return covered;
}

std::vector<int> CollisionLayers::collide(const PixmapData& frame, const Placement& placement,
                                          uint32_t collideMask, uint32_t writeMask, int id) {
  const std::vector<int> covered = coverage(frame, placement);
  std::vector<int> hits;
  for (int index = 0; index < kLayers; ++index) {
    const Layer& layer = layers_[size_t(index)];
    if (!(collideMask & (1u << index)) || !layer.written) continue;
    for (int pixel : covered) {
      if (layer.stamps[size_t(pixel)] != layer.epoch) continue;
      const int other = layer.ids[size_t(pixel)];
      if (std::find(hits.begin(), hits.end(), other) == hits.end()) hits.push_back(other);
    }
  }
  for (int index = 0; index < kLayers; ++index) {
    if (!(writeMask & (1u << index))) continue;
    Layer& layer = layers_[size_t(index)];
    if (layer.stamps.empty()) {
      layer.ids.assign(size_t(width_) * size_t(height_), 0);
      layer.stamps.assign(size_t(width_) * size_t(height_), 0u);
    }
    for (int pixel : covered) {
      layer.ids[size_t(pixel)] = id;
      layer.stamps[size_t(pixel)] = layer.epoch;
    }
    layer.written = true;
  }
  return hits;
}

}  // namespace platform
