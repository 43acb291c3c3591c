#include "core/TEkran.h"

#include "core/Ease.h"
#include "core/Globals.h"
#include "platform/platform.h"

void TEkran::_drawGui() {
  if (Gui) frame_.drawGui(*Gui);
}

void TEkran::_drawFade() {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::SetAlpha(fade);
  platform::SetColor(0, 0, 0);
  platform::DrawRect(0, 0, platform::GraphicsWidth(), platform::GraphicsHeight());
}

void TEkran::_drawMouse() { frame_.drawPointer(); }

void TEkran::_updateFade() { fade = easeToward(fade, dFade, fadeSpeed * delta); }

void TEkran::_updateAlpha() { alpha = easeToward(alpha, dAlpha, 0.05f * delta); }

void TEkran::_updateGui() {
  if (Gui) frame_.updateGui(*Gui, alpha);
}

void TEkran::STANDARD_DATA() {
  alpha = 1.0f;
  dAlpha = 1.0f;
  fade = 0.0f;
  dFade = 0.0f;
}
