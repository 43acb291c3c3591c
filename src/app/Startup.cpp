#include "app/Startup.h"

#include <cstdio>
#include <memory>

#include "app/App.h"
#include "app/Control.h"
#include "app/Frame.h"
#include "app/Globals.h"
#include "app/Paths.h"
#include "app/ResourceLoading.h"
#include "app/SingleLevelQuest.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TOptions.h"

namespace {
// GLIMMERFIR_LEVEL=file: the run opens on that level instead of the main menu.
bool startWithLevelFile() {
  const std::string path = levelFromEnvironment();
  if (path.empty()) return false;
  if (platform::FileType(path) != 1) {
    std::printf("GLIMMERFIR_LEVEL : no level file '%s'\n", path.c_str());
    return false;
  }
  auto quest = std::make_unique<SingleLevelQuest>(path);
  quest->prepareNextLevel();
  App::get().setQuest(std::move(quest));
  currentState = "MAIN-GAME";
  return true;
}
}  // namespace

void startGame() {
  platform::SeedRnd(platform::MilliSecs());
  setupFolders();
  Paths::getPaths();
  App::get().options().loadOptions();
  App::get().options().openScreen();
  loadSharedResources();
  platform::FlushMouse();
  platform::FlushKeys();
}

int runGame() {
  startGame();
  Control::start();
  startWithLevelFile();
  Control::mainLoop();
  quitGame();
}
