#include "match3/TRamka.h"

void TRamka::draw(float x, float y) const {
  if (!img) return;
  platform::DrawImage(img, x + static_cast<float>(ax), y + static_cast<float>(ay), 0);
}
