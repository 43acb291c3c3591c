#include "platform/CollisionLayers.h"

#include <algorithm>
#include <cmath>

namespace platform {

void CollisionLayers::setSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  reset(0);
}

void CollisionLayers::reset(uint32_t mask) {
  for (int layer = 0; layer < kLayers; ++layer) {
    if (mask != 0 && !(mask & (1u << layer))) continue;
    ids_[size_t(layer)].clear();
    used_[size_t(layer)].clear();
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
  for (int layer = 0; layer < kLayers; ++layer) {
    if (!(collideMask & (1u << layer)) || used_[size_t(layer)].empty()) continue;
    const auto& ids = ids_[size_t(layer)];
    const auto& used = used_[size_t(layer)];
    for (int pixel : covered) {
      if (!used[size_t(pixel)]) continue;
      const int other = ids[size_t(pixel)];
      if (std::find(hits.begin(), hits.end(), other) == hits.end()) hits.push_back(other);
    }
  }
  for (int layer = 0; layer < kLayers; ++layer) {
    if (!(writeMask & (1u << layer))) continue;
    auto& ids = ids_[size_t(layer)];
    auto& used = used_[size_t(layer)];
    if (used.empty()) {
      ids.assign(size_t(width_) * size_t(height_), 0);
      used.assign(size_t(width_) * size_t(height_), 0);
    }
    for (int pixel : covered) {
      ids[size_t(pixel)] = id;
      used[size_t(pixel)] = 1;
    }
  }
  return hits;
}

}  // namespace platform
