#pragma once
#include <string>

#include "app/TEkran.h"
#include "platform/platform.h"

// The opening card until the main menu exists: the game's name over the night sky. Enter,
// Space or a click starts the quest; Escape leaves the game.
class TTitleScreen : public TEkran {
 public:
  void prepare();
  std::string mainLoop();
  void update() override;
  void draw() override;

 private:
  void _controlKEYBOARD();
  void drawSky();
  platform::ImageFont titleFont_;
  platform::ImageFont hintFont_;
};
