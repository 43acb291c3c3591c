// The bitmap-font files the generator writes, read back the way the game's font loader reads
// them: block by block, version 3 field sizes, the info block's twelve fixed bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fonts/BmFontWriter.h"

namespace {

struct ReadChar {
  uint32_t id;
  int x, y, w, h, xo, yo, xa, page, channel;
};

struct ReadFont {
  int version = 0;
  int fontSize = 0, bold = 0, italic = 0, unicode = 0, smooth = 0, charSet = 0, stretchH = 0;
  int aa = 0, paddingUp = 0, paddingRight = 0, spacingHoriz = 0, spacingVert = 0, outline = 0;
  int lineHeight = 0, base = 0, scaleW = 0, scaleH = 0, pages = 0, packed = 0;
  int alphaCh = 0, redCh = 0, greenCh = 0, blueCh = 0;
  std::vector<std::string> pageNames;
  std::vector<ReadChar> chars;
  std::map<std::pair<uint32_t, uint32_t>, int> kerning;  // amount as a signed byte
  bool truncated = false;
};

// An independent reader: little-endian, unsigned, offsets signed where the game signs them.
ReadFont parse(const std::vector<uint8_t>& d) {
  ReadFont f;
  size_t p = 0;
  auto u8 = [&]() -> uint32_t { return p < d.size() ? d[p++] : (f.truncated = true, 0); };
  auto u16 = [&]() -> uint32_t { uint32_t lo = u8(); return lo | (u8() << 8); };
  auto u32 = [&]() -> uint32_t { uint32_t lo = u16(); return lo | (u16() << 16); };
  auto s16 = [&]() { return static_cast<int>(static_cast<int16_t>(u16())); };
  if (d.size() < 4 || d[0] != 'B' || d[1] != 'M' || d[2] != 'F') return f;
  p = 3;
  f.version = static_cast<int>(u8());
  while (p < d.size()) {
    uint32_t type = u8();
    if (type == 0) break;
    uint32_t size = u32();
    size_t end = p + size;
    if (end > d.size()) {
      f.truncated = true;
      break;
    }
    if (type == 1) {
      f.fontSize = static_cast<int>(u16());
      uint32_t flags = u8();
      f.bold = (flags >> 7) & 1;
      f.italic = (flags >> 6) & 1;
      f.unicode = (flags >> 5) & 1;
      f.smooth = (flags >> 4) & 1;
      f.charSet = static_cast<int>(u8());
      f.stretchH = static_cast<int>(u16());
      for (int* v : {&f.aa, &f.paddingUp, &f.paddingRight, &f.spacingHoriz, &f.spacingVert,
                     &f.outline})
        *v = static_cast<int>(u8());
    } else if (type == 2) {
      for (int* v : {&f.lineHeight, &f.base, &f.scaleW, &f.scaleH, &f.pages})
        *v = static_cast<int>(u16());
      f.packed = static_cast<int>(u8() & 1);
      for (int* v : {&f.alphaCh, &f.redCh, &f.greenCh, &f.blueCh}) *v = static_cast<int>(u8());
    } else if (type == 3) {
      std::string name;
      while (p < end) {
        char c = static_cast<char>(u8());
        if (c == 0) {
          f.pageNames.push_back(name);
          name.clear();
        } else {
          name += c;
        }
      }
    } else if (type == 4) {
      for (uint32_t i = 0; i < size / 20; ++i) {
        ReadChar c{};
        c.id = u32();
        c.x = static_cast<int>(u16());
        c.y = static_cast<int>(u16());
        c.w = static_cast<int>(u16());
        c.h = static_cast<int>(u16());
        c.xo = s16();
        c.yo = s16();
        c.xa = s16();
        c.page = static_cast<int>(u8());
        c.channel = static_cast<int>(u8());
        f.chars.push_back(c);
      }
    } else if (type == 5) {
      for (uint32_t i = 0; i < size / 10; ++i) {
        uint32_t a = u32(), b = u32();
        f.kerning[{a, b}] = static_cast<int8_t>(u16() & 0xFF);
      }
    }
    if (p != end && type != 1) f.truncated = true;  // only the info block has a skipped tail
    p = end;
  }
  return f;
}

std::vector<uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BmFontWriter, EveryFieldReadsBackWhereTheGameLooksForIt) {
  assetgen::BmFont font;
  font.info = {31, true, false, true, true, 2, 100, 1, 3, 4, 5, 6, 7, "Face Name"};
  font.common = {40, 33, 512, 256, false, 2, 4, 3, 1};
  font.pages = {"a_0.png", "a_1.png"};
  font.chars = {{32, 0, 0, 0, 0, 0, 0, 9, 0, 15},
                {0xE9, 300, 200, 21, 30, -3, -4, 17, 1, 15},
                {70000, 65535, 1, 2, 3, -32768, 32767, -1, 0, 15}};
  font.kerning = {{'A', 'V', -3}, {'T', 0xE9, 2}};

  std::vector<uint8_t> bytes = assetgen::BmFontWriter::serialise(font);
  ReadFont r = parse(bytes);

  EXPECT_FALSE(r.truncated);
  EXPECT_EQ(r.version, 3);
  EXPECT_EQ(std::vector<int>({r.fontSize, r.bold, r.italic, r.unicode, r.smooth, r.charSet,
                              r.stretchH, r.aa, r.paddingUp, r.paddingRight, r.spacingHoriz,
                              r.spacingVert, r.outline}),
            std::vector<int>({31, 1, 0, 1, 1, 2, 100, 1, 3, 4, 5, 6, 7}));
  EXPECT_EQ(std::vector<int>({r.lineHeight, r.base, r.scaleW, r.scaleH, r.pages, r.packed,
                              r.alphaCh, r.redCh, r.greenCh, r.blueCh}),
            std::vector<int>({40, 33, 512, 256, 2, 0, 2, 4, 3, 1}));
  EXPECT_EQ(r.pageNames, font.pages);
  ASSERT_EQ(r.chars.size(), 3u);
  const ReadChar& e = r.chars[1];
  EXPECT_EQ(std::vector<int>({static_cast<int>(e.id), e.x, e.y, e.w, e.h, e.xo, e.yo, e.xa,
                              e.page, e.channel}),
            std::vector<int>({0xE9, 300, 200, 21, 30, -3, -4, 17, 1, 15}));
  const ReadChar& big = r.chars[2];
  EXPECT_EQ(big.id, 70000u);
  EXPECT_EQ(std::vector<int>({big.x, big.xo, big.yo, big.xa}),
            std::vector<int>({65535, -32768, 32767, -1}));
  EXPECT_EQ(r.kerning, (std::map<std::pair<uint32_t, uint32_t>, int>{{{'A', 'V'}, -3},
                                                                     {{'T', 0xE9}, 2}}));
}

TEST(BmFontWriter, FontWithoutKerningHasNoKerningBlock) {
  assetgen::BmFont font;
  font.pages = {"p.png"};
  font.chars = {{32, 0, 0, 0, 0, 0, 0, 5, 0, 15}};
  std::vector<uint8_t> bytes = assetgen::BmFontWriter::serialise(font);
  ReadFont r = parse(bytes);
  EXPECT_FALSE(r.truncated);
  EXPECT_EQ(r.chars.size(), 1u);
  EXPECT_TRUE(r.kerning.empty());
  // Four blocks: header 4 bytes, then each block's 5-byte head and content.
  size_t expected = 4 + (5 + 12 + 2 + 1) + (5 + 15) + (5 + 6) + (5 + 20);
  EXPECT_EQ(bytes.size(), expected);
}

// PNG width and height from the IHDR chunk.
bool pngSize(const std::string& path, int& w, int& h) {
  std::vector<uint8_t> d = fileBytes(path);
  static const uint8_t magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (d.size() < 24 || !std::equal(magic, magic + 8, d.begin())) return false;
  auto be32 = [&](size_t o) { return (d[o] << 24) | (d[o + 1] << 16) | (d[o + 2] << 8) | d[o + 3]; };
  w = be32(16);
  h = be32(20);
  return true;
}

struct GameFont {
  const char* file;
  int fontSize;
};

void PrintTo(const GameFont& font, std::ostream* out) { *out << font.file; }

class GeneratedFont : public ::testing::TestWithParam<GameFont> {};

TEST_P(GeneratedFont, IsCompleteAndConsistentWithItsPages) {
  const std::string dir = std::string(GLIMMERFIR_ASSET_DIR) + "/gfx/fonts/";
  std::vector<uint8_t> bytes = fileBytes(dir + GetParam().file);
  ASSERT_FALSE(bytes.empty()) << GetParam().file;
  ReadFont f = parse(bytes);
  ASSERT_FALSE(f.truncated);
  EXPECT_EQ(f.version, 3);
  EXPECT_EQ(f.fontSize, GetParam().fontSize);
  EXPECT_EQ(f.packed, 0);
  ASSERT_EQ(static_cast<int>(f.pageNames.size()), f.pages);

  std::vector<std::pair<int, int>> pageSizes;
  for (const auto& name : f.pageNames) {
    int w = 0, h = 0;
    ASSERT_TRUE(pngSize(dir + name, w, h)) << name;
    EXPECT_EQ(w, f.scaleW);
    EXPECT_EQ(h, f.scaleH);
    pageSizes.emplace_back(w, h);
  }

  // The first glyph stands in for missing characters, so it must be the blank space.
  ASSERT_FALSE(f.chars.empty());
  EXPECT_EQ(f.chars[0].id, 32u);
  std::map<uint32_t, ReadChar> byId;
  for (const auto& c : f.chars) {
    byId[c.id] = c;
    ASSERT_LT(c.page, f.pages);
    EXPECT_LE(c.x + c.w, pageSizes[c.page].first) << c.id;
    EXPECT_LE(c.y + c.h, pageSizes[c.page].second) << c.id;
    EXPECT_GT(c.xa, 0) << c.id;
  }
  for (uint32_t code : std::u32string(U"0123456789+-:/AZaz\u00e9\u00df\u00fc")) {
    ASSERT_TRUE(byId.count(code)) << code;
    EXPECT_GT(byId[code].w, 0);
    EXPECT_GT(byId[code].h, 0);
  }
  // Kerning comes from the face and only names glyphs the font has.
  EXPECT_FALSE(f.kerning.empty());
  for (const auto& [pair, amount] : f.kerning) {
    EXPECT_TRUE(byId.count(pair.first) && byId.count(pair.second));
    EXPECT_NE(amount, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(GameFonts, GeneratedFont,
                         ::testing::Values(GameFont{"whitesmall_22.fnt", 22},
                                           GameFont{"fontex.fnt", 28},
                                           GameFont{"fontex2.fnt", 36},
                                           GameFont{"tutorial.fnt", 16}),
                         [](const auto& info) {
                           std::string n = info.param.file;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
