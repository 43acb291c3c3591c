#include "screens/TLoseScreen.h"

#include "datafile/AssetNames.h"
#include "effects/TParticle.h"
#include "gui/ScreenContext.h"
#include "gui/TGui.h"
#include "match3/TMainGame.h"
#include "platform/platform.h"

namespace {
constexpr int kTimesUpPicture = 10;
constexpr float kTimesUpX = 400.0f, kTimesUpY = 140.0f;
}  // namespace

TLoseScreen::TLoseScreen(ScreenContext& screen, TMainGame& game)
    : TEkran(screen), screen_(screen), game_(game) {
  id = "LoseScreen";
}

void TLoseScreen::setup() { Gui = loadGui(assets::GUI_LOSE_SCREEN, screen_); }

void TLoseScreen::prepare() {
  if (!Gui) setup();
  STANDARD_DATA();
  toExit = 0;
  alpha = kHiddenAlpha;
  dAlpha = 1.0f;
  wynik.clear();
}

std::string TLoseScreen::mainLoop() {
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _control();
  } while (alpha != 0.0f || dAlpha != 0.0f);
  return wynik;
}

void TLoseScreen::_control() {
  // Clicks are read every frame so that one made while the screen is hidden is dropped.
  const bool restart = Gui->clickedItem("RESTART") != 0;
  const bool mainMenu = Gui->clickedItem("MAINMENU") != 0;
  if (!listening()) return;
  if (restart) {
    goRESTART();
  } else if (mainMenu) {
    goMAIN_MENU();
  }
}

void TLoseScreen::goRESTART() {
  dAlpha = 0.0f;
  wynik = "RESTART";
}

void TLoseScreen::goMAIN_MENU() {
  wynik = "MAIN-MENU-RESTART";
  dAlpha = 0.0f;
}

void TLoseScreen::update() {
  updateCommon();
  _updateBack();
  _updateAlpha();
  updateParticles(&globalParticles);
  passAlphaToGui();
  _updateGui();
}

void TLoseScreen::_updateBack() { game_._updateFromOtherScreen(); }

void TLoseScreen::passAlphaToGui() {
  if (Gui) Gui->setGuiAlpha(alpha);
}

void TLoseScreen::draw() {
  _drawBack();
  _drawGui();
  _drawFade();
  _drawMouse();
}

void TLoseScreen::_drawBack() {
  game_.draw();
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(alpha);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::DrawImage(particleImage(kTimesUpPicture), kTimesUpX, kTimesUpY);
  passAlphaToGui();
}
