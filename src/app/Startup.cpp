#include "app/Startup.h"

#include <memory>

#include "app/App.h"
#include "app/Control.h"
#include "app/LevelBot.h"
#include "app/Paths.h"
#include "app/SingleLevelQuest.h"
#include "core/Globals.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TOptions.h"
#include "screens/TIntro.h"
#include "screens/TLoadingScreen.h"

namespace {
// GLIMMERFIR_LEVEL=file: the run opens on that level instead of the main menu.
bool startWithLevelFile() {
  const std::string path = levelFromEnvironment();
  if (path.empty()) return false;
  if (platform::FileType(path) != 1) {
    platform::Logf("GLIMMERFIR_LEVEL : no level file '%s'", path.c_str());
    return false;
  }
  App& app = App::get();
  auto quest = std::make_unique<SingleLevelQuest>(app.levelManager(), app.mainGame(), path);
  quest->prepareNextLevel();
  app.setQuest(std::move(quest));
  currentState = "MAIN-GAME";
  if (levelBotWanted())
    app.setInputHook([bot = std::make_shared<LevelBot>(app.mainGame())] { bot->frame(); });
  return true;
}

void playIntro() {
  App& app = App::get();
  TIntro intro(app);
  intro.load();
  intro.play(app.options().soundVolFloat());
}
}  // namespace

void startGame() {
  platform::SeedRnd(platform::MilliSecs());
  setupFolders();
  Paths::getPaths();
  App& app = App::get();
  app.options().loadOptions();
  app.options().openScreen();
  // A run that opens straight on a level file is a developer's: it goes without the intro.
  if (levelFromEnvironment().empty()) playIntro();
  app.loadingScreen().loadAll();
  platform::FlushMouse();
  platform::FlushKeys();
}

int runGame() {
  startGame();
  Control::start();
  startWithLevelFile();
  Control::mainLoop();
  App::get().quitGame();
}
