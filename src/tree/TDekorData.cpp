#include "tree/TDekorData.h"

#include <cstdlib>

namespace {
constexpr int kBehindTreeLayer = 5;
constexpr int kInFrontLayer = 6;
constexpr int kLastRowBehind = 520;
constexpr int kNearRow = 480;
constexpr int kFarRow = 580;
}  // namespace

float TDekorData::groundScale(int y) {
  if (y < kNearRow || y > kFarRow) return 1.0f;
  return 0.6f + float(std::abs(y - kNearRow)) / 100.0f * 0.4f;
}

int TDekorData::obliczWarstwe(int /*x*/, int y) {
  return y <= kLastRowBehind ? kBehindTreeLayer : kInFrontLayer;
}

int TDekorData::drawWithHandle(int x, int y, const TRGB* colour, float rotation) {
  const int layer = obliczWarstwe(x, y);
  queue(layer, x, y, colour, rotation, groundScale(y) * stage().actS);
  return 0;
}

void TDekorData::collideWithHandle(int x, int y) { collideAt(x, y, groundScale(y) * stage().actS); }
