#pragma once
#include <string>

#include "match3/IMainGameOverlays.h"

class TInGameMenu;
class TLoseScreen;
class TWinScreen;

// The main game's view of the three screens that run over it. Each was built with the main
// game it draws behind, which is the game asking here.
class TGameOverlays : public IMainGameOverlays {
 public:
  TGameOverlays(TInGameMenu& menu, TLoseScreen& lose, TWinScreen& win)
      : menu_(menu), lose_(lose), win_(win) {}

  std::string inGameMenu(TMainGame& game) override;
  std::string loseScreen(TMainGame& game) override;
  void winScreen(TMainGame& game) override;

 private:
  TInGameMenu& menu_;
  TLoseScreen& lose_;
  TWinScreen& win_;
};
