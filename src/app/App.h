#pragma once
#include <functional>
#include <memory>

#include "app/Control.h"
#include "app/QuestBook.h"
#include "gui/ScreenContext.h"
#include "gui/TThemeList.h"
#include "match3/MainGameContext.h"
#include "platform/platform.h"
#include "player/TProfile.h"
#include "tree/TreeScreenContext.h"

class IBoardSounds;
class TDeltaTime;
class TGlobalSnd;
class TLevelManager;
class TMainGame;
class TMouse;
class TTutorial;
class TutorialWorld;
class TOptions;
class TShopCatalogue;
class TGameOverlays;
class TInGameMenu;
class TLoseScreen;
class TWinScreen;
class TTileCatalog;
class TDeleteProfile;
class TEnterText;
class TProfileDialogs;
class TProfileManager;
class TCredits;
class TLoadingScreen;
class TMainMenu;
class TPickMode;
class TTreeScreen;
class TTreeStage;
class TZBuffer;

// Owns the program's singletons, created at entry in their fixed order, and hands them to the
// screens: every screen is built with a reference to this context. The control flow's static
// steps reach the program through get().
class App : public ScreenContext,
            public MainGameContext,
            public TreeScreenContext,
            public ProfileServices {
 public:
  App();  // one per program: use create()
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  static App& get();
  static void create();
  static void destroy();

  TMainGame& mainGame() { return *mainGame_; }
  const platform::Image& pixel() const { return pixel_; }
  ScreenFlow& flow() { return flow_; }
  TGlobalSnd& globalSnd() { return *globalSnd_; }
  TOptions& options() { return *options_; }
  QuestBook& quest() { return *quest_; }
  // The board catalogues (loaded by the loading screen) and the level sets built on them.
  const std::shared_ptr<TTileCatalog>& tileCatalog() { return tileCatalog_; }
  TLevelManager& levelManager() { return *levelManager_; }
  // The tree's draw-ordering buffer, the stage its decorations are drawn on and the shop.
  TZBuffer& zbuffer() { return *zbuffer_; }
  TTreeScreen& treeScreen() { return *treeScreen_; }
  TProfileManager& profiles() { return *profiles_; }
  TEnterText& enterText() { return *enterText_; }
  TDeleteProfile& deleteProfile() { return *deleteProfile_; }
  TInGameMenu& inGameMenu() { return *inGameMenu_; }
  TLoseScreen& loseScreen() { return *loseScreen_; }
  TWinScreen& winScreen() { return *winScreen_; }
  TMainMenu& mainMenu() { return *mainMenu_; }
  TPickMode& pickMode() { return *pickMode_; }
  TCredits& credits() { return *credits_; }
  TLoadingScreen& loadingScreen() { return *loadingScreen_; }
  TTutorial& hints() { return *tutorial_; }
  void setQuest(std::unique_ptr<QuestBook> quest) { quest_ = std::move(quest); }
  // Runs every frame after the window's events and before the mouse is sampled (the level
  // bot's hand).
  void setInputHook(std::function<void()> hook) { inputHook_ = std::move(hook); }

  // FrameContext
  TDeltaTime& deltaTime() override { return *deltaTime_; }
  void updateFrameServices() override;
  void saveAll() override;
  // GuiContext
  TMouse& mouse() override { return *mouse_; }
  IGuiSounds& guiSounds() override;
  TThemeList& themes() override { return themes_; }
  // MainGameContext
  IMainGameProfile& profile() override;
  IMainGameOverlays& overlays() override;
  IMainGameTutorial& tutorial() override;
  IMainGameSounds& sounds() override;
  IBoardSounds& boardSounds() override { return *boardSounds_; }
  // TreeScreenContext
  TTreeStage& treeStage() override { return *treeStage_; }
  TShopCatalogue& shop() override { return *shop_; }
  ITreeProfile& treeProfile() override;
  ITreeSounds& treeSounds() override;
  ITreeTutorial& treeTutorial() override;
  // ProfileServices
  const TLevelManager& levels() override { return *levelManager_; }
  const TShopCatalogue& products() override { return *shop_; }

 private:
  void createSingletons();
  void connectFlow();

  TThemeList themes_;
  std::unique_ptr<TDeltaTime> deltaTime_;
  std::unique_ptr<TMainGame> mainGame_;
  std::unique_ptr<TTreeScreen> treeScreen_;
  std::unique_ptr<TEnterText> enterText_;
  std::unique_ptr<TDeleteProfile> deleteProfile_;
  std::unique_ptr<TProfileDialogs> profileDialogs_;
  std::unique_ptr<TGlobalSnd> globalSnd_;
  std::unique_ptr<TOptions> options_;
  std::unique_ptr<TZBuffer> zbuffer_;
  std::unique_ptr<TMouse> mouse_;
  platform::Image pixel_;
  ScreenFlow flow_;
  std::unique_ptr<QuestBook> quest_;
  std::unique_ptr<TPickMode> pickMode_;
  std::unique_ptr<TCredits> credits_;
  std::unique_ptr<TLoadingScreen> loadingScreen_;
  std::unique_ptr<TMainMenu> mainMenu_;
  std::unique_ptr<TLoseScreen> loseScreen_;
  std::unique_ptr<TWinScreen> winScreen_;
  std::unique_ptr<TInGameMenu> inGameMenu_;
  std::unique_ptr<TGameOverlays> overlays_;
  std::unique_ptr<TutorialWorld> tutorialWorld_;
  std::unique_ptr<TTutorial> tutorial_;
  std::unique_ptr<IBoardSounds> boardSounds_;
  std::shared_ptr<TTileCatalog> tileCatalog_;
  std::unique_ptr<TLevelManager> levelManager_;
  std::unique_ptr<TProfileManager> profiles_;
  std::unique_ptr<TTreeStage> treeStage_;
  std::unique_ptr<TShopCatalogue> shop_;
  std::function<void()> inputHook_;
};
