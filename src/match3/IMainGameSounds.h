#pragma once
#include <string>

// What the main game screen plays itself: the opening jingle, the clock's tick in the last
// seconds of a timed level and its music by name.
class IMainGameSounds {
 public:
  virtual ~IMainGameSounds() = default;
  virtual void playBegin() = 0;
  virtual void playClockTick() = 0;
  virtual void playMyMusic(const std::string& name) = 0;
};
