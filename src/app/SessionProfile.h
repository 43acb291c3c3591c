#pragma once

#include "match3/IMainGameProfile.h"

class TMainGame;

// What the main game reads from the player's profile until profiles exist: every level is
// timed, shows its own number, and there is nothing to save.
class SessionProfile : public IMainGameProfile {
 public:
  explicit SessionProfile(const TMainGame& game) : game_(game) {}
  int mode() const override { return 0; }
  int nrLeveluQuest() const override;
  void save() override {}

 private:
  const TMainGame& game_;
};
