#include "platform/Random.h"

#include <cmath>
#include <utility>

namespace platform {

void Random::seed(int value) {
  if (!salt_) {
    engine_.seed(static_cast<std::mt19937::result_type>(value));
    return;
  }
  std::seed_seq sequence{value, *salt_};
  engine_.seed(sequence);
}

int Random::range(int low, int high) {
  if (low > high) std::swap(low, high);
  std::uniform_int_distribution<long long> pick(low, high);
  return int(pick(engine_));
}

float Random::uniform(float low, float high) {
  const float unit = float(engine_() >> 8) * (1.0f / 16777216.0f);  // [0, 1)
  const float value = low + (high - low) * unit;
  // Rounding may land on the open end.
  if (low < high && value >= high) return std::nextafter(high, low);
  return value;
}

}  // namespace platform
