#include "screens/TLoadingScreen.h"

#include <algorithm>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "datafile/ImageLoading.h"

TLoadingScreen::TLoadingScreen(FrameContext& frame, std::array<Step, kSteps> work)
    : TEkran(frame), work_(std::move(work)) {
  id = "LoadingScreen";
  back = loadImageOrWarn(assets::LOADING_BACK);
  loadTxt = loadImageOrWarn(assets::LOADING_TEXT);
  dot[0] = loadCentredImageOrWarn(assets::LOADING_DOT_OFF);
  dot[1] = loadCentredImageOrWarn(assets::LOADING_DOT_ON);
}

void TLoadingScreen::runStep(int index) {
  if (work_[size_t(index)]) work_[size_t(index)]();
  progress();
}

void TLoadingScreen::PART1() {
  fadeMeUp();
  runStep(0);
}
void TLoadingScreen::PART2() { runStep(1); }
void TLoadingScreen::PART3() { runStep(2); }
void TLoadingScreen::PART4() { runStep(3); }
void TLoadingScreen::PART5() { runStep(4); }
void TLoadingScreen::PART6() { runStep(5); }
void TLoadingScreen::PART7() {
  runStep(6);
  fadeMeDown();
}

void TLoadingScreen::loadAll() {
  PART1();
  PART2();
  PART3();
  PART4();
  PART5();
  PART6();
  PART7();
}

void TLoadingScreen::progress() {
  platform::PollSystem();
  // A window closed while the game loads ends it here, as cleanly as from any frame.
  if (quitRequested()) quitGame();
  p = std::min(p + 1, maxProgress);
  draw();
}

void TLoadingScreen::draw() {
  draw2();
  platform::Flip(-1);
}

void TLoadingScreen::draw2() {
  _drawBack();
  _drawProgress();
}

void TLoadingScreen::_drawBack() {
  platform::Cls();
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::DrawImage(back, 0, 0);
}

float TLoadingScreen::dotX(int i) const {
  const int spacing = platform::ImageWidth(dot[0]) + 25;
  return float(platform::GraphicsWidth() / 2 - (maxProgress * spacing) / 2 + spacing / 2 +
               (i - 1) * spacing);
}

float TLoadingScreen::dotY() const { return float(int(platform::GraphicsHeight() * 0.8 + 25)); }

void TLoadingScreen::_drawProgress() {
  platform::SetBlend(platform::ALPHABLEND);
  const float y = dotY();
  for (int i = 1; i <= maxProgress; ++i) {
    const float x = dotX(i);
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(lit(i) ? 0.5f : 0.1f);
    platform::DrawImage(dot[1], x + 2, y + 2);
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(lit(i) ? 1.0f : 0.2f);
    platform::DrawImage(dot[1], x, y);
  }
  platform::SetAlpha(1);
}

void TLoadingScreen::fadeMeUp() { fadeBlack(1.0f, -0.05f); }

void TLoadingScreen::fadeMeDown() { fadeBlack(0.0f, 0.05f); }

void TLoadingScreen::fadeBlack(float from, float rate) {
  // However long the loading before took, the fade's first step is one ordinary frame.
  for (int i = 0; i < 151; ++i) updateDeltaTime();
  platform::SetBlend(platform::ALPHABLEND);
  float a = from;
  do {
    platform::Cls();
    updateDeltaTime();
    draw2();
    a += rate * delta;
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(a);
    platform::DrawRect(0, 0, 800, 600);
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1);
    platform::Flip(-1);
  } while (rate < 0 ? a >= 0 : a <= 1);
}
