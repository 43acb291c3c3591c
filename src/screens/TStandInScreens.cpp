#include "screens/TStandInScreens.h"

#include "core/Globals.h"
#include "effects/TSnow.h"
#include "match3/TMainGame.h"
#include "platform/platform.h"
#include "platform/strings.h"

void TStandInScreens::frameOverGame(TMainGame& game) {
  // The game draws and animates behind the screen; its clock and input stand still.
  platform::Cls();
  game.updateCommon();
  game._updateFromOtherScreen();
  updateSnow();
  game.draw();
  platform::Flip(-1);
}

std::string TStandInScreens::loseScreen(TMainGame& game) {
  // As long as the lose screen stays invisible: the times-up picture and the board's
  // closing play out before the level is left.
  for (float wait = kLoseWait; wait > 0.0f; wait -= 0.05f * delta) frameOverGame(game);
  return "MAIN-MENU-RESTART";
}

void TStandInScreens::winScreen(TMainGame& game) {
  while (game.levelComplited && platform::SameText(game.levelComplited->state, "BEGIN"))
    frameOverGame(game);
}
