#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <tuple>

#include "fonts/BmFontWriter.h"
#include "gui/FntBuilder.h"
#include "gui/TBMFont.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

// The flags the font gives its pages.
constexpr platform::ImageFlags kPageFlags =
    platform::ImageFlags::Masked | platform::ImageFlags::Filtered;

// Glyph metrics of the test font. Advances are chosen so that widths tell the rules apart:
// B has an odd advance, the spacing between letters is 1, A-V kern by -2.
constexpr int kSpacing = 1, kLineGap = 2, kFontSize = 20;
constexpr int kAdvA = 10, kAdvB = 7, kAdvV = 9, kAdvDot = 3, kAdvL = 6;
constexpr int kKernAV = -2;

FntBuilder testFont() {
  FntBuilder b;
  b.fontSize = kFontSize;
  b.flags = 0xA0;  // bold and unicode
  // AA, padding up, padding right, horizontal spacing, vertical spacing, outline.
  b.infoBytes = {1, 0, 0, kSpacing, kLineGap, 0};
  b.glyphs = {{'A', 0, 0, 8, 10, 1, 2, kAdvA},
              {'B', 8, 0, 7, 10, 0, 2, kAdvB},
              {'V', 16, 0, 8, 10, 0, 2, kAdvV},
              {'.', 24, 0, 3, 3, 0, 0, kAdvDot},
              {0x142, 28, 0, 5, 10, 0, 2, kAdvL}};
  b.kernings = {{'A', 'V', kKernAV & 0xFFFF}};
  return b;
}

void load(TBMFont& font, const FntBuilder& b) {
  std::vector<uint8_t> bytes = b.bytes();
  font.LoadFromBytes(bytes.data(), bytes.size(), "", false);
}

// A page with every glyph cell filled white, so drawn glyphs show up as white boxes.
platform::Image whitePage(int w, int h) {
  platform::Pixmap pix = platform::CreatePixmap(w, h);
  platform::ClearPixels(pix, 0xFFFFFFFFu);
  return platform::LoadImageFromPixmap(pix, kPageFlags);
}

struct RecordingFont : TBMFont {
  std::vector<std::tuple<int, float, float>> calls;
  void OnCallBack(int code, float x, float y) override { calls.emplace_back(code, x, y); }
};

class BMFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    platform::SetScale(1, 1);
    load(font, testFont());
    font.CallBackChars = "ABV.Z";
  }
  std::vector<std::tuple<int, float, float>> draw(const std::string& text, float x, float y) {
    font.calls.clear();
    font.DrawText(text, x, y);
    return font.calls;
  }
  RecordingFont font;
};

TEST_F(BMFontTest, ReadsBothVersionsWithTheirOwnRecordSizes) {
  for (int version : {2, 3}) {
    SCOPED_TRACE(version);
    FntBuilder b = testFont();
    b.version = version;
    b.pages = {"a.png", "b.png"};
    TBMFont f;
    load(f, b);
    EXPECT_EQ(f.BMFVersion, version);
    EXPECT_EQ(f.FontSize, kFontSize);
    EXPECT_EQ(std::make_tuple(f.Bold, f.Italic, f.Unicode, f.Smooth), std::make_tuple(1, 0, 1, 0));
    EXPECT_EQ(std::make_tuple(f.AA, f.SpacingHoriz, f.SpacingVert), std::make_tuple(1, 1, 2));
    EXPECT_EQ(std::make_tuple(f.LineHeight, f.Base, f.ScaleW, f.ScaleH, f.Pages),
              std::make_tuple(b.lineHeight, b.base, b.scaleW, b.scaleH, 2));
    EXPECT_EQ(f.PageNames, b.pages);
    ASSERT_EQ(f.Id.size(), b.glyphs.size());
    for (size_t i = 0; i < b.glyphs.size(); ++i) {
      const FntGlyph& g = b.glyphs[i];
      EXPECT_EQ(f.Id[i], static_cast<int>(g.id));
      EXPECT_EQ(std::make_tuple(f.X[i], f.Y[i], f.Width[i], f.Height[i]),
                std::make_tuple(g.x, g.y, g.w, g.h));
      EXPECT_EQ(TBMFont::SignedShort(f.XAdvance[i]), g.xadvance);
      EXPECT_EQ(f.FindChar(static_cast<int>(g.id)), static_cast<int>(i));
    }
    EXPECT_EQ(f.Kerning, 1);
    EXPECT_EQ(f.HSpacing, 0);
    EXPECT_EQ(f.Align, -1);
  }
}

TEST_F(BMFontTest, PackedFontAddressesOneImagePerChannel) {
  FntBuilder b = testFont();
  b.packed = 1;
  b.glyphs = {{'A', 0, 0, 8, 10, 0, 0, 10, 0, 1},
              {'B', 0, 0, 8, 10, 0, 0, 10, 0, 2},
              {'C', 0, 0, 8, 10, 0, 0, 10, 1, 4},
              {'D', 0, 0, 8, 10, 0, 0, 10, 1, 8}};
  TBMFont f;
  load(f, b);
  EXPECT_EQ(f.Page, (std::vector<int>{0, 1, 6, 7}));
}

TEST_F(BMFontTest, WrongStartGivesAnEmptyFont) {
  std::vector<uint8_t> good = testFont().bytes();
  std::vector<uint8_t> badMagic = good, badVersion = good;
  badMagic[1] = 'X';
  badVersion[3] = 4;
  for (const auto& bytes : {badMagic, badVersion, std::vector<uint8_t>{'B', 'M'}}) {
    TBMFont f;
    f.LoadFromBytes(bytes.data(), bytes.size(), "", false);
    EXPECT_EQ(f.BMFVersion, 0);
    EXPECT_TRUE(f.Id.empty());
    EXPECT_EQ(f.FindChar('A'), -1);
    EXPECT_EQ(f.TextWidth("AB"), 0);
    f.DrawText("AB", 10, 10);  // draws nothing, must not fail
  }
}

TEST_F(BMFontTest, TruncatedFilesLoadWhatTheyHold) {
  std::vector<uint8_t> good = testFont().bytes();
  size_t glyphs = 0;
  for (size_t n = 0; n <= good.size(); ++n) {
    std::vector<uint8_t> part(good.begin(), good.begin() + static_cast<long>(n));
    TBMFont f;
    f.LoadFromBytes(part.data(), part.size(), "", false);
    // Glyphs appear one whole record at a time and never disappear as the file grows.
    EXPECT_GE(f.Id.size(), glyphs);
    glyphs = f.Id.size();
    f.TextWidth("AVB.\xc5\x82");
  }
  EXPECT_EQ(glyphs, testFont().glyphs.size());
}

TEST_F(BMFontTest, HostileBlocksAreReadSafely) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    size_t glyphs;
    std::vector<std::string> pages;
  };
  FntBuilder b = testFont();
  std::vector<uint8_t> pagesOnly = {'B', 'M', 'F', 3, 3, 0, 0, 0, 0};
  // A pages block whose size runs past the end and whose last name has no zero.
  FntBuilder::u8(pagesOnly, 'x');
  FntBuilder::u8(pagesOnly, 0);
  FntBuilder::u8(pagesOnly, 'y');
  pagesOnly[5] = 0xFF;
  std::vector<uint8_t> v2Tiny = {'B', 'M', 'F', 2, 4, 1, 0, 0, 0, 0};  // size below 4
  std::vector<uint8_t> hugeChars = {'B', 'M', 'F', 3, 4, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int v :
       std::initializer_list<int>{'A', 0, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 0, 0})
    FntBuilder::u8(hugeChars, v);
  FntBuilder::u8(hugeChars, 1);  // a partial second record
  FntBuilder missingKernFirst = b;
  missingKernFirst.kernings = {{'Q', 'A', 5}, {0x2000, 'A', 5}};
  std::vector<Case> cases = {
      {"pages", pagesOnly, 0, {"x", "y"}},
      {"v2 size below 4", v2Tiny, 0, {}},
      {"chars past the end", hugeChars, 1, {}},
      {"kerning without first glyph", missingKernFirst.bytes(), b.glyphs.size(), b.pages},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBMFont f;
    f.LoadFromBytes(c.bytes.data(), c.bytes.size(), "", false);
    EXPECT_EQ(f.Id.size(), c.glyphs);
    EXPECT_EQ(f.PageNames, c.pages);
    EXPECT_EQ(f.Kerning, 0);
  }
}

TEST_F(BMFontTest, TextWidthFollowsTheMeasuringRules) {
  struct Case {
    const char* text;
    int line;
    std::string skip;
    float width;
  };
  const float sp = kSpacing;
  std::vector<Case> cases = {
      {"AB", -1, "", kAdvA + sp + kAdvB},
      {"AV", -1, "", kAdvA + sp + kKernAV + kAdvV},
      // The pair is split by the line break: no kerning on line 1.
      {"A\nV", 1, "", kAdvV},
      {"A\nVV", -1, "", kAdvV + sp + kAdvV},
      // Line 0 is not the end of the text, so its spacing counts.
      {"A\nV", 0, "", kAdvA + sp},
      {"B\nAV", -1, "", kAdvA + sp + kKernAV + kAdvV},
      {"A.B", -1, ".", kAdvA + sp + kAdvB},
      // An unknown code below 256 takes the first glyph; one above takes nothing.
      {"AZ", -1, "", kAdvA + sp + kAdvA},
      {"A\xe2\x82\xac", -1, "", kAdvA + sp},
      {"\xc5\x82", -1, "", kAdvL},
      {"", -1, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    font.SkipChars = c.skip;
    EXPECT_FLOAT_EQ(font.TextWidth(c.text, c.line), c.width);
  }
}

TEST_F(BMFontTest, WidthAndHeightFollowScaleAndSpacing) {
  platform::SetScale(2, 3);
  EXPECT_FLOAT_EQ(font.TextWidth("AB"), 2 * (kAdvA + kSpacing + kAdvB));
  EXPECT_FLOAT_EQ(font.TextHeight("A\nB"), 2 * 3 * (kFontSize + kLineGap));
  // The cached width must not survive a change of spacing.
  font.HSpacing = 4;
  EXPECT_FLOAT_EQ(font.TextWidth("AB"), 2 * (kAdvA + kSpacing + 4 + kAdvB));
  font.VSpacing = 1;
  EXPECT_FLOAT_EQ(font.TextHeight("AB"), 3 * (kFontSize + kLineGap + 1));
}

TEST_F(BMFontTest, DrawTextPlacesEachLineByItsAlignment) {
  struct Case {
    int align;
    const char* text;
    std::vector<std::tuple<int, float, float>> calls;
  };
  const float step = kSpacing + kAdvA;
  const float lineY = 50 + kFontSize + kLineGap;
  std::vector<Case> cases = {
      {-1, "AB", {{'A', 100, 50}, {'B', 100 + step, 50}}},
      {1, "AB", {{'A', 100 - (kAdvA + kSpacing + kAdvB), 50}, {'B', 100 - kAdvB, 50}}},
      // Width 18 is even: half of it; the odd width 7 counts as 8.
      {0, "AB", {{'A', 91, 50}, {'B', 91 + step, 50}}},
      {0, "B", {{'B', 96, 50}}},
      // Line 0 of a longer text keeps the spacing after its last letter: 19, counted as 20.
      {0, "AB\nB", {{'A', 90, 50}, {'B', 90 + step, 50}, {'B', 96, lineY}}},
      // Kerning moves the letter after the pair; after a line break there is none.
      {-1,
       "AVA",
       {{'A', 100, 50}, {'V', 100 + step, 50}, {'A', 100 + step + kKernAV + kSpacing + kAdvV, 50}}},
      {-1, "A\nVB", {{'A', 100, 50}, {'V', 100, lineY}, {'B', 100 + kSpacing + kAdvV, lineY}}},
      // Skipped characters take no room; unknown ones below 256 are the first glyph.
      {-1, "A.B", {{'A', 100, 50}, {'.', 100 + step, 50}, {'B', 100 + step, 50}}},
      {-1, "ZB", {{'Z', 100, 50}, {'B', 100 + step, 50}}},
  };
  font.SkipChars = ".";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    font.Align = c.align;
    EXPECT_EQ(draw(c.text, 100, 50), c.calls);
  }
}

class BMFontPixelTest : public BMFontTest {
 protected:
  void SetUp() override {
    BMFontTest::SetUp();
    platform::SetAlwaysRender(true);
    page = whitePage(64, 64);
    font.BMFImage = font.Image = font.CustomImage = font.ShadowImage = {page};
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    platform::SetBlend(platform::ALPHABLEND);
    platform::SetAlpha(1);
    platform::SetColor(255, 255, 255);
  }
  void TearDown() override { platform::SetAlwaysRender(false); }
  bool lit(int x, int y) { return (platform::ScreenPixel(x, y) & 0xFFFFFF) != 0; }
  platform::Image page;
};

TEST_F(BMFontPixelTest, DrawsGlyphBoxesAndSkipsSkippedCharacters) {
  font.SkipChars = ".";
  font.DrawText("Z.", 200, 200);  // Z: the first glyph, A (8 x 10 at offset 1, 2)
  EXPECT_TRUE(lit(201, 202));
  EXPECT_TRUE(lit(208, 211));
  EXPECT_FALSE(lit(200, 202));
  EXPECT_FALSE(lit(209, 205));
  EXPECT_FALSE(lit(200 + kAdvA + kSpacing, 201));  // where an unskipped dot would be
}

TEST_F(BMFontPixelTest, GlyphsOutsideTheirPageAreCutOrSkipped) {
  FntBuilder b = testFont();
  b.glyphs = {{'H', 60, 0, 30, 10, 0, 0, 30}, {'P', 0, 0, 8, 8, 0, 0, 8, 7}};
  load(font, b);
  font.BMFImage = font.Image = {page};
  font.DrawText("HP", 300, 300);
  EXPECT_TRUE(lit(303, 305));   // the part of H inside the page
  EXPECT_FALSE(lit(305, 305));  // the part beyond the page's right edge
  EXPECT_FALSE(lit(331, 302));  // P names a page that does not exist
  font.ApplyTexture(whitePage(16, 16));
  ASSERT_EQ(font.CustomImage.size(), 1u);
}

TEST_F(BMFontPixelTest, TextureIsCentredOnEachGlyphsAdvanceBox) {
  // Left half of the texture red, right half blue; 255 * 192 / 192 keeps full strength.
  platform::Pixmap tex = platform::CreatePixmap(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) platform::WritePixel(tex, x, y, x < 8 ? 0xFFC00000u : 0xFF0000C0u);
  font.ApplyTexture(platform::LoadImageFromPixmap(tex, kPageFlags));
  ASSERT_EQ(font.Image, font.CustomImage);
  platform::Pixmap out = platform::LockImage(font.CustomImage[0], 0);
  // Glyph A: texture x = 16 / 2 + xoffset 1 + column - advance 10 / 2 = column + 4.
  uint32_t red = 0xFF000000u | (255u * 0xC0 / 192) << 16;
  uint32_t blue = 0xFF000000u | (255u * 0xC0 / 192);
  EXPECT_EQ(platform::ReadPixel(out, 3, 5), red);
  EXPECT_EQ(platform::ReadPixel(out, 4, 5), blue);
  EXPECT_EQ(platform::ReadPixel(out, 40, 40), 0u);  // outside every glyph: transparent
  font.ApplyTexture(nullptr);
  EXPECT_EQ(font.Image, font.BMFImage);
}

TEST_F(BMFontPixelTest, ShadowDarkensBehindTheTextAndRestoresState) {
  font.CreateShadow(2, 128);
  EXPECT_EQ(font.Shadow, 1);
  platform::Pixmap shadow = platform::LockImage(font.ShadowImage[0], 0);
  EXPECT_LT(platform::ReadPixel(shadow, 3, 3) & 0xFF, 255u);  // inside glyph A: darker
  platform::SetColor(10, 20, 30);
  platform::SetBlend(platform::LIGHTBLEND);
  font.DrawText("A", 100, 100);
  int r, g, b;
  platform::GetColor(r, g, b);
  EXPECT_EQ(std::make_tuple(r, g, b, platform::GetBlend()),
            std::make_tuple(10, 20, 30, platform::LIGHTBLEND));
  EXPECT_EQ(font.DrawingShadow, 0);
}

TEST_F(BMFontTest, LoadsPagesFromItsFolderAndDecodesPackedChannels) {
  auto dir = std::filesystem::temp_directory_path() / "glimmerfir_bmfont_test";
  std::filesystem::create_directories(dir);
  platform::Pixmap pix = platform::CreatePixmap(4, 4);
  platform::ClearPixels(pix, 0x40302010u);  // a, r, g, b
  ASSERT_TRUE(platform::SavePixmapPNG(pix, (dir / "packed_0.png").string()));
  FntBuilder b = testFont();
  b.packed = 1;
  b.pages = {"packed_0.png"};
  std::vector<uint8_t> bytes = b.bytes();
  FILE* file = std::fopen((dir / "packed.fnt").c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);

  auto packed = TBMFont::Create(dir.string() + "/", "packed.fnt");
  ASSERT_EQ(packed->BMFImage.size(), 4u);
  std::vector<uint32_t> alphas;
  for (const auto& img : packed->BMFImage) {
    ASSERT_NE(img, nullptr);
    alphas.push_back(platform::ReadPixel(platform::LockImage(img, 0), 1, 1));
  }
  // Blue, green, red and alpha become the alpha of four white images.
  EXPECT_EQ(alphas, (std::vector<uint32_t>{0x10FFFFFFu, 0x20FFFFFFu, 0x30FFFFFFu, 0x40FFFFFFu}));
  EXPECT_EQ(packed->ImageW, (std::vector<int>{4, 4, 4, 4}));
  std::filesystem::remove_all(dir);
}

TEST(BMFontHelpers, PowersOfTwoAndByteClipping) {
  std::vector<std::pair<int, int>> pow2 = {{-5, 1}, {0, 1}, {1, 1}, {3, 4}, {64, 64}, {65, 128}};
  for (auto [n, want] : pow2) EXPECT_EQ(TBMFont::Pow2Size(n), want) << n;
  std::vector<std::pair<int, int>> clip = {{-1, 0}, {0, 0}, {200, 200}, {255, 255}, {338, 255}};
  for (auto [n, want] : clip) EXPECT_EQ(TBMFont::ClipByte(n), want) << n;
  EXPECT_EQ(TBMFont::SignedShort(0xFFFE), -2);
  EXPECT_EQ(TBMFont::SignedByte(0x7F), 127);
}

TEST(BMFontAsset, GeneratorsWriterReadsBackGlyphByGlyph) {
  assetgen::BmFont src;
  src.info.fontSize = 22;
  src.info.spacingHoriz = 2;
  src.info.spacingVert = 3;
  src.common.lineHeight = 27;
  src.common.scaleW = src.common.scaleH = 256;
  src.pages = {"f_0.png", "f_1.png"};
  src.chars = {{'A', 1, 2, 13, 17, -1, 4, 12, 0, 15},
               {0xE9, 20, 0, 11, 19, 0, -2, 10, 1, 15},
               {0x2026, 40, 5, 18, 3, 1, 15, 20, 1, 15}};
  src.kerning = {{'A', 0xE9, -3}, {0xE9, 'A', 2}};
  std::vector<uint8_t> bytes = assetgen::BmFontWriter::serialise(src);
  TBMFont f;
  f.LoadFromBytes(bytes.data(), bytes.size(), "", false);
  EXPECT_EQ(f.BMFVersion, 3);
  EXPECT_EQ(std::make_tuple(f.FontSize, f.SpacingHoriz, f.SpacingVert, f.LineHeight),
            std::make_tuple(22, 2, 3, 27));
  EXPECT_EQ(f.PageNames, src.pages);
  ASSERT_EQ(f.Id.size(), src.chars.size());
  for (size_t i = 0; i < src.chars.size(); ++i) {
    const assetgen::BmChar& c = src.chars[i];
    SCOPED_TRACE(c.id);
    EXPECT_EQ(f.FindChar(static_cast<int>(c.id)), static_cast<int>(i));
    EXPECT_EQ(std::make_tuple(f.X[i], f.Y[i], f.Width[i], f.Height[i], f.Page[i]),
              std::make_tuple(c.x, c.y, c.width, c.height, c.page));
    EXPECT_EQ(
        std::make_tuple(TBMFont::SignedShort(f.XOffset[i]), TBMFont::SignedShort(f.YOffset[i]),
                        TBMFont::SignedShort(f.XAdvance[i])),
        std::make_tuple(c.xOffset, c.yOffset, c.xAdvance));
  }
  platform::InitHeadless();
  platform::SetScale(1, 1);
  // Both pairs, signed: 12 + 2 - 3 + 10 and 10 + 2 + 2 + 12.
  EXPECT_FLOAT_EQ(f.TextWidth("A\xc3\xa9"), 12 + 2 - 3 + 10);
  EXPECT_FLOAT_EQ(f.TextWidth("\xc3\xa9"
                              "A"),
                  10 + 2 + 2 + 12);
}

TEST(BMFontAsset, GeneratedFontsReadBackGlyphByGlyph) {
  const std::string folder = std::string(GLIMMERFIR_ASSET_DIR) + "/gfx/fonts/";
  if (platform::FileType(folder + "whitesmall_22.fnt") != 1)
    GTEST_SKIP() << "the asset generator has not written gfx/fonts/whitesmall_22.fnt";
  platform::InitHeadless();
  platform::SetScale(1, 1);
  for (const char* name : {"whitesmall_22.fnt", "fontex.fnt", "fontex2.fnt", "tutorial.fnt"}) {
    SCOPED_TRACE(name);
    auto font = TBMFont::Create(folder, name);
    EXPECT_EQ(font->BMFVersion, 3);
    ASSERT_FALSE(font->BMFImage.empty());
    std::set<int> ids;
    for (size_t i = 0; i < font->Id.size(); ++i) {
      SCOPED_TRACE(font->Id[i]);
      EXPECT_TRUE(ids.insert(font->Id[i]).second);
      ASSERT_LT(static_cast<size_t>(font->Page[i]), font->BMFImage.size());
      const platform::Image& page = font->BMFImage[font->Page[i]];
      ASSERT_NE(page, nullptr);
      EXPECT_LE(font->X[i] + font->Width[i], platform::ImageWidth(page));
      EXPECT_LE(font->Y[i] + font->Height[i], platform::ImageHeight(page));
      EXPECT_EQ(font->FindChar(font->Id[i]), static_cast<int>(i));
    }
    for (int c = 'A'; c <= 'Z'; ++c) EXPECT_TRUE(ids.count(c)) << static_cast<char>(c);
    EXPECT_GT(font->TextWidth("Glimmerfir"), font->TextWidth("Glim"));
    EXPECT_GT(font->TextHeight("Glimmerfir"), 0);
  }
}

}  // namespace
