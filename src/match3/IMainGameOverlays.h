#pragma once
#include <string>

class TMainGame;

// The screens that run their own loops over the main game, drawing it behind them: the
// in-game menu, the lose screen and the win screen.
class IMainGameOverlays {
 public:
  virtual ~IMainGameOverlays() = default;
  virtual std::string inGameMenu(TMainGame& game) = 0;  // "RESUME", "RESTART" or "MAIN-MENU"
  virtual std::string loseScreen(TMainGame& game) = 0;  // "RESTART" or "MAIN-MENU-RESTART"
  virtual void winScreen(TMainGame& game) = 0;
};
