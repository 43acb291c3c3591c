#include "app/TEkran.h"

#include "app/App.h"
#include "app/Globals.h"
#include "gui/TGui.h"
#include "platform/platform.h"

float easeToward(float value, float target, float rate) {
  if (value < target) return std::min(value + rate * delta, target);
  if (value > target) return std::max(value - rate * delta, target);
  return value;
}

void TEkran::_drawGui() {
  if (Gui) Gui->draw();
}

void TEkran::_drawFade() {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::SetAlpha(fade);
  platform::SetColor(0, 0, 0);
  platform::DrawRect(0, 0, platform::GraphicsWidth(), platform::GraphicsHeight());
}

void TEkran::_drawMouse() {
  if (App::exists()) App::get().mouse().draw();
}

void TEkran::_updateFade() { fade = easeToward(fade, dFade, fadeSpeed); }

void TEkran::_updateAlpha() { alpha = easeToward(alpha, dAlpha, 0.05f); }

void TEkran::_updateGui() {
  if (!Gui) return;
  for (const auto& control : Gui->_listaObiektow) {
    control->_alpha = alpha;
    control->_dAlpha = alpha;
  }
  Gui->update();
}

void TEkran::STANDARD_DATA() {
  alpha = 1.0f;
  dAlpha = 1.0f;
  fade = 0.0f;
  dFade = 0.0f;
}
