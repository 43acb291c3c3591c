#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/TEkran.h"
#include "effects/TParticle.h"
#include "platform/platform.h"

class ScreenContext;
class TCredits;
class TGlobalSnd;
class TGuiObject;
class TOptions;
class TPickMode;
class TProfileManager;
class TTreeScreen;

// The services the main menu is built with; all outlive it.
struct MainMenuServices {
  ScreenContext& screen;
  TTreeScreen& tree;
  TProfileManager& profiles;
  TOptions& options;
  TGlobalSnd& sounds;
  TPickMode& pickMode;
  TCredits& credits;
};

// The main menu: the decorated tree at night behind a sparkling title, the buttons sliding
// in from the left and the greeting rising from below. It starts a quest (asking for the mode
// of a new one), opens the options, the profiles and the credits, and leaves the game. Without
// a player the name entry opens by itself; left alone for 8 seconds it shows the credits.
class TMainMenu : public TEkran {
 public:
  platform::Image logo;
  float per = 0;   // 0 … 1: progress of the opening animation
  float lPer = 0;  // its eased value: fast at first, slow at the end
  float x2 = kTitleX, y2 = kTitleY;
  std::array<std::string, 3> txtHello;
  TParticleList starParticles;
  int partTime = 0;
  int creditsTime = 0;

  static constexpr float kTitleX = 400, kTitleY = 60;
  static constexpr int kIdleMs = 8000;

  explicit TMainMenu(const MainMenuServices& services);

  void setup() override;
  virtual void resetCreditsTime();
  virtual void _drawBack();
  virtual void _drawLogo();
  // What keeps moving behind a dialog over the menu: the particles and the opening animation.
  virtual void _updateFromOtherScreen();
  virtual void _updateBack();
  virtual void _updateGuiAlpha();
  virtual void _updateAnims();
  virtual void _updateCreditsTime();
  virtual void _prepareProfileManagerButton();
  virtual void _prepareSelf();
  virtual void _prepareAnims();
  virtual void prepare();
  // "NEW-QUEST", "RESUME-QUEST" or "END".
  virtual std::string mainLoop();
  virtual void _controlKEYBOARD();
  virtual void _controlGUI();
  virtual void goProfileManager();
  virtual void goQuest();
  virtual void goSettings();
  virtual void goCredits();
  virtual void goExit();
  virtual void goOut();

  void update() override;
  void draw() override;

  // The greeting on the profile button: line 1 + name + line 2, or line 3 without a player.
  std::string greeting() const;
  // The menu has slid in completely.
  bool shownFully() const { return lPer == 1.0f; }
  // The menu is fading out after a choice.
  bool leaving() const { return dFade == 1.0f; }

 private:
  void placeGuiObject(TGuiObject& object, float k) const;
  std::function<void()> behind();

  MainMenuServices services_;
};
