// A chain: one small link picture repeated along a sagging curve between two points on the
// tree (a quadratic Bezier curve through a point below the middle of its ends).
#pragma once

#include <vector>

#include "gui/TDim.h"
#include "tree/TElementData.h"

class TLancuchData : public TElementData {
 public:
  using TElementData::TElementData;

  struct Point {
    float x = 0, y = 0;
  };

  // The sag point: the middle of the ends moved down by 0.7 times their distance.
  TDim getMPointDims(float x1, float y1, float x2, float y2) const;
  // Draws the links now (not through the draw-ordering buffer).
  void drawMe(float x1, float y1, float x2, float y2);
  // 1 when the pointer lies on a link.
  int checkOver(float x1, float y1, float x2, float y2);

  // Where the links go: about 7 pixels apart along the straight line between the ends, the
  // first on the first end and the last exactly on the second.
  std::vector<Point> linkPoints(float x1, float y1, float x2, float y2) const;
};
