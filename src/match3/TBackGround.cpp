#include "match3/TBackGround.h"

void TBackGround::LoadImg() {
  if (img) return;
  img = platform::LoadImage(url);
  if (!img) platform::Notify("NO FILE : " + url);
}

void TBackGround::draw() const {
  if (!img) return;
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  platform::SetScale(1.0f, 1.0f);
  platform::DrawImage(img, 0.0f, 0.0f);
}
