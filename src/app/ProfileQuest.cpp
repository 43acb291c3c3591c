#include "app/ProfileQuest.h"

#include "match3/TMainGame.h"
#include "player/TProfileManager.h"

void ProfileQuest::restartCurrentLevel() {
  if (!profiles_.profile) return;
  // One step back and forward again loads the same level afresh.
  profiles_.profile->nrLeveluQuest -= 1;
  prepareNextLevel();
}

void ProfileQuest::prepareNextLevel() {
  TProfile* profile = profiles_.profile.get();
  if (!profile) return;
  profile->QUEST_nextLevel();
  profiles_.saveAll();
  game_.setLevel(profile->questLevel);
  game_.setStartData();
}

void ProfileQuest::resume() {
  TProfile* profile = profiles_.profile.get();
  if (!profile) return;
  // A saved level that could not be read back: its position is played afresh.
  if (!profile->questLevel) profile->QUEST_getLevelAndZestaw();
  if (game_.level != profile->questLevel) {
    game_.setLevel(profile->questLevel);
    game_.setStartData();
  }
}

void ProfileQuest::startNew() {
  TProfile* profile = profiles_.profile.get();
  if (!profile) return;
  profile->QUEST_startNew();
  profiles_.saveAll();
  profile->QUEST_getLevelAndZestaw();
  game_.setLevel(profile->questLevel);
  game_.setStartData();
}
