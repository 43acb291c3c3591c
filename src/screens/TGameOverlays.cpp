#include "screens/TGameOverlays.h"

#include "screens/TInGameMenu.h"
#include "screens/TLoseScreen.h"
#include "screens/TWinScreen.h"

std::string TGameOverlays::inGameMenu(TMainGame&) { return menu_.mainLoop(); }

std::string TGameOverlays::loseScreen(TMainGame&) { return lose_.mainLoop(); }

void TGameOverlays::winScreen(TMainGame&) { win_.mainLoop(); }
