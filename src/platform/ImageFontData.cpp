#include "platform/ImageFontData.h"

#include <algorithm>

#include "platform/BuiltInFont.h"
#include "platform/FreeTypeFace.h"

namespace platform {

namespace {
// The built-in font is drawn with every font pixel doubled.
constexpr int kBuiltInScale = 2;
constexpr int kBuiltInAdvance = (kBuiltInGlyphWidth + 1) * kBuiltInScale;
constexpr int kBuiltInHeight = (kBuiltInGlyphHeight + 1) * kBuiltInScale;

}  // namespace

ImageFont ImageFontData::load(const std::string& path, int size, int style) {
  auto face = FreeTypeFace::open(path, size > 0 ? size : 12);
  if (!face) return nullptr;
  auto font = std::make_shared<ImageFontData>();
  font->face_ = face;
  font->smooth_ = (style & 4) != 0;
  font->ascent_ = face->ascent();
  font->height_ = face->ascent() + face->descent();
  return font;
}

ImageFont ImageFontData::builtIn() {
  auto font = std::make_shared<ImageFontData>();
  font->height_ = kBuiltInHeight;
  font->ascent_ = kBuiltInGlyphHeight * kBuiltInScale;
  return font;
}

const Glyph& ImageFontData::glyph(int codepoint) {
  auto found = glyphs_.find(codepoint);
  if (found != glyphs_.end()) return found->second;
  // Control characters (line ends, tabs) take no room and show nothing.
  if (codepoint < 32 || (codepoint >= 127 && codepoint < 160))
    return glyphs_.emplace(codepoint, Glyph{}).first->second;
  return glyphs_.emplace(codepoint, face_ ? render(codepoint) : renderBuiltIn(codepoint))
      .first->second;
}

Glyph ImageFontData::render(int codepoint) {
  FreeTypeFace::Bitmap bitmap;
  Glyph glyph;
  if (!face_->render(codepoint, smooth_, bitmap)) return glyph;
  glyph.picture = atlas_.add(bitmap.width, bitmap.height, bitmap.coverage);
  glyph.offsetX = bitmap.left;
  glyph.offsetY = ascent_ - bitmap.top;
  glyph.advance = bitmap.advance;
  return glyph;
}

Glyph ImageFontData::renderBuiltIn(int codepoint) {
  const unsigned char* rows = BuiltInGlyphRows(codepoint);
  if (!rows) rows = BuiltInGlyphRows('?');
  const int w = kBuiltInGlyphWidth * kBuiltInScale, h = kBuiltInGlyphHeight * kBuiltInScale;
  std::vector<uint8_t> coverage(size_t(w) * size_t(h), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (rows[y / kBuiltInScale] & (1u << (kBuiltInGlyphWidth - 1 - x / kBuiltInScale)))
        coverage[size_t(y) * size_t(w) + size_t(x)] = 255;
  Glyph glyph;
  if (codepoint != ' ') glyph.picture = atlas_.add(w, h, coverage);
  glyph.offsetY = kBuiltInScale / 2;
  glyph.advance = kBuiltInAdvance;
  return glyph;
}

int ImageFontData::kerning(int left, int right) const {
  return face_ ? face_->kerning(left, right) : 0;
}

int ImageFontData::width(const std::vector<int>& codepoints) {
  int pen = 0;
  for (size_t i = 0; i < codepoints.size(); ++i) {
    if (i > 0) pen += kerning(codepoints[i - 1], codepoints[i]);
    pen += glyph(codepoints[i]).advance;
  }
  return pen;
}

}  // namespace platform
