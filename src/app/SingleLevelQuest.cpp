#include "app/SingleLevelQuest.h"

#include <cstdlib>

#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"

void SingleLevelQuest::prepareNextLevel() {
  TMainGame& game = App::get().mainGame();
  game.setLevel(App::get().levelManager().loadLevel(path_));
  game.setStartData();
}

std::string levelFromEnvironment() {
  const char* value = std::getenv("GLIMMERFIR_LEVEL");
  return value ? value : "";
}
