#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

Channel Mixer::play(const Sound& sound) {
  if (!sound) return nullptr;
  auto channel = std::make_shared<ChannelData>();
  channel->sound = sound;
  if (sound->encoded) {
    std::string error;
    channel->stream = VorbisStream::open(sound->encoded, error);
  }
  channel->playing = channel->stream || sound->frames() > 0;
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
    if (channel->stream)
      mixStreamed(*channel, accumulator, frames);
    else
      mixDecoded(*channel, accumulator, frames);
  }
  std::erase_if(active_, [](const Channel& c) { return !c->playing; });
}

namespace {

void addScaled(int32_t* out, const int16_t* in, size_t frames, float volume) {
  const int32_t gain = int32_t(std::lround(volume * 256.0f));
  if (!out || gain <= 0) return;
  for (size_t i = 0; i < frames * 2; ++i) out[i] += (int32_t(in[i]) * gain) >> 8;
}

}  // namespace

void Mixer::mixDecoded(ChannelData& channel, int32_t* accumulator, size_t frames) {
  const SoundData& sound = *channel.sound;
  const size_t length = sound.frames();
  size_t done = 0;
  while (done < frames && channel.playing) {
    const size_t run = std::min(frames - done, length - channel.position);
    if (accumulator)
      addScaled(accumulator + done * 2, sound.samples.data() + channel.position * 2, run,
                channel.volume);
    done += run;
    channel.position += run;
    if (channel.position >= length) {
      channel.position = 0;
      channel.playing = sound.loop;
    }
  }
}

// Decoded even when nothing is heard, so the music is where it should be when it is.
void Mixer::mixStreamed(ChannelData& channel, int32_t* accumulator, size_t frames) {
  streamed_.resize(frames * 2);
  const size_t got = channel.stream->read(streamed_.data(), frames, channel.sound->loop);
  if (accumulator) addScaled(accumulator, streamed_.data(), got, channel.volume);
  channel.position += got;
  if (got < frames || channel.stream->finished()) channel.playing = false;
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
