#pragma once
#include <array>
#include <functional>
#include <string>

#include "core/TEkran.h"
#include "platform/platform.h"

class ScreenContext;
class TGlobalSnd;

// The machine's settings (full screen or window, music and sound volume steps 0-10), their
// file, the window mode, and the options dialog that changes them.
class TOptions : public TEkran {
 public:
  std::array<platform::Image, 2> bulb;  // [0] lamp off, [1] lamp on
  int fullScreen = 1;
  int soundVol = 5;
  int musicVol = 5;

  // screen: the frame and GUI services; sounds: the catalogue the volumes go to. Both
  // outlive the options.
  TOptions(ScreenContext& screen, TGlobalSnd& sounds);

  // A failed save is logged with its reason, and the first one of a run is shown.
  virtual void saveOptions();
  virtual void loadOptions();
  virtual float soundVolFloat();
  virtual float musicVolFloat();
  virtual void openScreen();
  virtual void _drawBack();
  virtual void _drawBars();
  virtual void _updateGUIOperations();
  // Runs the dialog over `screen` (drawn behind it, not updated) until it has faded out;
  // then the settings are saved. `behind` is what keeps moving behind the dialog meanwhile
  // (the snow and the main menu's animations), if anything.
  virtual void mainLoop(TEkran* screen, std::function<void()> behind = {});
  virtual void checkSoundStuff();
  virtual void switchScreen();

  void setup() override;
  void update() override;
  void draw() override;

  // Centre of lamp i (1-10) of the music (row 0) or sound (row 1) scale.
  static float lampX(int i) { return 361.0f + 18.0f * float(i); }
  static float lampY(int row) { return row == 0 ? 210.0f : 291.0f; }

  // dataFolder + "/Data/settings.dat".
  static std::string settingsFile();

  // Hands the volume steps to the sound catalogue.
  void passVolumes();

 private:
  std::function<void()> updateBehind_;
  bool saveFailureShown_ = false;
  ScreenContext& screen_;
  TGlobalSnd& sounds_;
  void _controlGUI();
  void pressLamps();
};
