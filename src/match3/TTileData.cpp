#include "match3/TTileData.h"

#include <algorithm>

namespace {

// Frames past the strip (the animation clock may land on maxFrames) show the last one.
int clampFrame(const platform::Image& image, int frame) {
  const int frames = platform::ImageFrames(image);
  if (frames <= 1) return 0;
  return std::clamp(frame, 0, frames - 1);
}

}  // namespace

platform::Image TTileData::picture(int sizeIndex) const {
  if (sizeIndex < 0 || sizeIndex >= static_cast<int>(img.size())) return nullptr;
  return img[sizeIndex];
}

void TTileData::draw(float x, float y, int sizeIndex, int frame) const {
  const platform::Image image = picture(sizeIndex);
  if (!image) return;
  platform::SetColor(255, 255, 255);
  platform::DrawImage(image, x, y, clampFrame(image, frame));
}

void TTileData::drawShadow(float x, float y, int sizeIndex, int frame, float alpha) const {
  const platform::Image image = picture(sizeIndex);
  if (!image) return;
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetColor(0, 0, 0);
  platform::SetAlpha(alpha * 0.5f);
  platform::DrawImage(image, x, y, clampFrame(image, frame));
}

int pointsForParticle(int partN) {
  switch (partN) {
    case 11:
      return 10;
    case 12:
      return 5;
    case 13:
      return 1;
    case 14:
      return 3;
    default:
      return 0;
  }
}
