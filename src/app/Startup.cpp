#include "app/Startup.h"

#include "app/Control.h"
#include "app/Frame.h"
#include "app/Paths.h"
#include "platform/platform.h"

void startGame() {
  platform::SeedRnd(platform::MilliSecs());
  setupFolders();
  Paths::getPaths();
  platform::Graphics(800, 600, 0, 60, 0);
  platform::FlushMouse();
  platform::FlushKeys();
}

int runGame() {
  startGame();
  Control::start();
  Control::mainLoop();
  quitGame();
}
