#include "screens/TTitleScreen.h"

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TProfileManager.h"

using namespace platform;

void TTitleScreen::prepare() {
  STANDARD_DATA();
  _exit = 0;
  fade = 1.0f;
  dFade = 0.0f;
  wynik = "END";
  if (!titleFont_) titleFont_ = LoadImageFont(assets::TTF_TITLE, 64);
  if (!hintFont_) hintFont_ = LoadImageFont(assets::TTF_TITLE, 22);
  sounds_.playMyMusic("main menu");
  for (int i = 0; i < 51; ++i) updateDeltaTime();
}

std::string TTitleScreen::mainLoop() {
  prepare();
  while (!_exit) {
    Cls();
    update();
    draw();
    Flip(-1);
    _controlKEYBOARD();
  }
  return wynik;
}

void TTitleScreen::update() {
  updateCommon();
  _updateGui();
  _updateAlpha();
  _updateFade();
  if (fadedOut()) _exit = 1;
}

void TTitleScreen::_controlKEYBOARD() {
  if (dFade >= 1.0f) return;
  const bool play = KeyHit(key::ENTER) || KeyHit(key::SPACE) || MouseHit(1);
  const bool quit = KeyHit(key::ESCAPE);
  if (!play && !quit) return;
  if (play && !profiles_.profile) profiles_.createNewProfile(this, {});
  if (play)
    wynik = profiles_.profile && profiles_.profile->canResumeQuest() ? "RESUME-QUEST" : "NEW-QUEST";
  else
    wynik = "END";
  dFade = 1.0f;
}

void TTitleScreen::drawSky() {
  // Deep night at the top easing into a lighter blue at the horizon.
  const int top[3] = {0x0B, 0x16, 0x33};
  const int bottom[3] = {0x21, 0x40, 0x7A};
  SetBlend(SOLIDBLEND);
  SetAlpha(1);
  SetRotation(0);
  SetScale(1, 1);
  for (int band = 0; band < 60; ++band) {
    const float t = band / 59.0f;
    SetColor(top[0] + int((bottom[0] - top[0]) * t), top[1] + int((bottom[1] - top[1]) * t),
             top[2] + int((bottom[2] - top[2]) * t));
    DrawRect(0, band * 10.0f, 800, 10);
  }
}

void TTitleScreen::draw() {
  drawSky();
  SetBlend(ALPHABLEND);
  const std::string title = "The Glimmerfir";
  SetImageFont(titleFont_);
  SetColor(0x0B, 0x16, 0x33);
  SetAlpha(0.6f);
  DrawText(title, 400 - TextWidth(title) / 2.0f + 3, 230 + 3);
  SetColor(0xFF, 0xE9, 0xA8);
  SetAlpha(1);
  DrawText(title, 400 - TextWidth(title) / 2.0f, 230);
  const std::string hint = "Press Enter to play, Escape to quit";
  SetImageFont(hintFont_);
  SetColor(0xDC, 0xE8, 0xF7);
  DrawText(hint, 400 - TextWidth(hint) / 2.0f, 360);
  SetColor(255, 255, 255);
  _drawGui();
  _drawFade();
  _drawMouse();
}
