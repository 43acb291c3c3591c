#pragma once
#include <array>
#include <memory>
#include <string>

#include "platform/platform.h"

// One sound effect of the catalogue. Up to six instances of it may sound at once.
class TSoundData {
 public:
  static constexpr int kChannels = 6;

  std::string id;
  std::string url;
  platform::Sound snd;
  std::array<platform::Channel, kChannels> chn;

  // Plays on the first slot that is free or whose channel has ended, at `volume`; a seventh
  // instance while six still sound is dropped.
  void playMe(float volume);
  // Frees the slots whose channels have ended.
  void update();
  int playingCount() const;
};

using TSoundDataPtr = std::shared_ptr<TSoundData>;
