#pragma once
#include <string>

// The screens that run their own loops over the main game: the in-game menu, the lose screen
// and the win screen.
class IMainGameOverlays {
 public:
  virtual ~IMainGameOverlays() = default;
  virtual std::string inGameMenu() = 0;  // "RESUME", "RESTART" or "MAIN-MENU"
  virtual std::string loseScreen() = 0;  // "RESTART" or "MAIN-MENU-RESTART"
  virtual void winScreen() = 0;
};
