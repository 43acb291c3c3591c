// What the board's picture families share: the colour ramps of the pieces, the finishing pass
// that gives every piece its outline, rim light, shade and gloss, and the plates (the shards
// of a broken plate are cut from the very same pictures).
#pragma once

#include <string>

#include "board/BoardCanvas.h"
#include "core/Canvas.h"
#include "core/Image.h"

namespace assetgen::board {

// Light, middle and dark tone of a colour, and the darker edge drawn around it.
struct Ramp {
  Rgba light, mid, dark, edge;
};

struct Finish {
  Ramp ramp;
  double outline = 1.7;  // px
  double gloss = 0.7;    // strength of the white sheen at the upper left
  double rim = 0.55;     // strength of the bright rim on the upper-left edges
  double shade = 0.35;   // strength of the darker band on the lower-right edges
};

// Puts `body` (the piece with its own colours; its alpha is the silhouette) on `out` with an
// outline of the ramp's edge colour, a bright upper-left rim, a darker lower-right edge and a
// soft gloss. Light comes from the top left.
void finishPiece(Canvas& out, const Canvas& body, const Finish& finish);

// The cell backgrounds at a size in pixels: the plain glass cell, the one-layer plates and the
// two-layer ones (a second purple layer, or a gold layer, on a purple one).
enum class PlateKind { PlainCell, Purple, Gold, PurpleDouble, GoldOnPurple };
Image drawPlate(PlateKind kind, int size);

// Tile kind 1..7 at a size in pixels.
Image drawTile(int id, int size);

}  // namespace assetgen::board
