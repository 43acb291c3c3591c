#include "app/App.h"

#include "app/SessionQuest.h"
#include "app/TTitleScreen.h"
#include "gui/TGui.h"
#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"
#include "match3/TTileCatalog.h"
#include "player/TBoardSoundsAdapter.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "screens/TStandInScreens.h"

namespace {
std::unique_ptr<App>& instance() {
  static std::unique_ptr<App> app;
  return app;
}
}  // namespace

App& App::get() { return *instance(); }

void App::create() { instance() = std::make_unique<App>(); }

void App::destroy() { instance().reset(); }

bool App::exists() { return instance() != nullptr; }

App::App() {
  createSingletons();
  connectFlow();
}

void App::createSingletons() {
  // Constructors here may only set fields and load data: no window exists yet.
  deltaTime_ = TDeltaTime::Create(60.0f);
  mainGame_ = std::make_unique<TMainGame>();
  tileCatalog_ = std::make_shared<TTileCatalog>();
  levelManager_ = std::make_unique<TLevelManager>(tileCatalog_);
  globalSnd_ = std::make_shared<TGlobalSnd>();
  options_ = std::make_unique<TOptions>();
  globalSnd_->options = options_.get();
  options_->sounds = globalSnd_.get();
  TGui::setSounds(globalSnd_);
  mouse_ = std::make_unique<TMouse>();
  pixel_ = platform::LoadImage("gfx/pixel.png");
  title_ = std::make_unique<TTitleScreen>();
  // The in-game menu, win and lose screens are not in yet; these stand in for them.
  standIns_ = std::make_unique<TStandInScreens>(*mainGame_);
  boardSounds_ = std::make_unique<TBoardSoundsAdapter>(*globalSnd_);
  mainGame_->sounds = globalSnd_.get();
  mainGame_->boardSounds = boardSounds_.get();
  mainGame_->overlays = standIns_.get();
  quest_ = std::make_unique<SessionQuest>(*levelManager_, *mainGame_);
}

void App::connectFlow() {
  // Until the main menu exists, the game opens on its title card.
  flow_.mainMenu = [this] { return title_->mainLoop(); };
  flow_.mainMenuRestart = Control::MAIN_MENU_RESTART;
  flow_.mainGame = [this] { return mainGame_->mainLoop(); };
  // Until the tree screen exists, levels follow one another directly.
  flow_.treeScreen = [] { return std::string("MAIN-GAME"); };
  flow_.newQuest = Control::NEW_Quest;
  flow_.resumeQuest = Control::RESUME_Quest;
  flow_.getNextQuestLevel = Control::QUEST_getNextLevel;
  flow_.restartLevel = Control::RESTART_Level;
}

void App::updateFrameServices() {
  mouse_->update();
  globalSnd_->update();
}

void App::saveAll() { options_->saveOptions(); }

App::~App() {
  // The catalogue reads the options, which end here: the GUI goes silent first.
  TGui::setSounds(std::make_shared<NullGuiSounds>());
}
