#pragma once
#include <memory>

// What the GUI asks of the sound catalogue. The catalogue implements it and installs itself
// with TGui::setSounds; until then the GUI is silent.
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
