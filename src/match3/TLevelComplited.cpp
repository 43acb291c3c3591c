#include "match3/TLevelComplited.h"

#include <cmath>
#include <numbers>

#include "core/Globals.h"
#include "platform/strings.h"

void TLevelComplited::reset() { state.clear(); }

void TLevelComplited::start() {
  state = "BEGIN";
  per = 0.0f;
}

void TLevelComplited::update() {
  if (platform::SameText(state, "BEGIN")) _update_begin();
}

void TLevelComplited::_update_begin() {
  // Each step shrinks as the banner nears its place, so the fly-in slows down at the end.
  speed = (1.0f - per) * 0.01f + 0.0005f;
  per = std::min(per + speed * delta, 1.0f);
  a = std::min(0.5f + per, 1.0f);
  if (per > 0.7f)
    s = 1.5f - 0.5f * (per - 0.7f) / 0.3f;
  else
    s = 0.5f + 1.0f * per / 0.7f;
  r = 0.0f;
  x = 400.0f;
  const float degrees = 135.0f - 270.0f * per;
  y = 200.0f + 100.0f * std::sin(degrees * std::numbers::pi_v<float> / 180.0f);
  if (per >= 1.0f) state = "STEP3";
}

void TLevelComplited::draw() const {
  if (state.empty()) return;
  platform::SetRotation(r);
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(a);
  platform::SetScale(s, s);
  platform::DrawImage(picture, x, y, 0);
}
