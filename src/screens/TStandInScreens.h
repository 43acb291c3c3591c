#pragma once
#include <string>

#include "match3/IMainGameOverlays.h"

// What the main game gets from the in-game menu, the lose screen and the win screen until
// those exist: the menu leads to the main menu; a loss shows the times-up picture over the
// game, then goes back to the main menu with the level ready again; the win waits over the
// game until its banner has come to rest.
class TStandInScreens : public IMainGameOverlays {
 public:
  std::string inGameMenu(TMainGame&) override { return "MAIN-MENU"; }
  std::string loseScreen(TMainGame& game) override;
  void winScreen(TMainGame& game) override;

 private:
  // The lose screen's invisible start, as an alpha rising from -8 to 0 at 0.05 a frame.
  static constexpr float kLoseWait = 8.0f;
  static void frameOverGame(TMainGame& game);
};
