#include "screens/TWinScreen.h"

#include <algorithm>
#include <cmath>

#include "datafile/AssetNames.h"
#include "datafile/TTxtFile.h"
#include "effects/TFlyText.h"
#include "effects/TParticle.h"
#include "effects/TSnow.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TMouse.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "player/TProfile.h"
#include "player/TProfileManager.h"

namespace {
constexpr int kPointsPerStar = 500;
constexpr int kSecondsPerStar = 40;
constexpr float kPanelX = 400.0f, kPanelY = 375.0f;
// Labels end at x 470 and numbers begin at x 540; labels come in from the right, numbers
// from the left.
constexpr int kLabelEnd = 470, kNumberStart = 540;
constexpr int kLabelFrom = 850, kNumberFrom = -200;
constexpr int kSmallSpacing = 16, kLargeSpacing = 20;
constexpr int kDelayStep = 100;
}  // namespace

// One line of the summary: a label and a number on the same height in the same font.
struct TWinScreen::Row {
  int y;
  std::string label;
  int labelMy, labelDelay;
  int number;
  int numberMy, numberDelay;
  bool large;  // the stars earned, in the larger font
};

TWinScreen::TWinScreen(ScreenContext& screen, TMainGame& game, TProfileManager& profiles)
    : TEkran(screen), screen_(screen), game_(game), profiles_(profiles) {
  id = "WinScreen";
}

void TWinScreen::setup() {
  img = platform::LoadImage(assets::WIN_PANEL);
  platform::MidHandleImage(img);
  const platform::Image texture = platform::LoadImage(assets::WIN_TEXTURE);
  font1 = TBMFont::Create(assets::FONT_DIR, assets::FONT_FONTEX);
  font2 = TBMFont::Create(assets::FONT_DIR, assets::FONT_FONTEX2);
  for (const auto& font : {font1, font2})
    if (font) font->ApplyTexture(texture);
  if (!font1 || !font2) platform::Notify(" NO FONT! ");
  const TTxtFile texts = loadTxtFile(assets::TEXT_SUMMARY);
  txtClick = texts.getTxt(1);
  txtStarsCollected = texts.getTxt(2);
  txtTimeBonus = texts.getTxt(3);
  txtScoreBonus = texts.getTxt(4);
  txtEarnedStars = texts.getTxt(5);
}

int TWinScreen::przeliczPunkty(int points) { return std::max(points, 0) / kPointsPerStar; }

int TWinScreen::przeliczCzas(float seconds) {
  return std::max(int(std::trunc(seconds)), 0) / kSecondsPerStar;
}

void TWinScreen::prepare() {
  STANDARD_DATA();
  toExit = 0;
  alpha = 0.0f;
  dAlpha = 1.0f;
  leaving_ = false;
  createTexts();
  if (game_.tileMatch) game_.tileMatch->resetFull();
  dFade = 1.0f;
  fade = 0.0f;
  fadeSpeed = 0.01f;
}

std::string TWinScreen::mainLoop() {
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    if (platform::KeyHit(platform::key::ESCAPE) || screen_.mouse().leftPressed) goExit();
    if (flyTexts.size() == 0) toExit = 1;
  } while (!toExit);
  return "";
}

void TWinScreen::goExit() {
  // Only the first click sends the letters back; later ones would restart their delays.
  if (leaving_) return;
  leaving_ = true;
  int n = 0;
  flyTexts.forEach([&n](TFlyText& letter) { letter.getBack(n++ * platform::Rand(0, 5)); });
  dFade = 0.0f;
}

// ---- The letters and the rewards ------------------------------------------------------------

void TWinScreen::createTexts() {
  flyTexts.clear();
  if (profiles_.mode() == 0)
    createTextsNormal();
  else
    createTextsRelaxed();
  layClickPrompt();
}

void TWinScreen::createTextsNormal() {
  const int stars = game_.gwiazdkiZebrane;
  const int timeBonus = przeliczCzas(game_.level ? float(game_.level->czas) : 0.0f);
  const int pointsBonus = przeliczPunkty(game_.punktyZebrane);
  const int earned = stars + timeBonus + pointsBonus;
  layRow({200, txtStarsCollected, 600, 0, stars, 800, 200, false});
  layRow({270, txtTimeBonus, 700, 100, timeBonus, 700, 100, false});
  layRow({340, txtScoreBonus, 800, 200, pointsBonus, 800, 200, false});
  layRow({410, txtEarnedStars, 800, 200, earned, 800, 200, true});
  pay(earned);
}

void TWinScreen::createTextsRelaxed() {
  const int stars = game_.gwiazdkiZebrane;
  const int pointsBonus = przeliczPunkty(game_.punktyZebrane);
  const int earned = stars + pointsBonus;
  layRow({200, txtStarsCollected, 600, 0, stars, 800, 200, false});
  layRow({290, txtScoreBonus, 800, 200, pointsBonus, 800, 200, false});
  layRow({380, txtEarnedStars, 800, 200, earned, 800, 200, true});
  pay(earned);
}

void TWinScreen::layRow(const Row& row) {
  const auto& font = row.large ? font2 : font1;
  const int s = row.large ? kLargeSpacing : kSmallSpacing;
  const float y = float(row.y);
  // The label from its last character leftward, so that it ends at the same x on every row.
  const int length = int(row.label.size());
  for (int i = 0; i < length; ++i) {
    const float to = float(kLabelEnd - s * i);
    addFlyText(row.label.substr(size_t(length - 1 - i), 1), font)
        ->start(float(kLabelFrom + s * i), y, to, y, to, float(row.labelMy),
                kDelayStep * i + row.labelDelay);
  }
  // The number from its first digit rightward.
  const std::string digits = std::to_string(row.number);
  for (int k = 0; k < int(digits.size()); ++k) {
    const float to = float(kNumberStart + s * k);
    addFlyText(digits.substr(size_t(k), 1), font)
        ->start(float(kNumberFrom - s * k), y, to, y, to, float(row.numberMy),
                kDelayStep * k + row.numberDelay);
  }
}

void TWinScreen::layClickPrompt() {
  // Laid out from its last character leftward, ending at x 550; the letters rise and fall
  // back to their places.
  const int length = int(txtClick.size());
  for (int i = 0; i < length; ++i) {
    const float to = float(550 - kSmallSpacing * i);
    addFlyText(txtClick.substr(size_t(length - 1 - i), 1), font1)
        ->start(float(600 - kSmallSpacing * i), 500.0f, to, 500.0f, to, -100.0f,
                kDelayStep * i + 200);
  }
}

void TWinScreen::pay(int earned) {
  earned_ = earned;
  if (!profiles_.profile) return;
  profiles_.profile->stars += earned;
  profiles_.profile->score += game_.punktyZebrane;
}

// ---- Frames ---------------------------------------------------------------------------------

void TWinScreen::update() {
  updateCommon();
  _updateBack();
  _updateAlpha();
  updateFlyTexts();
  updateSnow();
  _updateFade();
}

void TWinScreen::_updateBack() { game_._updateFromOtherScreen(); }

void TWinScreen::draw() {
  _drawBack();
  updateParticles(&globalParticles);
  _drawText();
  _drawMouse();
}

void TWinScreen::_drawBack() {
  game_.draw();
  platform::SetColor(255, 255, 255);
  // The panel spins one full turn while it grows from nothing and becomes opaque.
  platform::SetAlpha(fade);
  platform::SetRotation(360.0f * fade);
  platform::SetScale(fade, fade);
  platform::DrawImage(img, kPanelX, kPanelY);
  platform::SetRotation(0);
  platform::SetAlpha(alpha);
  platform::SetScale(1, 1);
  if (game_.levelComplited) game_.levelComplited->draw();
}

void TWinScreen::_drawText() {
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  drawFlyTexts();
}
