#include "tree/TLampkaData.h"

int TLampkaData::obliczWarstwe(int /*x*/, int /*y*/) { return 0; }

void TLampkaData::drawLight(int x, int y, float alpha, int layer) {
  if (!light) return;
  const float s = scale * stage().actS;
  // The bulb's centre on the screen.
  const int gx = int(float(x) - float(hx) * s + float(lightHX) * s);
  const int gy = int(float(y) - float(hy) * s + float(lightHy) * s);
  TZBufferItem* item = stage().zbuffer().addImage(
      layer, light, gx + gy * 800, gx, gy, int(platform::ImageXHandle(light)),
      int(platform::ImageYHandle(light)), 0, alpha, 255, 255, 255, 0, s, s, -1);
  if (item) item->bb = platform::LIGHTBLEND;
}
