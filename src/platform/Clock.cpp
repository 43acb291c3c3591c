#include "platform/Clock.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {
constexpr int64_t kUnitsPerMilli = Clock::kFrameRate;
constexpr int64_t kUnitsPerFrame = 1000;  // 1000/60 ms in 1/60 ms
constexpr double kFrameMillis = 1000.0 / Clock::kFrameRate;
}  // namespace

void Clock::setVirtual(bool on) { virtual_ = on; }

void Clock::reset() {
  units_ = 0;
  nextTick_ = 0;
}

int Clock::millis() const {
  if (virtual_) return int(units_ / kUnitsPerMilli);
  return int(SDL_GetTicks64());
}

void Clock::advanceFrame() {
  if (virtual_) units_ += kUnitsPerFrame;
}

void Clock::delay(int millis) {
  if (millis <= 0) return;
  if (virtual_) {
    units_ += int64_t(millis) * kUnitsPerMilli;
    return;
  }
  SDL_Delay(Uint32(millis));
}

void Clock::paceFrame() {
  if (virtual_) return;
  const double now =
      double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency());
  const double wait = frameWait(now);
  if (wait > 1) SDL_Delay(Uint32(wait));
}

double Clock::frameWait(double nowMillis) {
  // Far behind (a stall, a debugger): this frame is shown now and the count starts afresh
  // from it, instead of rushing to catch up or sleeping on a frame that is already late.
  if (nextTick_ == 0 || nowMillis - nextTick_ > 4 * kFrameMillis) {
    nextTick_ = nowMillis;
    return 0;
  }
  nextTick_ += kFrameMillis;
  return std::max(0.0, nextTick_ - nowMillis);
}

}  // namespace platform
