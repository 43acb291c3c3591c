#pragma once
#include <string>

#include "core/TEkran.h"

class ScreenContext;
class TMainGame;

// The screen over a level whose clock ran out: it stays invisible while the times-up picture
// and the board's closing play, then offers "RESTART" and "MAINMENU". Either way the lost
// level starts again: at once, or when the player comes back to it.
class TLoseScreen : public TEkran {
 public:
  int toExit = 0;
  // Where the opacity starts: at 0.05 a frame the screen shows nothing for 160 frames.
  static constexpr float kHiddenAlpha = -8.0f;

  // screen: the frame and GUI services; game: the level drawn behind. Both outlive it.
  TLoseScreen(ScreenContext& screen, TMainGame& game);

  void setup() override;
  virtual void _drawBack();
  virtual void _updateBack();
  virtual void prepare();
  // Runs until the screen has faded out after a choice: "RESTART" or "MAIN-MENU-RESTART".
  virtual std::string mainLoop();
  virtual void goMAIN_MENU();
  virtual void goRESTART();

  void update() override;
  void draw() override;

  // Buttons answer only once the screen is showing and before a choice is made.
  bool listening() const { return alpha > 0.0f && dAlpha == 1.0f; }

 private:
  void _control();
  void passAlphaToGui();
  ScreenContext& screen_;
  TMainGame& game_;
};
