// A point on the quadratic curve from p1 to p2 over the control point m, at progress t (0-1).
#pragma once

inline float quadraticPoint(float p1, float m, float p2, float t) {
  return p1 + 2 * t * (m - p1) + t * t * (p1 + p2 - 2 * m);
}
