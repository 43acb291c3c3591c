#include "screens/TCreditsTxt.h"

#include <algorithm>

#include "core/Globals.h"
#include "gui/TBMFont.h"
#include "platform/platform.h"

void TCreditsTxt::update() {
  per = std::min(per + 0.01f * delta, 1.0f);
  rPer = platform::Sin(90.0f + 90.0f * per);
  x = kier != 0 ? dx + kSlide * rPer : dx - kSlide * rPer;
  y = dy;
}

void TCreditsTxt::draw(TBMFont* font, float overlayAlpha) const {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetAlpha(per * overlayAlpha);
  if (!font) return;
  font->HSpacing = 0;
  font->VSpacing = 0;
  font->Align = kier != 0 ? -1 : 1;
  font->DrawText(txt, x, y);
}

void TCreditsTxt::reset() {
  per = 0;
  rPer = 0;
}
