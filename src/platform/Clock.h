// Milliseconds for the game: SDL's clock, or (headless) a virtual one that moves exactly
// 1000/60 ms per frame and by each Delay.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  static constexpr int kFrameRate = 60;

  void setVirtual(bool on);
  bool isVirtual() const { return virtual_; }
  void reset();
  int millis() const;
  // Virtual time in 1/60 ms: exact for whole frames and whole milliseconds.
  int64_t virtualUnits() const { return units_; }
  void advanceFrame();
  void delay(int millis);
  // Real clock: sleeps until the next 1000/60 ms tick.
  void paceFrame();
  // The pacing rule of paceFrame at real time `nowMillis`: how long to sleep (ms).
  double frameWait(double nowMillis);

 private:
  bool virtual_ = false;
  int64_t units_ = 0;
  double nextTick_ = 0;
};

}  // namespace platform
