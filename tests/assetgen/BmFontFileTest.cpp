// The bitmap-font files the generator writes, read back by the game's own font reader: every
// field must land where the game looks for it, in whole blocks and records.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fonts/BmFontWriter.h"
#include "gui/TBMFont.h"

namespace {

// The game's reading of a font file's bytes; `whole` is false when a block or record was cut.
struct ReadBack {
  TBMFont font;
  bool whole;
  explicit ReadBack(const std::vector<uint8_t>& bytes)
      : whole(font.ParseBytes(bytes.data(), bytes.size())) {}
};

// One glyph as the game uses it: id, place on its page, signed offsets and advance, page, channel.
std::vector<int> glyphFields(const TBMFont& f, size_t g) {
  return {f.Id[g],
          f.X[g],
          f.Y[g],
          f.Width[g],
          f.Height[g],
          TBMFont::SignedShort(f.XOffset[g]),
          TBMFont::SignedShort(f.YOffset[g]),
          TBMFont::SignedShort(f.XAdvance[g]),
          f.Page[g],
          f.Channel[g]};
}

// Every kerning pair the game keeps, by character codes, with the amount it applies.
std::map<std::pair<int, int>, int> kerningPairs(const TBMFont& f) {
  std::map<std::pair<int, int>, int> pairs;
  for (size_t g = 0; g < f.Id.size(); ++g)
    for (char32_t second : f.KerningChars[g]) {
      int code = static_cast<int>(second);
      pairs[{f.Id[g], code}] = f.KerningAmount(static_cast<int>(g), code);
    }
  return pairs;
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
                {'A', 10, 0, 20, 28, 1, 2, 21, 0, 15},
                {'T', 40, 0, 18, 28, 0, 2, 19, 1, 15},
                {0xE9, 300, 200, 21, 30, -3, -4, 17, 1, 15},
                {70000, 65535, 1, 2, 3, -32768, 32767, -1, 0, 15}};
  font.kerning = {{'A', 'V', -3}, {'T', 0xE9, 2}};

  ReadBack r(assetgen::BmFontWriter::serialise(font));
  const TBMFont& f = r.font;

  EXPECT_TRUE(r.whole);
  EXPECT_EQ(f.BMFVersion, 3);
  EXPECT_EQ(std::vector<int>({f.FontSize, f.Bold, f.Italic, f.Unicode, f.Smooth, f.CharSet,
                              f.StretchH, f.AA, f.PaddingUp, f.PaddingRight, f.SpacingHoriz,
                              f.SpacingVert, f.Outline}),
            std::vector<int>({31, 1, 0, 1, 1, 2, 100, 1, 3, 4, 5, 6, 7}));
  EXPECT_EQ(std::vector<int>({f.LineHeight, f.Base, f.ScaleW, f.ScaleH, f.Pages, f.Packed,
                              f.AlphaChannel, f.RedChannel, f.GreenChannel, f.BlueChannel}),
            std::vector<int>({40, 33, 512, 256, 2, 0, 2, 4, 3, 1}));
  EXPECT_EQ(f.PageNames, font.pages);
  ASSERT_EQ(f.Id.size(), 5u);
  EXPECT_EQ(glyphFields(f, 3), std::vector<int>({0xE9, 300, 200, 21, 30, -3, -4, 17, 1, 15}));
  EXPECT_EQ(glyphFields(f, 4), std::vector<int>({70000, 65535, 1, 2, 3, -32768, 32767, -1, 0, 15}));
  EXPECT_EQ(f.FindChar(70000), 4);
  EXPECT_EQ(kerningPairs(f),
            (std::map<std::pair<int, int>, int>{{{'A', 'V'}, -3}, {{'T', 0xE9}, 2}}));
}

TEST(BmFontWriter, FontWithoutKerningHasNoKerningBlock) {
  assetgen::BmFont font;
  font.pages = {"p.png"};
  font.chars = {{32, 0, 0, 0, 0, 0, 0, 5, 0, 15}};
  std::vector<uint8_t> bytes = assetgen::BmFontWriter::serialise(font);
  ReadBack r(bytes);
  EXPECT_TRUE(r.whole);
  EXPECT_EQ(r.font.Id.size(), 1u);
  EXPECT_EQ(r.font.Kerning, 0);
  // Four blocks: header 4 bytes, then each block's 5-byte head and content.
  size_t expected = 4 + (5 + 12 + 2 + 1) + (5 + 15) + (5 + 6) + (5 + 20);
  EXPECT_EQ(bytes.size(), expected);
}

// What lets the tests above tell a faulty writer: the game's reader notices damaged bytes.
TEST(BmFontWriter, DamagedBytesDoNotReadAsAWholeFont) {
  assetgen::BmFont font;
  font.pages = {"p.png"};
  font.chars = {{32, 0, 0, 0, 0, 0, 0, 5, 0, 15}, {'A', 5, 0, 9, 9, 0, 0, 10, 0, 15}};
  font.kerning = {{'A', 'A', -1}};
  const std::vector<uint8_t> good = assetgen::BmFontWriter::serialise(font);
  ASSERT_TRUE(ReadBack(good).whole);

  const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> damages = {
      {"last byte missing", [](auto& b) { b.pop_back(); }},
      {"last block cut inside its size", [](auto& b) { b.resize(b.size() - 12); }},
      {"stray byte after the last block", [](auto& b) { b.push_back(4); }},
      {"unknown version", [](auto& b) { b[3] = 4; }}};
  for (const auto& [what, damage] : damages) {
    std::vector<uint8_t> bytes = good;
    damage(bytes);
    EXPECT_FALSE(ReadBack(bytes).whole) << what;
  }
}

// PNG width and height from the IHDR chunk.
bool pngSize(const std::string& path, int& w, int& h) {
  std::vector<uint8_t> d = fileBytes(path);
  static const uint8_t magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (d.size() < 24 || !std::equal(magic, magic + 8, d.begin())) return false;
  auto be32 = [&](size_t o) {
    return (d[o] << 24) | (d[o + 1] << 16) | (d[o + 2] << 8) | d[o + 3];
  };
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
  ReadBack r(bytes);
  const TBMFont& f = r.font;
  ASSERT_TRUE(r.whole);
  EXPECT_EQ(f.BMFVersion, 3);
  EXPECT_EQ(f.FontSize, GetParam().fontSize);
  EXPECT_EQ(f.Packed, 0);
  ASSERT_EQ(static_cast<int>(f.PageNames.size()), f.Pages);

  std::vector<std::pair<int, int>> pageSizes;
  for (const auto& name : f.PageNames) {
    int w = 0, h = 0;
    ASSERT_TRUE(pngSize(dir + name, w, h)) << name;
    EXPECT_EQ(w, f.ScaleW);
    EXPECT_EQ(h, f.ScaleH);
    pageSizes.emplace_back(w, h);
  }

  // The first glyph stands in for missing characters, so it must be the blank space.
  ASSERT_FALSE(f.Id.empty());
  EXPECT_EQ(f.Id[0], 32);
  for (size_t g = 0; g < f.Id.size(); ++g) {
    ASSERT_LT(f.Page[g], f.Pages);
    EXPECT_LE(f.X[g] + f.Width[g], pageSizes[f.Page[g]].first) << f.Id[g];
    EXPECT_LE(f.Y[g] + f.Height[g], pageSizes[f.Page[g]].second) << f.Id[g];
    EXPECT_GT(TBMFont::SignedShort(f.XAdvance[g]), 0) << f.Id[g];
  }
  // The glyph that really holds a code, not the stand-in.
  auto has = [&](int code) {
    int g = f.FindChar(code);
    return g >= 0 && f.Id[g] == code;
  };
  for (char32_t code : std::u32string(U"0123456789+-:/AZaz\u00e9\u00df\u00fc")) {
    int c = static_cast<int>(code);
    ASSERT_TRUE(has(c)) << c;
    EXPECT_GT(f.Width[f.FindChar(c)], 0);
    EXPECT_GT(f.Height[f.FindChar(c)], 0);
  }
  // Kerning comes from the face and only names glyphs the font has (the reader keeps a pair
  // only under a glyph of the font, so the first character is known).
  std::map<std::pair<int, int>, int> kerning = kerningPairs(f);
  EXPECT_FALSE(kerning.empty());
  for (const auto& [pair, amount] : kerning) {
    EXPECT_TRUE(has(pair.second)) << pair.first << " " << pair.second;
    EXPECT_NE(amount, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(GameFonts, GeneratedFont,
                         ::testing::Values(GameFont{"whitesmall_22.fnt", 22},
                                           GameFont{"fontex.fnt", 28}, GameFont{"fontex2.fnt", 36},
                                           GameFont{"tutorial.fnt", 16}),
                         [](const auto& instance) {
                           std::string n = instance.param.file;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
