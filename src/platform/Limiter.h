// The mixer's last stage: the sum of every channel goes out untouched while it stays below
// the threshold; louder sums are brought down by a gain that falls fast and recovers slowly,
// and what still overshoots bends softly toward a ceiling below full scale. No sample clips.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class Limiter {
 public:
  // Sums at or below this level (about -3 dBFS) pass unchanged.
  static constexpr float kThreshold = 0.70f * 32767.0f;
  // The loudest sample the limiter lets out (about -0.4 dBFS).
  static constexpr float kCeiling = 0.955f * 32767.0f;

  // in: interleaved stereo sums of `frames` frames; out: the limited 16-bit samples.
  void process(const int32_t* in, int16_t* out, size_t frames);
  float gain() const { return gain_; }

 private:
  static float softClip(float sample);

  float gain_ = 1.0f;
};

}  // namespace platform
