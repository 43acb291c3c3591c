#pragma once
#include <string>

#include "app/App.h"

// The quest of a designer's run that plays one level file: every new, resumed, restarted or
// next level is that file loaded afresh.
class SingleLevelQuest : public QuestBook {
 public:
  explicit SingleLevelQuest(std::string path) : path_(std::move(path)) {}

  void restartCurrentLevel() override { prepareNextLevel(); }
  void resume() override { prepareNextLevel(); }
  void startNew() override { prepareNextLevel(); }
  void prepareNextLevel() override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The level file named by GLIMMERFIR_LEVEL, or empty.
std::string levelFromEnvironment();
