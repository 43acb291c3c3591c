// The layered draw-ordering queue of the tree: pictures are queued during a frame, each
// layer is sorted by its items' keys, then drawn once and emptied.
#pragma once

#include <array>
#include <vector>

#include "platform/platform.h"

struct TZBufferItem {
  int simple = 0;
  platform::Image img;
  int x = 0, y = 0;
  int z = 0;  // sort key
  int frame = 0;
  float a = 1;
  float sx = 1, sy = 1;
  float rot = 0;
  int r = 255, b = 255, g = 255;
  int hx = 0, hy = 0;
  int bb = platform::ALPHABLEND;
  int order = 0;  // position in its layer when queued: equal keys keep this order
};

class TZBuffer {
 public:
  static constexpr int kMaxLayers = 10;
  std::array<std::vector<TZBufferItem>, kMaxLayers> layers;
  int ileWarstw = 8;
  int SCREEN_WIDTH = 800;

  // The queued item, to adjust its blend; valid until the next item is queued in that layer.
  // Null for a layer that does not exist.
  TZBufferItem* addImage(int layer, const platform::Image& img, int key, int x, int y, int hx,
                         int hy, int simple, float alpha, int r, int g, int b, float rotation,
                         float sx, float sy, int frame);
  void sortAllLayers();
  void drawLayer(int layer, int flag = 0);

 private:
  bool exists(int layer) const { return layer >= 0 && layer < ileWarstw && layer < kMaxLayers; }
};
