#pragma once
#include <string>

#include "core/TEkran.h"

class ScreenContext;
class TMainGame;
class TOptions;

// The menu over a level in play: "RESTART", "RESUME", "OPTIONS" and "MAINMENU"; Escape
// resumes. The game keeps moving behind it while its clock stands still.
class TInGameMenu : public TEkran {
 public:
  int toExit = 0;

  // screen: the frame and GUI services; game: the level drawn behind; options: the dialog
  // the menu opens. All outlive the menu.
  TInGameMenu(ScreenContext& screen, TMainGame& game, TOptions& options);

  void setup() override;
  virtual void _drawBack();
  virtual void _updateBack();
  virtual void prepare();
  // Runs until the menu has faded out after a choice: "RESUME", "RESTART" or "MAIN-MENU".
  virtual std::string mainLoop();
  virtual void _controlGUI();
  virtual void _controlKEYBOARD();
  virtual void goOptions();

  void update() override;
  void draw() override;

 private:
  void choose(const std::string& choice);
  bool chosen() const { return dAlpha == 0.0f; }
  ScreenContext& screen_;
  TMainGame& game_;
  TOptions& options_;
};
