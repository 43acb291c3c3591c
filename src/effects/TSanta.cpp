#include "effects/TSanta.h"

#include "core/Globals.h"
#include "effects/Curve.h"
#include "effects/EffectPictures.h"

void TSanta::setup() { loadCentredPicture(effect_pictures::kSanta); }

TSanta::TSanta() : image(loadCentredPicture(effect_pictures::kSanta)) {}

void TSanta::reset() {
  time = platform::MilliSecs() + platform::Rand(7000, 10000);
  x1 = 350;
  y1 = 120;
  x2 = 700;
  y2 = 0;
  mx = 500;
  my = 100;
  per = 0;
}

void TSanta::reset1() { time = 0; }

void TSanta::update() {
  if (platform::MilliSecs() < time) return;
  per += 0.003f * delta;
  if (per > 1) {
    per = 1;
    reset();
  }
  if (per <= 0.2f)
    a = per / 0.2f;
  else if (per < 0.8f)
    a = 1;
  else
    a = 1 - (per - 0.8f) / 0.2f;
  float oldX = x, oldY = y;
  x = quadraticPoint(x1, mx, x2, per);
  y = quadraticPoint(y1, my, y2, per);
  rot = platform::ATan2(oldY - y, oldX - x) + 190;
  s = 1;
}

void TSanta::draw() const {
  if (platform::MilliSecs() < time) return;
  platform::SetScale(s, s);
  platform::SetAlpha(a);
  platform::SetRotation(rot);
  platform::DrawImage(image, x, y, 0);
  platform::SetRotation(0);
}
