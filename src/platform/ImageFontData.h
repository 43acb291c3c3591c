// Fonts rendered to images: TrueType faces through FreeType, glyphs made on first use, and a
// built-in bitmap font that needs no file.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/GlyphAtlas.h"
#include "platform/ImageData.h"

namespace platform {

struct Glyph {
  GlyphAtlas::Slot picture;  // no page for blanks
  int offsetX = 0;           // from the pen to the picture's left edge
  int offsetY = 0;           // from the text's top to the picture's top edge
  int advance = 0;
};

class FreeTypeFace;

struct ImageFontData {
 public:
  static ImageFont load(const std::string& path, int size, int style);
  static ImageFont builtIn();

  const Glyph& glyph(int codepoint);
  int kerning(int left, int right) const;
  int lineHeight() const { return height_; }
  int width(const std::vector<int>& codepoints);

 private:
  std::shared_ptr<FreeTypeFace> face_;  // null: the built-in font
  bool smooth_ = true;
  int height_ = 0;
  int ascent_ = 0;
  std::unordered_map<int, Glyph> glyphs_;
  GlyphAtlas atlas_;

  Glyph render(int codepoint);
  Glyph renderBuiltIn(int codepoint);
};

}  // namespace platform
