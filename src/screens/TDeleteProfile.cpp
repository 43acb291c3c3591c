#include "screens/TDeleteProfile.h"

#include "datafile/AssetNames.h"
#include "gui/ScreenContext.h"
#include "gui/TGui.h"
#include "platform/platform.h"

TDeleteProfile::TDeleteProfile(ScreenContext& screen) : TEkran(screen), screen_(screen) {
  id = "DeleteProfile";
}

void TDeleteProfile::setup() { Gui = loadGui(assets::GUI_DELETE_PROFILE, screen_); }

void TDeleteProfile::prepare() {
  if (!Gui) setup();
  alpha = 0.0f;
  dAlpha = 1.0f;
  wynik = 0;
  platform::FlushKeys();
}

int TDeleteProfile::mainLoop(TEkran* screen, std::function<void()> behind) {
  ekran = screen;
  updateBehind_ = std::move(behind);
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _control();
  } while (alpha != dAlpha || dAlpha != 0.0f);
  updateBehind_ = nullptr;
  platform::FlushKeys();
  return wynik;
}

void TDeleteProfile::_control() {
  // Keys are read every frame, so one pressed while the dialog fades in is dropped rather
  // than answering the question the moment it is readable.
  const bool enter = platform::KeyHit(platform::key::ENTER) != 0;
  const bool escape = platform::KeyHit(platform::key::ESCAPE) != 0;
  if (alpha != 1.0f || dAlpha != 1.0f) return;
  if (Gui->clickedItem("OK") || enter) {
    answer(1);
  } else if (Gui->clickedItem("cancel") || escape) {
    answer(0);
  }
}

void TDeleteProfile::answer(int confirmed) {
  wynik = confirmed;
  dAlpha = 0.0f;
}

void TDeleteProfile::update() {
  updateCommon();
  if (updateBehind_) updateBehind_();
  _updateAlpha();
  _updateGui();
}

void TDeleteProfile::draw() {
  _drawBack();
  _drawGui();
  _drawMouse();
}

void TDeleteProfile::_drawBack() {
  if (ekran) ekran->draw();
  platform::SetColor(255, 255, 255);
  platform::SetScale(1, 1);
  platform::SetAlpha(1.0f);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetRotation(0);
}
