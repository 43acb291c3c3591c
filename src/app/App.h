#pragma once
#include <memory>

#include "app/Control.h"
#include "app/TDeltaTime.h"
#include "gui/TMouse.h"
#include "platform/platform.h"

class TTitleScreen;
class TMainGame;
class TStandInScreens;
class IBoardSounds;
class TTileCatalog;
class TLevelManager;
class TGlobalSnd;
class TOptions;

// The quest bookkeeping of the screen flow, done by the profiles and the main game.
class QuestBook {
 public:
  virtual ~QuestBook() = default;
  virtual void restartCurrentLevel() = 0;  // one level back, then prepare it again
  virtual void resume() = 0;
  virtual void startNew() = 0;
  virtual void prepareNextLevel() = 0;
};

// Owns the program's singletons, created at entry in their fixed order; everything else
// reaches them through these accessors.
class App {
 public:
  App();  // one per program: use create()
  ~App();
  static App& get();
  static void create();
  static void destroy();
  static bool exists();

  TDeltaTime& deltaTime() { return *deltaTime_; }
  TMainGame& mainGame() { return *mainGame_; }
  TMouse& mouse() { return *mouse_; }
  const platform::Image& pixel() const { return pixel_; }
  ScreenFlow& flow() { return flow_; }
  TGlobalSnd& globalSnd() { return *globalSnd_; }
  TOptions& options() { return *options_; }
  QuestBook* quest() { return quest_.get(); }
  // The board catalogues (loaded by the loading screen) and the level sets built on them.
  const std::shared_ptr<TTileCatalog>& tileCatalog() { return tileCatalog_; }
  TLevelManager& levelManager() { return *levelManager_; }
  void setQuest(std::unique_ptr<QuestBook> quest) { quest_ = std::move(quest); }

  // The shared per-frame services after the timer: mouse sampling, music cross-fade.
  void updateFrameServices();
  // Everything that must survive the end of the program: profiles and settings.
  void saveAll();

 private:
  void createSingletons();
  void connectFlow();

  std::unique_ptr<TDeltaTime> deltaTime_;
  std::unique_ptr<TMainGame> mainGame_;
  std::shared_ptr<TGlobalSnd> globalSnd_;  // shared with the GUI for its click sound
  std::unique_ptr<TOptions> options_;
  std::unique_ptr<TMouse> mouse_;
  platform::Image pixel_;
  ScreenFlow flow_;
  std::unique_ptr<QuestBook> quest_;
  std::unique_ptr<TTitleScreen> title_;
  std::unique_ptr<TStandInScreens> standIns_;
  std::unique_ptr<IBoardSounds> boardSounds_;
  std::shared_ptr<TTileCatalog> tileCatalog_;
  std::unique_ptr<TLevelManager> levelManager_;
};
