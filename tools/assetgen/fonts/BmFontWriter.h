// Binary bitmap-font files, version 3, laid out block by block as the game's font loader
// reads them: "BMF" 3, then info (1), common (2), pages (3), chars (4) and kerning (5) blocks,
// each a type byte, a 32-bit little-endian content size and the content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct BmInfo {
  uint16_t fontSize = 0;  // also the game's line step
  bool bold = false;
  bool italic = false;
  bool unicode = false;
  bool smooth = true;
  uint8_t charSet = 0;
  uint16_t stretchH = 100;
  uint8_t aa = 1;
  uint8_t paddingUp = 0;
  uint8_t paddingRight = 0;
  uint8_t spacingHoriz = 0;  // added between letters by the game
  uint8_t spacingVert = 0;   // added between lines by the game
  uint8_t outline = 0;
  std::string name;
};

struct BmCommon {
  uint16_t lineHeight = 0;
  uint16_t base = 0;
  uint16_t scaleW = 0;
  uint16_t scaleH = 0;
  bool packed = false;
  uint8_t alphaChannel = 0;
  uint8_t redChannel = 4;
  uint8_t greenChannel = 4;
  uint8_t blueChannel = 4;
};

struct BmChar {
  uint32_t id = 0;
  uint16_t x = 0, y = 0, width = 0, height = 0;
  int16_t xOffset = 0, yOffset = 0, xAdvance = 0;
  uint8_t page = 0;
  uint8_t channel = 15;
};

struct BmKerning {
  uint32_t first = 0;
  uint32_t second = 0;
  int16_t amount = 0;  // the game keeps only the low byte: stay within -128..127
};

struct BmFont {
  BmInfo info;
  BmCommon common;  // `pages` is written from `pages.size()`
  std::vector<std::string> pages;
  std::vector<BmChar> chars;
  std::vector<BmKerning> kerning;
};

class BmFontWriter {
 public:
  static std::vector<uint8_t> serialise(const BmFont& font);

  // The layout's version and sizes; the game's reader (src/gui/TBMFontReader.cpp) expects them.
  static constexpr uint8_t kVersion = 3;
  static constexpr uint32_t kInfoFixedSize = 12;  // before the face name
  static constexpr uint32_t kCommonSize = 15;
  static constexpr uint32_t kCharSize = 20;
  static constexpr uint32_t kKerningSize = 10;
};

}  // namespace assetgen
