#include "tree/TLampka.h"

#include "core/Globals.h"
#include "tree/TLampkaData.h"

void TLampka::draw() {
  if (!data) return;
  const int layer = data->drawWithHandle(int(x), int(y), nullptr, 0);
  static_cast<TLampkaData&>(*data).drawLight(int(x), int(y), a, layer);
}

void TLampka::drawM(float dx, float dy) {
  if (data) data->drawWithHandle(int(x + dx), int(y + dy), nullptr, 0);
}

int TLampka::update() {
  _updateLight();
  return _updateOver();
}

void TLampka::_updateLight() {
  constexpr float kRate = 0.02f;
  if (a < da) {
    a += kRate * delta;
    if (a >= da) {
      a = da;
      da = platform::Rnd(0.1f, 0.2f);
    }
  } else if (a > da) {
    a -= kRate * delta;
    if (a <= da) {
      a = da;
      da = platform::Rnd(0.8f, 0.9f);
    }
  }
}
