#include "platform/Limiter.h"

#include <algorithm>
#include <cmath>

#include "platform/Mixer.h"

namespace platform {

namespace {
// Per-frame smoothing of the gain: about half a millisecond down, 150 ms back up.
const float kAttack = 1.0f - std::exp(-1.0f / (0.0005f * float(kSampleRate)));
const float kRelease = 1.0f - std::exp(-1.0f / (0.150f * float(kSampleRate)));
}  // namespace

float Limiter::softClip(float sample) {
  const float magnitude = std::fabs(sample);
  if (magnitude <= kThreshold) return sample;
  const float room = kCeiling - kThreshold;
  const float bent = kThreshold + room * std::tanh((magnitude - kThreshold) / room);
  return std::copysign(bent, sample);
}

void Limiter::process(const int32_t* in, int16_t* out, size_t frames) {
  for (size_t i = 0; i < frames; ++i) {
    const float left = float(in[2 * i]);
    const float right = float(in[2 * i + 1]);
    const float peak = std::max(std::fabs(left), std::fabs(right));
    const float wanted = peak > kThreshold ? kThreshold / peak : 1.0f;
    gain_ += (wanted - gain_) * (wanted < gain_ ? kAttack : kRelease);
    if (gain_ > 0.999f) gain_ = 1.0f;  // float steps this small would never reach 1
    out[2 * i] = int16_t(std::lround(softClip(left * gain_)));
    out[2 * i + 1] = int16_t(std::lround(softClip(right * gain_)));
  }
}

}  // namespace platform
