// Display lettering for text pictures: the text as a path (kerned), filled with a vertical
// gradient, a dark outline, a glossy band over its upper half, a soft drop shadow and a glow.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Canvas.h"

namespace assetgen {

struct LetteringStyle {
  std::string fontPath;
  double sizePx = 80;
  double tracking = 0;     // extra pixels between letters
  double wordSpacing = 0;  // extra pixels after each space
  // Fill over the ink box, top (0) to bottom (1).
  std::vector<Stop> fill;
  double outlineWidth = 3.5;  // visible outline outside the letters
  Rgba outlineColor = Rgba::hex(0x6E1019);
  double glossStrength = 0.45;  // white band over the upper half; 0 = none
  double glowRadius = 10;
  Rgba glowColor = Rgba::hex(0xFFC94D, 0.55);
  double shadowDx = 3, shadowDy = 4, shadowRadius = 5;
  Rgba shadowColor = Rgba::hex(0x000000, 0.45);
  double maxWidth = 0;  // shrink the size until the ink fits; 0 = no limit
  int sparkles = 0;     // twinkles caught on the upper edges of the letters
};

// Gold and white fills of the palette, shared by every family.
namespace fills {
std::vector<Stop> gold();
std::vector<Stop> ice();
std::vector<Stop> warmWhite();
}  // namespace fills

// The lettering on a transparent canvas just large enough for it and its effects.
std::unique_ptr<Canvas> renderLettering(const std::string& text, const LetteringStyle& style);

// Adds the kerned glyph outline of `text` to the current path with its pen at (x, y); the font
// must already be selected on `cr`. Returns the advance width.
double kernedTextPath(cairo_t* cr, const std::string& text, double x, double y, double tracking = 0,
                      double wordSpacing = 0);

// Ink extents of kerned text: x, y of the top-left relative to the pen, width, height.
struct Extents {
  double x = 0, y = 0, width = 0, height = 0;
};
Extents kernedTextExtents(cairo_t* cr, const std::string& text, double tracking = 0,
                          double wordSpacing = 0);

}  // namespace assetgen
