// The sounds and music of the tree screen, played by name through the sound catalogue.
#pragma once

#include <string>

class ITreeSounds {
 public:
  virtual ~ITreeSounds() = default;
  virtual void overSound() = 0;  // the pointer comes onto another product
  virtual void playPut() = 0;    // a decoration put on the tree, dropped or thrown away
  virtual void playMyMusic(const std::string& name) = 0;
};
