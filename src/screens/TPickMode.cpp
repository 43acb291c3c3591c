#include "screens/TPickMode.h"

#include "datafile/AssetNames.h"
#include "gui/ScreenContext.h"
#include "gui/TGui.h"
#include "gui/TMouse.h"
#include "platform/platform.h"

TPickMode::TPickMode(ScreenContext& screen) : TEkran(screen), screen_(screen) { id = "PickMode"; }

void TPickMode::setup() { gui = loadGui(assets::GUI_PICK_MODE, screen_); }

void TPickMode::prepare(TEkran* behind) {
  if (!gui) setup();
  ekran = behind;
  if (auto no = gui->getItem("no")) no->setState(1, 1);
  platform::FlushMouse();
  platform::FlushKeys();
  screen_.mouse().clear();
}

int TPickMode::mainLoop(TEkran* behind) {
  prepare(behind);
  for (;;) {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    const int chosen = answer();
    if (chosen >= 0) {
      ekran = nullptr;
      return chosen;
    }
  }
}

int TPickMode::answer() const {
  // Both keys are read every frame, so neither is left over for the screen below.
  const bool enter = platform::KeyHit(platform::key::ENTER) != 0;
  const bool escape = platform::KeyHit(platform::key::ESCAPE) != 0;
  if (gui->clickedItem("yes") || enter) return 1;
  if (gui->clickedItem("no") || escape) return 0;
  return -1;
}

void TPickMode::update() {
  // The common step rather than the timer and the mouse alone: closing the window or
  // Left Alt+F4 must still leave the game while the question is open.
  updateCommon();
  gui->update();
}

void TPickMode::draw() {
  if (ekran) ekran->draw();
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1);
  platform::SetRotation(0);
  gui->draw();
  platform::SetScale(1, 1);
  _drawMouse();
}
