// The game's bitmap fonts and the TrueType file its dialogs load.
#include "core/Font.h"
#include "core/Registry.h"
#include "fonts/FontBaker.h"

namespace {

using assetgen::FontBaker;
using assetgen::FontStyle;
using assetgen::Rgba;

// Numbers and captions of the top bar, shop and profiles: white with a soft dark rim that
// reads on any background.
void makeWhiteSmall(assetgen::Output& out) {
  FontStyle s;
  s.fontPath = assetgen::fonts::UI_BOLD;
  s.pixelSize = 23;
  s.fontSize = 22;
  s.fill = {{0, Rgba::hex(0xFFFFFF)}, {0.7, Rgba::hex(0xF4F8FF)}, {1, Rgba::hex(0xDCE8F7)}};
  s.outlineWidth = 3;
  s.outlineColor = Rgba::hex(0x0B1633, 0.85);
  s.haloRadius = 3;
  s.haloDx = 1;
  s.haloDy = 1.5;
  s.haloColor = Rgba::hex(0x000000, 0.55);
  s.bold = true;
  FontBaker::bake(out, "gfx/fonts", "whitesmall_22", s, FontBaker::latin1());
}
ASSETGEN_REGISTER("font whitesmall_22", makeWhiteSmall);

// The win screen's letters, which the game tints with a texture: light glyphs (the texture is
// multiplied by glyph / 192) with a dark rim that the texture leaves dark.
FontStyle displayStyle(double pixelSize) {
  FontStyle s;
  s.fontPath = assetgen::fonts::UI_EXTRABOLD;
  s.pixelSize = pixelSize;
  s.fontSize = static_cast<uint16_t>(pixelSize);
  s.fill = {{0, Rgba::hex(0xFFFFFF)}, {0.45, Rgba::hex(0xEDEDED)}, {1, Rgba::hex(0xB4B4B4)}};
  s.outlineWidth = 3.5;
  s.outlineColor = Rgba::hex(0x14264F);
  s.haloRadius = 4;
  s.haloDx = 1.5;
  s.haloDy = 2;
  s.haloColor = Rgba::hex(0x000000, 0.5);
  s.bold = true;
  s.pageWidth = 512;
  return s;
}

void makeFontex(assetgen::Output& out) {
  FontBaker::bake(out, "gfx/fonts", "fontex", displayStyle(28), FontBaker::latin1());
}
ASSETGEN_REGISTER("font fontex", makeFontex);

void makeFontex2(assetgen::Output& out) {
  FontBaker::bake(out, "gfx/fonts", "fontex2", displayStyle(36), FontBaker::latin1());
}
ASSETGEN_REGISTER("font fontex2", makeFontex2);

// Tutorial hints and credits: plain white (the game draws a black copy for the shadow).
void makeTutorial(assetgen::Output& out) {
  FontStyle s;
  s.fontPath = assetgen::fonts::TEXT_SEMIBOLD;
  s.pixelSize = 17;
  s.fontSize = 16;
  FontBaker::bake(out, "gfx/fonts", "tutorial", s, FontBaker::latin1());
}
ASSETGEN_REGISTER("font tutorial", makeTutorial);

void copyDialogFont(assetgen::Output& out) {
  out.copyFile(assetgen::fonts::UI_BOLD, "gfx/gui/enterText/bluehigh.ttf");
  out.copyFile(assetgen::fonts::UI_BOLD, "gfx/fonts/bluehigh.ttf");
}
ASSETGEN_REGISTER("font bluehigh.ttf", copyDialogFont);

}  // namespace
