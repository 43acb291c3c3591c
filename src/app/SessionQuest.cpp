#include "app/SessionQuest.h"

#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"
#include "match3/TZestaw.h"

int SessionQuest::levelsInSet(int set) const {
  if (set < 0 || set >= static_cast<int>(levels_.zestawyQuest.size())) return 0;
  const auto& zestaw = levels_.zestawyQuest[static_cast<size_t>(set)];
  return zestaw ? static_cast<int>(zestaw->levels.size()) : 0;
}

void SessionQuest::advance() {
  level_ += 1;
  const int sets = static_cast<int>(levels_.zestawyQuest.size());
  for (int tried = 0; tried <= sets && level_ > levelsInSet(set_); ++tried) {
    set_ = sets > 0 ? (set_ + 1) % sets : 0;
    level_ = 1;
  }
}

void SessionQuest::prepareNextLevel() {
  advance();
  if (levelsInSet(set_) == 0) return;  // no quest data: nothing to play
  const auto& zestaw = levels_.zestawyQuest[static_cast<size_t>(set_)];
  auto level = levels_.QUEST_loadLevel(zestaw->id, level_);
  if (!level) return;
  game_.setLevel(level);
  game_.setStartData();
}

void SessionQuest::restartCurrentLevel() {
  // One step back and forward again loads the same level afresh.
  if (level_ > 0) level_ -= 1;
  prepareNextLevel();
}

void SessionQuest::resume() {
  if (level_ == 0) prepareNextLevel();
}

void SessionQuest::startNew() {
  set_ = 0;
  level_ = 0;
  prepareNextLevel();
}
