#pragma once
#include <string>

// The sounds a board plays, by name or through the catalogue's named shortcuts. The sound
// catalogue implements it (player/TBoardSoundsAdapter); tests record the calls.
class IBoardSounds {
 public:
  virtual ~IBoardSounds() = default;

  virtual void playMySound(const std::string& name) = 0;  // "particle4", "fly2", "wir1", ...
  virtual void playBonus() = 0;                           // a large match made a bonus
  virtual void playChain() = 0;                           // a chain breaks
  virtual void playPlates() = 0;                          // a plate layer shatters
  virtual void bomb() = 0;                                // a bomb goes off
  virtual void crossFire(int moc) = 0;                    // a fire line of that power starts
};

// The sounds of a board that has none: silence.
class TNullBoardSounds : public IBoardSounds {
 public:
  void playMySound(const std::string&) override {}
  void playBonus() override {}
  void playChain() override {}
  void playPlates() override {}
  void bomb() override {}
  void crossFire(int) override {}
};
