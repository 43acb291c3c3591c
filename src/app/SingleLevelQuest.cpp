#include "app/SingleLevelQuest.h"

#include <cstdlib>

#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"

void SingleLevelQuest::prepareNextLevel() {
  game_.setLevel(levels_.loadLevel(path_));
  game_.setStartData();
}

std::string levelFromEnvironment() {
  const char* value = std::getenv("GLIMMERFIR_LEVEL");
  return value ? value : "";
}
