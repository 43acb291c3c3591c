#pragma once

// What the main game screen reads from the current player's profile.
class IMainGameProfile {
 public:
  virtual ~IMainGameProfile() = default;
  virtual int mode() const = 0;  // 0 timed, anything else relaxed
  virtual int nrLeveluQuest() const = 0;
  virtual void save() = 0;
};
