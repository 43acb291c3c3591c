#pragma once
#include <memory>

#include "platform/platform.h"

class ITutorialWorld;
class TTileData;

// An arrow of a tutorial hint: it points at (x, y), bobbing towards it, and when it stands by a
// bonus tile it follows that tile and fades once the tile is gone.
class TArrow {
 public:
  float x = 0, y = 0;
  int r = 0;  // 0: below its point, pointing up at it; 180: above, pointing down
  float a = 0, da = 1;
  float per = 0, dPer = 1;
  std::shared_ptr<TTileData> tile;

  // Stands 40 pixels below a tile at (tileX, tileY), or above it in the lower half.
  void standBy(float tileX, float tileY);
  void countPosition(const ITutorialWorld& world);
  void reset();
  void draw(const platform::Image& picture) const;
  void update(const ITutorialWorld& world);
};
