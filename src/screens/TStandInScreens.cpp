#include "screens/TStandInScreens.h"

#include "app/Frame.h"
#include "app/Globals.h"
#include "effects/TSnow.h"
#include "match3/TMainGame.h"
#include "platform/platform.h"
#include "platform/strings.h"

void TStandInScreens::frameOverGame() {
  // The game draws and animates behind the screen; its clock and input stand still.
  platform::Cls();
  updateCommon();
  game_._updateFromOtherScreen();
  updateSnow();
  game_.draw();
  platform::Flip(-1);
}

std::string TStandInScreens::loseScreen() {
  // As long as the lose screen stays invisible: the times-up picture and the board's
  // closing play out before the level is left.
  for (float wait = kLoseWait; wait > 0.0f; wait -= 0.05f * delta) frameOverGame();
  return "MAIN-MENU-RESTART";
}

void TStandInScreens::winScreen() {
  while (game_.levelComplited && platform::SameText(game_.levelComplited->state, "BEGIN"))
    frameOverGame();
}
