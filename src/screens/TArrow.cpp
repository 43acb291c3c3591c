#include "screens/TArrow.h"

#include "core/Ease.h"
#include "core/Globals.h"
#include "gui/GuiUtil.h"
#include "screens/ITutorialWorld.h"

void TArrow::standBy(float tileX, float tileY) {
  x = float(int(tileX));
  y = float(int(tileY + 40));
  r = 0;
  if (y > 300) {
    y = float(int(tileY - 40));
    r = 180;
  }
}

void TArrow::countPosition(const ITutorialWorld& world) {
  if (!tile) return;
  const auto found = world.tileOfKind(tile);
  if (!found) {
    da = 0;
    return;
  }
  standBy(found->x, found->y);
}

void TArrow::reset() {
  a = 0;
  da = 1;
  per = 0;
  dPer = 1;
}

void TArrow::update(const ITutorialWorld& world) {
  countPosition(world);
  a = easeToward(a, da, 0.05f * delta);
  per = easeToward(per, dPer, 0.05f * delta);
  if (per == dPer) dPer = 1.0f - dPer;
}

void TArrow::draw(const platform::Image& picture) const {
  platform::SetRotation(float(r));
  const float k = platform::Sin(90.0f + 90.0f * per);
  const float drawX = x + 30.0f * platform::Cos(float(r) + 90.0f) * k;
  const float drawY = y + 30.0f * platform::Sin(float(r) + 90.0f) * k;
  platform::SetScale(0.8f + 0.2f * per, 0.9f + 0.1f * per);
  platform::SetAlpha(a);
  platform::SetColor(255, 255, 255);
  if (picture) platform::DrawImage(picture, drawX, drawY);
  platform::SetRotation(0);
  platform::SetScale(1, 1);
}
