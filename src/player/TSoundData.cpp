#include "player/TSoundData.h"

#include <algorithm>

void TSoundData::playMe(float volume) {
  for (platform::Channel& slot : chn) {
    if (slot && platform::ChannelPlaying(slot)) continue;
    slot = platform::PlaySound(snd);
    platform::SetChannelVolume(slot, std::clamp(volume, 0.0f, 1.0f));
    return;
  }
}

void TSoundData::update() {
  for (platform::Channel& slot : chn)
    if (slot && !platform::ChannelPlaying(slot)) slot.reset();
}

int TSoundData::playingCount() const {
  return static_cast<int>(std::count_if(chn.begin(), chn.end(), [](const platform::Channel& c) {
    return c && platform::ChannelPlaying(c);
  }));
}
