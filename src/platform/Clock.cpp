#include "platform/Clock.h"

#include <SDL.h>

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
  // Far behind (a stall, a debugger): start counting afresh instead of rushing to catch up.
  if (nextTick_ == 0 || now - nextTick_ > 4 * kFrameMillis) nextTick_ = now;
  nextTick_ += kFrameMillis;
  const double wait = nextTick_ - now;
  if (wait > 1) SDL_Delay(Uint32(wait));
}

}  // namespace platform
