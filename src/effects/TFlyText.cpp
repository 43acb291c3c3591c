#include "effects/TFlyText.h"

#include <algorithm>

#include "core/Globals.h"
#include "effects/Curve.h"
#include "effects/ParticleConstructors.h"
#include "platform/strings.h"

TFlyTextList flyTexts;

std::shared_ptr<TFlyText> addFlyText(const std::string& text, std::shared_ptr<TBMFont> font) {
  auto fly = std::make_shared<TFlyText>();
  fly->q = text;
  fly->font = std::move(font);
  flyTexts.add(fly);
  return fly;
}

void updateFlyTexts() {
  flyTexts.forEach([](TFlyText& t) { t.update(); });
}

void drawFlyTexts() {
  flyTexts.forEach([](TFlyText& t) { t.draw(); });
}

void TFlyText::start(float startX, float startY, float endX, float endY, float controlX,
                     float controlY, int delay) {
  x1 = px1 = startX;
  y1 = py1 = startY;
  x2 = px2 = endX;
  y2 = py2 = endY;
  per = 0;
  mx = controlX;
  my = controlY;
  time = platform::MilliSecs() + delay;
  state = "START";
}

void TFlyText::getBack(int delay) {
  x1 = px2;
  y1 = py2;
  x2 = px1;
  y2 = py1;
  // A text still on its way in goes back from the progress it had.
  if (per == 1) per = 0;
  time = platform::MilliSecs() + delay;
  state = "BACK";
}

void TFlyText::update() {
  if (platform::MilliSecs() < time) return;
  if (platform::SameText(state, "START")) {
    _updateStart();
    _updateMyParticles();
  } else if (platform::SameText(state, "BACK")) {
    _updateBack();
    _updateMyParticles();
  }
}

bool TFlyText::_advance(float speed) {
  per = std::min(per + speed * delta, 1.0f);
  x = quadraticPoint(x1, mx, x2, per);
  y = quadraticPoint(y1, my, y2, per);
  return per == 1;
}

void TFlyText::_updateStart() {
  if (_advance(0.02f)) state = "END";
}

void TFlyText::_updateBack() {
  if (!_advance(0.03f)) return;
  state.clear();
  if (list) list->remove(this);
}

void TFlyText::_updateMyParticles() {
  TRGB colour;
  if (platform::Rand(0, 1) != 0) {
    colour.r = platform::Rand(200, 250);
    colour.g = platform::Rand(200, 250);
    colour.b = 0;
  }
  int n = platform::Rand(2, 3);
  int sparkX = static_cast<int>(x + static_cast<float>(platform::Rand(-15, 15)));
  int sparkY = static_cast<int>(y + static_cast<float>(platform::Rand(-15, 15)));
  auto spark = addSpark(n, sparkX, sparkY, 0, colour, platform::LIGHTBLEND, &globalParticles);
  spark->ay = platform::Rnd(0.3f, 0.5f);
  spark->ax = platform::Rnd(-0.1f, 0.1f);
}

void TFlyText::draw() {
  bool back = platform::SameText(state, "BACK");
  bool in = platform::SameText(state, "START") || platform::SameText(state, "END");
  if (!back && !in) return;
  if (platform::SameText(state, "START") && platform::MilliSecs() < time) return;
  platform::SetColor(_rgb.r, _rgb.g, _rgb.b);
  float shown = back ? 1 - per : per;
  platform::SetRotation(360 * shown);
  platform::SetScale(shown, shown);
  platform::SetAlpha(shown);
  platform::SetBlend(platform::ALPHABLEND);
  drawMyText(q, static_cast<int>(x), static_cast<int>(y), font.get(), 1);
}

void TFlyText::_prepareFont(TBMFont& f, int centred) {
  f.HSpacing = 0;
  f.VSpacing = 0;
  f.Align = centred != 0 ? 0 : -1;
}

void TFlyText::drawMyText(const std::string& text, int x, int y, TBMFont* f, int centred) {
  if (!f) return;
  _prepareFont(*f, centred);
  f->DrawText(text, static_cast<float>(x), static_cast<float>(y));
}

int TFlyText::textEnd(const std::string& text, int x, int, TBMFont* f, int centred) {
  if (!f) return x;
  _prepareFont(*f, centred);
  return static_cast<int>(f->TextWidth(text) / 2 + static_cast<float>(x));
}
