#pragma once
#include <string>

#include "core/TEkran.h"
#include "platform/platform.h"

class TGlobalSnd;
class TProfileManager;

// The opening card until the main menu exists: the game's name over the night sky. Enter,
// Space or a click starts the quest; Escape leaves the game.
class TTitleScreen : public TEkran {
 public:
  TTitleScreen(FrameContext& frame, TGlobalSnd& sounds, TProfileManager& profiles)
      : TEkran(frame), sounds_(sounds), profiles_(profiles) {}

  void prepare();
  std::string mainLoop();
  void update() override;
  void draw() override;

 private:
  void _controlKEYBOARD();
  void drawSky();
  platform::ImageFont titleFont_;
  platform::ImageFont hintFont_;
  TGlobalSnd& sounds_;
  TProfileManager& profiles_;
};
