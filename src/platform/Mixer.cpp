#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

Channel Mixer::play(const Sound& sound) {
  if (!sound) return nullptr;
  auto channel = std::make_shared<ChannelData>();
  channel->sound = sound;
  channel->playing = sound->frames() > 0;
  std::lock_guard lock(mutex_);
  if (channel->playing) active_.push_back(channel);
  return channel;
}

bool Mixer::playing(const Channel& channel) {
  if (!channel) return false;
  std::lock_guard lock(mutex_);
  return channel->playing;
}

void Mixer::setVolume(const Channel& channel, float volume) {
  if (!channel) return;
  std::lock_guard lock(mutex_);
  channel->volume = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f;
}

void Mixer::stop(const Channel& channel) {
  if (!channel) return;
  std::lock_guard lock(mutex_);
  channel->playing = false;
}

void Mixer::stopAll() {
  std::lock_guard lock(mutex_);
  for (const Channel& channel : active_) channel->playing = false;
  active_.clear();
}

void Mixer::mixLocked(int32_t* accumulator, size_t frames) {
  for (const Channel& channel : active_) {
    if (!channel->playing) continue;
    const SoundData& sound = *channel->sound;
    const size_t length = sound.frames();
    const int32_t gain = int32_t(std::lround(channel->volume * 256.0f));
    size_t done = 0;
    while (done < frames && channel->playing) {
      const size_t run = std::min(frames - done, length - channel->position);
      if (accumulator && gain > 0) {
        const int16_t* in = sound.samples.data() + channel->position * 2;
        int32_t* out = accumulator + done * 2;
        for (size_t i = 0; i < run * 2; ++i) out[i] += (int32_t(in[i]) * gain) >> 8;
      }
      done += run;
      channel->position += run;
      if (channel->position >= length) {
        channel->position = 0;
        channel->playing = sound.loop;
      }
    }
  }
  std::erase_if(active_, [](const Channel& c) { return !c->playing; });
}

void Mixer::mix(int16_t* out, size_t frames) {
  std::lock_guard lock(mutex_);
  accumulator_.assign(frames * 2, 0);
  mixLocked(accumulator_.data(), frames);
  limiter_.process(accumulator_.data(), out, frames);
}

void Mixer::skip(size_t frames) {
  std::lock_guard lock(mutex_);
  mixLocked(nullptr, frames);
}

}  // namespace platform
