#include "effects/TSnow.h"

#include <algorithm>

#include "core/Globals.h"
#include "effects/EffectPictures.h"

TSnowList snowFlakes;
std::array<platform::Image, 3> snowImages;

void loadSnowImages() {
  for (const EffectPicture& picture : effect_pictures::kSnow)
    snowImages[static_cast<size_t>(picture.slot)] = loadCentredPicture(picture);
}

std::shared_ptr<TSnow> addSnowFlake(float x, float y, float z, float koniec) {
  auto flake = std::make_shared<TSnow>();
  flake->x = flake->xX = x;
  flake->y = y;
  flake->z = std::clamp(z, kSnowNearest, kSnowFarthest);
  flake->koniec = koniec;
  flake->lax = platform::Rnd(-2, 2);
  flake->rSpeed = platform::Rnd(-1, 1);
  snowFlakes.add(flake);
  return flake;
}

void TSnow::update() {
  a = sx = sy = 20 / z * 0.7f;
  sinP += 20 / z * delta;
  x = xX + platform::Sin(sinP) * lax * 25 / z * 30;
  y += 25 / z * delta;
  rot += rSpeed * delta;
  if (y >= koniec && list) list->remove(this);
  if (koniec - y <= 100) a = a * (koniec - y) / 100;
}

void TSnow::draw() const {
  platform::SetBlend(platform::LIGHTBLEND);
  platform::SetAlpha(a);
  platform::SetScale(sx, sy);
  platform::SetRotation(rot);
  platform::SetColor(255, 255, 255);
  const platform::Image none;
  platform::DrawImage(n >= 0 && n < 3 ? snowImages[static_cast<size_t>(n)] : none, x, y, 0);
}

namespace {

template <class Filter>
void drawFlakes(TSnowList* list, Filter keep) {
  (list ? list : &snowFlakes)->forEach([&](TSnow& flake) {
    if (keep(flake)) flake.draw();
  });
  platform::SetRotation(0);
  platform::SetAlpha(1);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetColor(255, 255, 255);
}

}  // namespace

void updateSnow(TSnowList* list) {
  (list ? list : &snowFlakes)->forEach([](TSnow& flake) { flake.update(); });
}

void drawSnow(TSnowList* list) {
  drawFlakes(list, [](const TSnow&) { return true; });
}

void drawSnowFar(TSnowList* list) {
  drawFlakes(list, [](const TSnow& f) { return f.z > kSnowNearPass; });
}

void drawSnowNear(TSnowList* list) {
  drawFlakes(list, [](const TSnow& f) { return f.z <= kSnowNearPass; });
}
