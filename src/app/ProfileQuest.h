// The quest bookkeeping of the screen flow on the current player's profile: the position is
// the profile's, each step is saved, and the main game is handed the profile's level.
#pragma once

#include "app/QuestBook.h"

class TMainGame;
class TProfileManager;

class ProfileQuest : public QuestBook {
 public:
  ProfileQuest(TProfileManager& profiles, TMainGame& game) : profiles_(profiles), game_(game) {}

  void restartCurrentLevel() override;
  void resume() override;
  void startNew() override;
  void prepareNextLevel() override;

 private:
  TProfileManager& profiles_;
  TMainGame& game_;
};
