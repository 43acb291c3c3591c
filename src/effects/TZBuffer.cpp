#include "effects/TZBuffer.h"

#include <algorithm>
#include <cmath>

TZBufferItem* TZBuffer::addImage(int layer, const platform::Image& img, int key, int x, int y,
                                 int hx, int hy, int simple, float alpha, int r, int g, int b,
                                 float rotation, float sx, float sy, int frame) {
  if (!exists(layer)) return nullptr;
  std::vector<TZBufferItem>& items = layers[static_cast<size_t>(layer)];
  TZBufferItem& item = items.emplace_back();
  item.simple = simple;
  item.img = img;
  item.x = x;
  item.y = y;
  item.hx = hx;
  item.hy = hy;
  item.a = alpha;
  item.r = r;
  item.g = g;
  item.b = b;
  item.rot = rotation;
  item.sx = sx;
  item.sy = sy;
  item.frame = frame;
  item.order = static_cast<int>(items.size()) - 1;
  double row = key < 0 && y >= 0 ? std::fabs(static_cast<double>(key)) : y;
  double z = x + platform::ImageXHandle(img) + row * SCREEN_WIDTH;
  item.z = static_cast<int>(std::clamp(z, -2147483648.0, 2147483647.0));
  return &item;
}

void TZBuffer::sortAllLayers() {
  for (int layer = 0; exists(layer); ++layer) {
    std::vector<TZBufferItem>& items = layers[static_cast<size_t>(layer)];
    std::sort(items.begin(), items.end(), [](const TZBufferItem& p, const TZBufferItem& q) {
      return p.z != q.z ? p.z < q.z : p.order < q.order;
    });
  }
}

void TZBuffer::drawLayer(int layer, int) {
  if (!exists(layer)) return;
  platform::SetAlpha(1);
  platform::SetTransform(0, 1, 1);
  platform::SetColor(255, 255, 255);
  std::vector<TZBufferItem>& items = layers[static_cast<size_t>(layer)];
  for (const TZBufferItem& item : items) {
    platform::SetBlend(item.bb);
    platform::SetAlpha(item.a);
    platform::SetScale(item.sx, item.sy);
    platform::SetRotation(item.rot);
    platform::SetColor(item.r, item.g, item.b);
    auto x = static_cast<float>(item.x), y = static_cast<float>(item.y);
    if (item.frame == -1) {
      float oldX = platform::ImageXHandle(item.img), oldY = platform::ImageYHandle(item.img);
      platform::SetImageHandle(item.img, static_cast<float>(item.hx), static_cast<float>(item.hy));
      platform::DrawImage(item.img, x, y, 0);
      platform::SetImageHandle(item.img, oldX, oldY);
    } else {
      platform::DrawImage(item.img, x, y, item.frame);
    }
  }
  items.clear();
}
