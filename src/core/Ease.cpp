#include "core/Ease.h"

#include <algorithm>

float easeToward(float value, float target, float step) {
  if (value < target) return std::min(value + step, target);
  if (value > target) return std::max(value - step, target);
  return value;
}
