#include "app/Startup.h"

#include "app/App.h"
#include "app/Control.h"
#include "app/Frame.h"
#include "app/Paths.h"
#include "app/ResourceLoading.h"
#include "platform/platform.h"
#include "player/TOptions.h"

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
  Control::mainLoop();
  quitGame();
}
