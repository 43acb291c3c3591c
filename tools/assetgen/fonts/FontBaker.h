// Renders a font file into bitmap-font pages (PNG) and the description file that goes with
// them: every glyph drawn with Cairo in the font's style (gradient fill, outline, soft halo),
// packed onto power-of-two pages, with the face's kerning pairs in pixels.
#pragma once

#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/Registry.h"
#include "fonts/BmFontWriter.h"

namespace assetgen {

struct FontStyle {
  std::string fontPath;
  double pixelSize = 22;   // em size the glyphs are rendered at
  uint16_t fontSize = 22;  // written to the file: the game's line step
  // Fill from the cap-height line (offset 0) down to the baseline (offset 1).
  std::vector<Stop> fill{{0, Rgba::hex(0xFFFFFF)}, {1, Rgba::hex(0xFFFFFF)}};
  double outlineWidth = 0;  // stroke width around the glyph; 0 = none
  Rgba outlineColor = Rgba::hex(0x0B1633);
  double haloRadius = 0;  // blur radius of a soft dark halo; 0 = none
  double haloDx = 0, haloDy = 0;
  Rgba haloColor = Rgba::hex(0x000000, 0.6);
  int pageWidth = 256;
  bool bold = false;
};

class FontBaker {
 public:
  // Latin-1: printable ASCII and 160-255.
  static std::vector<uint32_t> latin1();

  // Builds the font and its pages; `folder` is the asset folder of the .fnt ("gfx/fonts"),
  // `name` the file stem. Page files are named <name>_<n>.png beside it.
  static bool bake(Output& out, const std::string& folder, const std::string& name,
                   const FontStyle& style, const std::vector<uint32_t>& codes);
};

}  // namespace assetgen
