#pragma once
#include <array>
#include <functional>
#include <string>

#include "app/TEkran.h"
#include "platform/platform.h"

class TGlobalSnd;

// The machine's settings (full screen or window, music and sound volume steps 0-10), their
// file, the window mode, and the options dialog that changes them.
class TOptions : public TEkran {
 public:
  std::array<platform::Image, 2> bulb;  // [0] lamp off, [1] lamp on
  int fullScreen = 1;
  int soundVol = 5;
  int musicVol = 5;

  // The catalogue the volumes go to (not owned).
  TGlobalSnd* sounds = nullptr;

  TOptions();

  virtual void saveOptions();
  virtual void loadOptions();
  virtual float soundVolFloat();
  virtual float musicVolFloat();
  virtual void openScreen();
  virtual void checkSoundStuff();
  virtual void switchScreen();

  // dataFolder + "/Data/settings.dat".
  static std::string settingsFile();

 private:
  void passVolumes();
};
