#include "tree/TLancuchData.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kLinkSpacing = 7.0f;
constexpr float kSag = 0.7f;

float sgn(float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); }

}  // namespace

TDim TLancuchData::getMPointDims(float x1, float y1, float x2, float y2) const {
  const float dx = x2 - x1, dy = y2 - y1;
  const float d = std::sqrt(dx * dx + dy * dy);
  TDim m;
  m.x = float(int(x1 + sgn(dx) * std::fabs(dx) / 2));
  m.y = float(int(y1 + sgn(dy) * std::fabs(dy) / 2 + kSag * d));
  return m;
}

std::vector<TLancuchData::Point> TLancuchData::linkPoints(float x1, float y1, float x2,
                                                          float y2) const {
  const TDim m = getMPointDims(x1, y1, x2, y2);
  const auto at = [&](float t) {
    return Point{x1 + 2 * t * (m.x - x1) + t * t * (x1 - 2 * m.x + x2),
                 y1 + 2 * t * (m.y - y1) + t * t * (y1 - 2 * m.y + y2)};
  };
  std::vector<Point> points{at(0)};
  const float dx = x2 - x1, dy = y2 - y1;
  const float d = std::sqrt(dx * dx + dy * dy);
  // Ends that coincide make one link: a second one on top of it would only darken it.
  if (d == 0) return points;
  const float step = kLinkSpacing / d;
  if (step < 0.001f) return points;
  float t = 0;
  while (t < 1.0f) {
    t = std::min(1.0f, t + step);
    points.push_back(at(t));
  }
  return points;
}

void TLancuchData::drawMe(float x1, float y1, float x2, float y2) {
  const float s = scale * stage().actS;
  platform::SetScale(s, s);
  for (const Point& p : linkPoints(x1, y1, x2, y2)) platform::DrawImage(gfx, p.x, p.y, 0);
}

int TLancuchData::checkOver(float x1, float y1, float x2, float y2) {
  if (!gfx) return 0;
  const float s = scale * stage().actS;
  for (const Point& p : linkPoints(x1, y1, x2, y2)) {
    platform::ResetCollisions(0);
    platform::SetScale(s, s);
    platform::CollideImage(gfx, float(int(p.x)), float(int(p.y)), 0, 0, 1, 0);
    if (stage().pointerOnWritten()) return 1;
  }
  return 0;
}
