#include "screens/TCredits.h"

#include "datafile/AssetNames.h"
#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"
#include "effects/TSnow.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TMouse.h"
#include "screens/TMainMenu.h"

TCredits::TCredits(ScreenContext& screen) : TEkran(screen), screen_(screen) { id = "Credits"; }

void TCredits::setup() {
  img = platform::LoadImage(assets::CREDITS_BACK);
  // Both fonts of the credits are the hint font, decoded once: each line sets the alignment it
  // needs as it is drawn.
  creditsFonts.fill(TBMFont::Create(assets::FONT_DIR, assets::FONT_TUTORIAL));
  loadLines(assets::DATA_CREDITS);
}

void TCredits::loadLines(const std::string& path) {
  creditsList.clear();
  TRCMFile file(path);
  const auto linePath = [](int i) { return "credits::txt" + std::to_string(i); };
  const int n = readCount(file, "credits::lines", linePath);
  for (int i = 1; i <= n; ++i) {
    const std::string p = linePath(i);
    TCreditsTxt line;
    line.fontN = readInt(file, p + "::font", 0, int(creditsFonts.size()) - 1);
    line.dx = float(readInt(file, p + "::x")) + kOriginX;
    line.dy = float(readInt(file, p + "::y")) + kOriginY;
    line.txt = file.getString(p + "::txt");
    line.kier = readInt(file, p + "::kier");
    creditsList.push_back(line);
  }
}

void TCredits::prepare() {
  for (auto& line : creditsList) line.reset();
  fade = 0;
  dFade = 0;
  alpha = 0;
  dAlpha = 1.0f;
}

int TCredits::mainLoop(TMainMenu& menu) {
  menu_ = &menu;
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    // A click during the fade-in fades out from the opacity reached.
    if (screen_.mouse().leftPressed) dAlpha = 0;
  } while (!closed());
  platform::FlushKeys();
  platform::FlushMouse();
  screen_.mouse().clear();
  menu_ = nullptr;
  return 0;
}

void TCredits::update() {
  updateCommon();
  _updateAlpha();
  if (menu_) menu_->_updateAnims();
  updateSnow();
  for (auto& line : creditsList) line.update();
}

void TCredits::draw() {
  if (menu_) menu_->draw();
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(alpha);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::DrawImage(img, 0, 0);
  for (const auto& line : creditsList) line.draw(fontOf(line), alpha);
  _drawFade();
}

TBMFont* TCredits::fontOf(const TCreditsTxt& line) const {
  return creditsFonts[size_t(line.fontN)].get();
}
