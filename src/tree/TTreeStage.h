// What the products of the shop need to place themselves on the tree: the tree's layers, the
// draw-ordering buffer they queue into, the pointer they are tested against and the shop's
// shared scale (1.0 except while the tree screen draws a product at another size).
#pragma once

#include <string>

#include "datafile/AssetNames.h"
#include "effects/TZBuffer.h"
#include "gui/TMouse.h"
#include "platform/platform.h"
#include "tree/TTreeLayers.h"

class TTreeStage {
 public:
  TTreeStage(TZBuffer& zbuffer, const TMouse& mouse);

  TZBuffer& zbuffer() const { return zbuffer_; }
  const TMouse& mouse() const { return mouse_; }
  TTreeLayers& layers() { return layers_; }
  const TTreeLayers& layers() const { return layers_; }

  float actS = 1.0f;

  // The one-pixel picture that pointer tests are made with; loaded once.
  void loadPixel(const std::string& path = assets::PIXEL);
  // Whether the pointer lies on what was written into collision layer 1 since the last reset.
  bool pointerOnWritten() const;

 private:
  TZBuffer& zbuffer_;
  const TMouse& mouse_;
  TTreeLayers layers_;
  platform::Image pixel_;
};
