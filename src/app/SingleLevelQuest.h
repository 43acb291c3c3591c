#pragma once
#include <string>

#include "app/QuestBook.h"

class TLevelManager;
class TMainGame;

// The quest of a designer's run that plays one level file: every new, resumed, restarted or
// next level is that file loaded afresh.
class SingleLevelQuest : public QuestBook {
 public:
  SingleLevelQuest(const TLevelManager& levels, TMainGame& game, std::string path)
      : levels_(levels), game_(game), path_(std::move(path)) {}

  void restartCurrentLevel() override { prepareNextLevel(); }
  void resume() override { prepareNextLevel(); }
  void startNew() override { prepareNextLevel(); }
  void prepareNextLevel() override;

  const std::string& path() const { return path_; }

 private:
  const TLevelManager& levels_;
  TMainGame& game_;
  std::string path_;
};

// The level file named by GLIMMERFIR_LEVEL, or empty.
std::string levelFromEnvironment();
