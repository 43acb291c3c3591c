// The mix of many sounds at once: single sounds keep their level, loud sums never clip.
#include "platform/Mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using platform::kSampleRate;

// A stereo sine of the given peak (0..1 of full scale), frequency and length.
platform::Sound sine(float peak, float hz, float seconds) {
  auto sound = std::make_shared<platform::SoundData>();
  const size_t frames = size_t(seconds * float(kSampleRate));
  for (size_t i = 0; i < frames; ++i) {
    const double phase = 2.0 * M_PI * hz * double(i) / kSampleRate;
    const auto value = int16_t(std::lround(peak * 32767.0 * std::sin(phase)));
    sound->samples.push_back(value);
    sound->samples.push_back(value);
  }
  return sound;
}

std::vector<int16_t> render(platform::Mixer& mixer, float seconds) {
  std::vector<int16_t> out(size_t(seconds * float(kSampleRate)) * 2);
  // In device-sized blocks, as the audio thread asks for them.
  for (size_t at = 0; at < out.size() / 2; at += 512)
    mixer.mix(out.data() + at * 2, std::min<size_t>(512, out.size() / 2 - at));
  return out;
}

int peakOf(const std::vector<int16_t>& samples, size_t from = 0, size_t to = SIZE_MAX) {
  int peak = 0;
  for (size_t i = from; i < std::min(to, samples.size()); ++i)
    peak = std::max(peak, std::abs(int(samples[i])));
  return peak;
}

TEST(MixerTest, ASingleSoundAtEffectLevelPassesUnchanged) {
  platform::Mixer mixer;
  const auto sound = sine(0.5f, 440, 0.5f);  // -6 dBFS, where the effects peak
  mixer.play(sound);
  const auto out = render(mixer, 0.5f);
  EXPECT_EQ(out, sound->samples);
}

TEST(MixerTest, ManySoundsAtOnceNeverClipAndStayLoud) {
  struct Case {
    int sounds;
    float peak;
  };
  for (const Case& c : {Case{2, 0.5f}, Case{6, 0.5f}, Case{24, 0.5f}, Case{8, 1.0f}}) {
    SCOPED_TRACE(c.sounds);
    platform::Mixer mixer;
    // Sounds that start together in phase: the worst sum.
    for (int k = 0; k < c.sounds; ++k) mixer.play(sine(c.peak, 330, 0.4f));
    const auto out = render(mixer, 0.4f);
    const int peak = peakOf(out);
    EXPECT_LT(peak, 32767);
    EXPECT_LE(peak, int(platform::Limiter::kCeiling) + 1);
    // Brought down, not silenced: the sum stays at least as loud as one sound.
    EXPECT_GT(peak, int(0.6f * 32767));
  }
}

TEST(MixerTest, ASoundAfterALoudBurstIsBackAtItsOwnLevel) {
  platform::Mixer mixer;
  for (int k = 0; k < 12; ++k) mixer.play(sine(0.5f, 220, 0.3f));
  const auto burst = render(mixer, 0.3f);
  EXPECT_LT(peakOf(burst), 32767);
  // While the gain recovers a sound is quieter; a second and a half later it is itself again.
  const auto sound = sine(0.5f, 440, 0.2f);
  mixer.play(sound);
  EXPECT_LT(peakOf(render(mixer, 0.2f)), peakOf(sound->samples));
  render(mixer, 1.5f);
  mixer.play(sound);
  EXPECT_EQ(render(mixer, 0.2f), sound->samples);
}

}  // namespace
