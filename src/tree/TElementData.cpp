#include "tree/TElementData.h"

#include "platform/strings.h"

namespace {
constexpr int kStarLayer = 6;
constexpr int kScreenWidth = 800;
}  // namespace

void TElementData::draw(int x, int y) { platform::DrawImage(gfx, float(x), float(y), 0); }

int TElementData::obliczWarstwe(int x, int y) { return stage_.layers().layerAt(x, y); }

bool TElementData::isStar() const { return platform::SameText(opis, "GWIAZDA"); }

int TElementData::drawWithHandle(int x, int y, const TRGB* colour, float rotation) {
  const int layer = isStar() ? kStarLayer : obliczWarstwe(x, y);
  queue(layer, x, y, colour, rotation, scale * stage_.actS);
  return layer;
}

void TElementData::queue(int layer, int x, int y, const TRGB* colour, float rotation, float s) {
  const TRGB white;
  const TRGB& c = colour ? *colour : white;
  stage_.zbuffer().addImage(layer, gfx, x + y * kScreenWidth, x, y, hx, hy, 0, 1.0f, c.r, c.g, c.b,
                            rotation, s, s, -1);
}

void TElementData::collideWithHandle(int x, int y) { collideAt(x, y, scale * stage_.actS); }

void TElementData::collideAt(int x, int y, float s) {
  if (!gfx) return;
  const float oldX = platform::ImageXHandle(gfx), oldY = platform::ImageYHandle(gfx);
  float oldSx = 1, oldSy = 1;
  platform::GetScale(oldSx, oldSy);
  platform::SetScale(s, s);
  platform::SetImageHandle(gfx, float(hx), float(hy));
  platform::CollideImage(gfx, float(x), float(y), 0, 0, 1, 0);
  platform::SetImageHandle(gfx, oldX, oldY);
  platform::SetScale(oldSx, oldSy);
}

int TElementData::getXAd() {
  return int(float(int(float(platform::ImageWidth(gfx)) * scale * stage_.actS / 2)) -
             float(hx) * scale);
}

int TElementData::getYAd() {
  return int(float(int(float(platform::ImageHeight(gfx)) * scale * stage_.actS / 2)) -
             float(hy) * scale);
}

int TElementData::getCenterX() {
  return int(float(platform::ImageWidth(gfx)) * scale * stage_.actS / 2 + float(getXAd()));
}

int TElementData::getCenterY() {
  return int(float(platform::ImageHeight(gfx)) * scale * stage_.actS / 2 + float(getYAd()));
}
