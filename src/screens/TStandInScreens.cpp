#include "screens/TStandInScreens.h"

#include "app/Frame.h"
#include "effects/TSnow.h"
#include "match3/TMainGame.h"
#include "platform/platform.h"
#include "platform/strings.h"

void TStandInScreens::winScreen() {
  // Runs over the game the way the win screen will: the game draws and animates behind it,
  // its clock and input stand still.
  while (game_.levelComplited && platform::SameText(game_.levelComplited->state, "BEGIN")) {
    platform::Cls();
    updateCommon();
    game_._updateFromOtherScreen();
    updateSnow();
    game_.draw();
    platform::Flip(-1);
  }
}
