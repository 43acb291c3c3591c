// Clock and number calls of the platform API.
#include <cmath>

#include "platform/Backend.h"
#include "platform/platform.h"

namespace platform {

int MilliSecs() { return Backend::get().clock.millis(); }
void Delay(int millis) {
  Backend& b = Backend::get();
  b.clock.delay(millis);
  // Headless sound follows the virtual clock, a delay included.
  if (b.headless())
    b.audio.mixUntil(b.clock.virtualUnits() * kSampleRate / (int64_t{1000} * Clock::kFrameRate));
}
void SeedRnd(int seed) { Backend::get().random.seed(seed); }
int Rand(int low, int high) { return Backend::get().random.range(low, high); }
float Rnd(float low, float high) { return Backend::get().random.uniform(low, high); }
namespace {
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
}
float Sin(float degrees) { return float(std::sin(double(degrees) * kRadiansPerDegree)); }
float Cos(float degrees) { return float(std::cos(double(degrees) * kRadiansPerDegree)); }
float ATan2(float y, float x) {
  return float(std::atan2(double(y), double(x)) / kRadiansPerDegree);
}

}  // namespace platform
