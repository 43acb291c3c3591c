// A present: it stands on the ground rather than hanging on the tree, behind the tree near the
// trunk and in front of it lower down, and grows as it comes toward the viewer.
#pragma once

#include "tree/TElementData.h"

class TDekorData : public TElementData {
 public:
  using TElementData::TElementData;

  int obliczWarstwe(int x, int y) override;
  int drawWithHandle(int x, int y, const TRGB* colour, float rotation) override;
  void collideWithHandle(int x, int y) override;

  // The size a present is drawn at when it stands at height y on the screen.
  static float groundScale(int y);
};
