// Our own small mixer: every playing channel is summed at its own level into 44.1 kHz stereo
// 16-bit; the limiter keeps loud sums from clipping while single sounds pass unchanged.
// The audio thread (or, headless, Flip) pulls samples; the game thread starts and stops
// channels. One mutex guards both sides.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/Limiter.h"
#include "platform/VorbisStream.h"
#include "platform/platform.h"

namespace platform {

constexpr int kSampleRate = 44100;

// Decoded samples, or (streamed) the encoded file that each channel decodes as it plays.
struct SoundData {
  std::vector<int16_t> samples;  // interleaved stereo at kSampleRate
  VorbisStream::Bytes encoded;
  bool loop = false;
  size_t frames() const { return samples.size() / 2; }
};

struct ChannelData {
  Sound sound;
  std::shared_ptr<VorbisStream> stream;  // a streamed sound's own decoder
  size_t position = 0;                   // in frames
  float volume = 1;
  bool playing = true;
};

class Mixer {
 public:
  Channel play(const Sound& sound);
  bool playing(const Channel& channel);
  void setVolume(const Channel& channel, float volume);
  void stop(const Channel& channel);
  void stopAll();
  // Adds `frames` stereo frames of every channel into out (which is overwritten).
  void mix(int16_t* out, size_t frames);
  // Moves the channels on without producing sound (no device).
  void skip(size_t frames);

 private:
  void mixLocked(int32_t* accumulator, size_t frames);
  void mixDecoded(ChannelData& channel, int32_t* accumulator, size_t frames);
  void mixStreamed(ChannelData& channel, int32_t* accumulator, size_t frames);

  std::mutex mutex_;
  std::vector<Channel> active_;
  std::vector<int32_t> accumulator_;
  std::vector<int16_t> streamed_;
  Limiter limiter_;
};

}  // namespace platform
