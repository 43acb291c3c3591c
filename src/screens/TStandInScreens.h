#pragma once
#include <string>

#include "match3/IMainGameOverlays.h"

class TMainGame;

// What the main game gets from the in-game menu, the lose screen and the win screen until
// those exist: the menu leads to the main menu, a loss back to the main menu with the level
// ready again, and the win waits over the game until its banner has come to rest.
class TStandInScreens : public IMainGameOverlays {
 public:
  explicit TStandInScreens(TMainGame& game) : game_(game) {}

  std::string inGameMenu() override { return "MAIN-MENU"; }
  std::string loseScreen() override { return "MAIN-MENU-RESTART"; }
  void winScreen() override;

 private:
  TMainGame& game_;
};
