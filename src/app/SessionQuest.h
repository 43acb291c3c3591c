#pragma once
#include <memory>

#include "app/QuestBook.h"

class TLevelManager;
class TMainGame;

// The quest walked through in order for one run of the program: every level of the first
// set, then of the next, and round again after the last. Profiles will keep this position
// between runs; until they exist it lasts as long as the program.
class SessionQuest : public QuestBook {
 public:
  SessionQuest(const TLevelManager& levels, TMainGame& game) : levels_(levels), game_(game) {}

  void restartCurrentLevel() override;
  void resume() override;
  void startNew() override;
  void prepareNextLevel() override;

  int setIndex() const { return set_; }       // position in the quest sets
  int levelNumber() const { return level_; }  // 1-based within the set, 0 before the first

 private:
  int levelsInSet(int set) const;
  void advance();

  const TLevelManager& levels_;
  TMainGame& game_;
  int set_ = 0;
  int level_ = 0;
};
