#include "screens/TInGameMenu.h"

#include "datafile/AssetNames.h"
#include "gui/ScreenContext.h"
#include "gui/TGui.h"
#include "match3/TMainGame.h"
#include "platform/platform.h"
#include "player/TOptions.h"

TInGameMenu::TInGameMenu(ScreenContext& screen, TMainGame& game, TOptions& options)
    : TEkran(screen), screen_(screen), game_(game), options_(options) {
  id = "InGameMenu";
}

void TInGameMenu::setup() { Gui = loadGui(assets::GUI_IN_GAME_MENU, screen_); }

void TInGameMenu::prepare() {
  if (!Gui) setup();
  toExit = 0;
  dAlpha = 1.0f;
  alpha = 0.0f;
  wynik = "RESUME";
}

std::string TInGameMenu::mainLoop() {
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _controlGUI();
    _controlKEYBOARD();
  } while (alpha != 0.0f || dAlpha != 0.0f);
  return wynik;
}

void TInGameMenu::choose(const std::string& choice) {
  wynik = choice;
  dAlpha = 0.0f;
}

void TInGameMenu::_controlGUI() {
  // Once a choice is made the menu only fades: a second click cannot change it.
  if (chosen()) return;
  if (Gui->clickedItem("RESTART")) {
    choose("RESTART");
  } else if (Gui->clickedItem("RESUME")) {
    choose("RESUME");
  } else if (Gui->clickedItem("OPTIONS")) {
    goOptions();
  } else if (Gui->clickedItem("MAINMENU")) {
    choose("MAIN-MENU");
  }
}

void TInGameMenu::_controlKEYBOARD() {
  if (platform::KeyHit(platform::key::ESCAPE) && !chosen()) choose("RESUME");
}

void TInGameMenu::goOptions() {
  options_.mainLoop(this, [this] { _updateBack(); });
  // The Escape that closed the dialog must not close the menu as well.
  platform::FlushKeys();
}

void TInGameMenu::update() {
  updateCommon();
  _updateBack();
  _updateAlpha();
  _updateGui();
}

void TInGameMenu::_updateBack() { game_._updateFromOtherScreen(); }

void TInGameMenu::draw() {
  _drawBack();
  _drawGui();
  _drawMouse();
}

void TInGameMenu::_drawBack() {
  game_.draw();
  platform::SetScale(1, 1);
  platform::SetAlpha(alpha);
  platform::SetColor(255, 255, 255);
  platform::SetRotation(0);
}
