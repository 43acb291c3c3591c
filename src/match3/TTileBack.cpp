#include "match3/TTileBack.h"

namespace {

bool validSize(int sizeIndex) { return sizeIndex >= 0 && sizeIndex < 4; }

}  // namespace

void TTileBack::draw(float x, float y, int sizeIndex, float scale) const {
  if (!validSize(sizeIndex) || !img[sizeIndex]) return;
  platform::SetScale(scale, scale);
  platform::DrawImage(img[sizeIndex], x, y, 0);
}

void TTileBack::drawBlink(float x, float y, int sizeIndex, float scale, int frame) const {
  if (!art || !validSize(sizeIndex) || !art->blink[sizeIndex]) return;
  const platform::Image& strip = art->blink[sizeIndex];
  const int frames = platform::ImageFrames(strip);
  if (frame < 0 || frame >= frames) frame = 0;
  platform::SetScale(scale, scale);
  platform::DrawImage(strip, x, y, frame);
}

platform::Image TTileBack::chainOverlay(int level, int sizeIndex) const {
  if (!art || !validSize(sizeIndex)) return nullptr;
  if (level == 1) return art->lancuch1[sizeIndex];
  if (level == 2) return art->lancuch2[sizeIndex];
  return nullptr;
}
