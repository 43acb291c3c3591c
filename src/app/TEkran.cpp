#include "app/TEkran.h"

#include "app/Globals.h"
#include "platform/platform.h"

float easeToward(float value, float target, float rate) {
  if (value < target) return std::min(value + rate * delta, target);
  if (value > target) return std::max(value - rate * delta, target);
  return value;
}

// The GUI toolkit hooks in here: drawing and updating the screen's TGui.
void TEkran::_drawGui() {}

void TEkran::_drawFade() {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::SetAlpha(fade);
  platform::SetColor(0, 0, 0);
  platform::DrawRect(0, 0, platform::GraphicsWidth(), platform::GraphicsHeight());
}

void TEkran::_drawMouse() {}

void TEkran::_updateFade() { fade = easeToward(fade, dFade, fadeSpeed); }

void TEkran::_updateAlpha() { alpha = easeToward(alpha, dAlpha, 0.05f); }

void TEkran::_updateGui() {}

void TEkran::STANDARD_DATA() {
  alpha = 1.0f;
  dAlpha = 1.0f;
  fade = 0.0f;
  dFade = 0.0f;
}
