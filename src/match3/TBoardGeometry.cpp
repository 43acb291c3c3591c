#include "match3/TBoardGeometry.h"

TBoardGeometry TBoardGeometry::forScreen(int width, int height) {
  TBoardGeometry geometry;
  geometry.centreX = static_cast<float>(width / 2);
  geometry.centreY = static_cast<float>((height + 80) / 2);
  return geometry;
}
