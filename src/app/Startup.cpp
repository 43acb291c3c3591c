#include "app/Startup.h"

#include <cstdio>
#include <memory>

#include "app/App.h"
#include "app/Control.h"
#include "app/Frame.h"
#include "app/Globals.h"
#include "app/Paths.h"
#include "app/SingleLevelQuest.h"
#include "effects/Poswiata.h"
#include "effects/TParticle.h"
#include "effects/TSnow.h"
#include "effects/TSopel.h"
#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"

namespace {
// The shared resources in the order the loading screen will load them.
void loadResources() {
  App& app = App::get();
  app.mainGame().setup();
  app.tileCatalog()->loadAll();
  app.levelManager().setup();
  app.globalSnd().setup();
  for (int part = 1; part <= 7; ++part) app.globalSnd().loadMusicPart(part);
  TParticle::setup();
  loadSnowImages();
  Poswiata::setup();
  loadSople();
}

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
  platform::FlushMouse();
  platform::FlushKeys();
  loadResources();
}

int runGame() {
  startGame();
  Control::start();
  startWithLevelFile();
  Control::mainLoop();
  quitGame();
}
