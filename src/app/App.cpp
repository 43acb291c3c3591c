#include "app/App.h"

#include "app/ProfileQuest.h"
#include "app/ResourceLoading.h"
#include "app/TutorialWorld.h"
#include "core/TDeltaTime.h"
#include "datafile/AssetNames.h"
#include "effects/TZBuffer.h"
#include "gui/TMouse.h"
#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"
#include "match3/TTileCatalog.h"
#include "player/TBoardSoundsAdapter.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "player/TProfileManager.h"
#include "screens/TCredits.h"
#include "screens/TDeleteProfile.h"
#include "screens/TEnterText.h"
#include "screens/TGameOverlays.h"
#include "screens/TInGameMenu.h"
#include "screens/TLoadingScreen.h"
#include "screens/TLoseScreen.h"
#include "screens/TMainMenu.h"
#include "screens/TPickMode.h"
#include "screens/TProfileDialogs.h"
#include "screens/TTutorial.h"
#include "screens/TWinScreen.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeScreen.h"
#include "tree/TTreeStage.h"

namespace {
std::unique_ptr<App>& instance() {
  static std::unique_ptr<App> app;
  return app;
}
}  // namespace

App& App::get() { return *instance(); }

void App::create() { instance() = std::make_unique<App>(); }

void App::destroy() { instance().reset(); }

App::App() {
  createSingletons();
  connectFlow();
}

void App::createSingletons() {
  // Constructors here may only set fields and load data: no window exists yet. Screens keep a
  // reference to this context and ask it for the later singletons only inside frames.
  deltaTime_ = TDeltaTime::Create(60.0f);
  mainGame_ = std::make_unique<TMainGame>(*this, *this);
  treeScreen_ = std::make_unique<TTreeScreen>(*this, *this);
  enterText_ = std::make_unique<TEnterText>(*this);
  deleteProfile_ = std::make_unique<TDeleteProfile>(*this);
  profileDialogs_ = std::make_unique<TProfileDialogs>(*enterText_, *deleteProfile_);
  tileCatalog_ = std::make_shared<TTileCatalog>();
  levelManager_ = std::make_unique<TLevelManager>(tileCatalog_);
  profiles_ = std::make_unique<TProfileManager>(*this, *this, *profileDialogs_);
  globalSnd_ = std::make_unique<TGlobalSnd>(*this);
  options_ = std::make_unique<TOptions>(*this, *globalSnd_);
  // The loading screen's pictures are read now, so that it can show before anything else.
  loadingScreen_ = std::make_unique<TLoadingScreen>(*this, loadingSteps(*this));
  zbuffer_ = std::make_unique<TZBuffer>();
  mouse_ = std::make_unique<TMouse>();
  pixel_ = platform::LoadImage(assets::PIXEL);
  treeStage_ = std::make_unique<TTreeStage>(*zbuffer_, *mouse_);
  shop_ = std::make_unique<TShopCatalogue>(*treeStage_);
  pickMode_ = std::make_unique<TPickMode>(*this);
  credits_ = std::make_unique<TCredits>(*this);
  mainMenu_ = std::make_unique<TMainMenu>(MainMenuServices{
      *this, *treeScreen_, *profiles_, *options_, *globalSnd_, *pickMode_, *credits_});
  loseScreen_ = std::make_unique<TLoseScreen>(*this, *mainGame_);
  winScreen_ = std::make_unique<TWinScreen>(*this, *mainGame_, *profiles_);
  inGameMenu_ = std::make_unique<TInGameMenu>(*this, *mainGame_, *options_);
  overlays_ = std::make_unique<TGameOverlays>(*inGameMenu_, *loseScreen_, *winScreen_);
  tutorialWorld_ = std::make_unique<TutorialWorld>(*mainGame_, *treeScreen_, *profiles_);
  tutorial_ = std::make_unique<TTutorial>(*tutorialWorld_, *mouse_, *globalSnd_);
  boardSounds_ = std::make_unique<TBoardSoundsAdapter>(*globalSnd_);
  quest_ = std::make_unique<ProfileQuest>(*profiles_, *mainGame_);
}

void App::connectFlow() {
  flow_.mainMenu = [this] { return mainMenu_->mainLoop(); };
  flow_.mainMenuRestart = Control::MAIN_MENU_RESTART;
  flow_.mainGame = [this] { return mainGame_->mainLoop(); };
  flow_.treeScreen = [this] { return treeScreen_->mainLoop(); };
  flow_.newQuest = Control::NEW_Quest;
  flow_.resumeQuest = Control::RESUME_Quest;
  flow_.getNextQuestLevel = Control::QUEST_getNextLevel;
  flow_.restartLevel = Control::RESTART_Level;
}

void App::updateFrameServices() {
  if (inputHook_) inputHook_();
  mouse_->update();
  globalSnd_->update();
}

void App::saveAll() {
  options_->saveOptions();
  profiles_->saveAll();
}

IGuiSounds& App::guiSounds() { return *globalSnd_; }

IMainGameProfile& App::profile() { return *profiles_; }

ITreeProfile& App::treeProfile() { return *profiles_; }

ITreeSounds& App::treeSounds() { return *globalSnd_; }

IMainGameOverlays& App::overlays() { return *overlays_; }

IMainGameTutorial& App::tutorial() { return tutorial_->mainGameHooks(); }

ITreeTutorial& App::treeTutorial() { return tutorial_->treeHooks(); }

IMainGameSounds& App::sounds() { return *globalSnd_; }

App::~App() = default;
