#include "effects/Poswiata.h"

#include "effects/EffectPictures.h"

std::array<platform::Image, 2> Poswiata::images;

void Poswiata::setup() {
  for (const EffectPicture& picture : effect_pictures::kGlow)
    images[static_cast<size_t>(picture.slot)] = loadCentredPicture(picture);
}

void Poswiata::draw(float x, float y, float rotation, float alpha) {
  platform::SetColor(255, 255, 255);
  platform::SetBlend(platform::LIGHTBLEND);
  platform::SetAlpha(0.5f * alpha);
  platform::SetScale(0.4f, 0.4f);
  const float turns[4] = {rotation, -rotation, rotation / 2, -rotation / 2};
  for (int i = 0; i < 4; ++i) {
    platform::SetRotation(turns[i]);
    platform::DrawImage(images[static_cast<size_t>(i % 2)], x, y, 0);
  }
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(1);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
}
