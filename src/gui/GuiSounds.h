#pragma once
#include <memory>

// What the GUI asks of the sound catalogue, which implements it.
class IGuiSounds {
 public:
  virtual ~IGuiSounds() = default;
  virtual void playClick() = 0;
};

// Plays nothing.
class NullGuiSounds : public IGuiSounds {
 public:
  void playClick() override {}
};
