// Loading pictures, sheets and masks; pixel-accurate collisions.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using namespace platform;

Image solidImage(int w, int h, uint32_t argb) {
  Pixmap pixmap = CreatePixmap(w, h);
  ClearPixels(pixmap, argb);
  return LoadImageFromPixmap(pixmap, ImageFlags::None);
}

class ImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitHeadless();
    ASSERT_TRUE(Graphics(800, 600, 0, 60, 0));
  }
  testsupport::TempDir dir;
};

TEST_F(ImagesTest, MissingOrBrokenFilesGiveNull) {
  Pixmap pixmap = CreatePixmap(8, 8);
  ClearPixels(pixmap, 0x80112233u);
  ASSERT_TRUE(SavePixmapPNG(pixmap, dir / "good.png"));
  const std::string good = testsupport::ReadFile(dir / "good.png");
  testsupport::WriteFile(dir / "garbage.png", "this is not a picture at all");
  testsupport::WriteFile(dir / "truncated.png", good.substr(0, good.size() / 2));
  testsupport::WriteFile(dir / "truncated.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
  testsupport::WriteFile(dir / "empty.png", "");
  for (const char* name :
       {"missing.png", "garbage.png", "truncated.png", "truncated.jpg", "empty.png"}) {
    EXPECT_FALSE(LoadImage(dir / name)) << name;
    EXPECT_FALSE(LoadAnimImage(dir / name, 2, 2, 0, 1)) << name;
    EXPECT_FALSE(LoadPixmap(dir / name)) << name;
  }
  EXPECT_TRUE(LoadImage(dir / "good.png"));
}

TEST_F(ImagesTest, JpegBackgroundsDecodeAndBrokenOnesGiveNull) {
  const std::string path = std::string(GLIMMERFIR_ASSET_DIR) + "/gfx/backgrounds/back1.jpg";
  Image background = LoadImage(path, ImageFlags::None);
  ASSERT_TRUE(background) << path;
  EXPECT_EQ(ImageWidth(background), 800);
  EXPECT_EQ(ImageHeight(background), 600);
  EXPECT_EQ(ReadPixel(LockImage(background), 400, 300) >> 24, 0xFFu) << "opaque";
  // Damage the frame header: a decoding error must come back as null, not end the program.
  std::string bytes = testsupport::ReadFile(path);
  const size_t frameHeader = bytes.find("\xFF\xC0");
  ASSERT_NE(frameHeader, std::string::npos);
  bytes.replace(frameHeader + 4, 6, std::string(6, '\0'));
  testsupport::WriteFile(dir / "damaged.jpg", bytes);
  EXPECT_FALSE(LoadImage(dir / "damaged.jpg"));
}

TEST_F(ImagesTest, PathsResolveWithoutRegardToLetterCase) {
  ASSERT_TRUE(SavePixmapPNG(CreatePixmap(3, 2), dir / "Tree.png"));
  Image image = LoadImage(dir / "TREE.PNG");
  ASSERT_TRUE(image);
  EXPECT_EQ(ImageWidth(image), 3);
}

TEST_F(ImagesTest, PixelsRoundTripThroughPngWithAndWithoutAlpha) {
  Pixmap pixmap = CreatePixmap(3, 1);
  WritePixel(pixmap, 0, 0, 0xFF102030u);
  WritePixel(pixmap, 1, 0, 0x80FFFFFFu);
  WritePixel(pixmap, 2, 0, 0x00000000u);
  ASSERT_TRUE(SavePixmapPNG(pixmap, dir / "p.png"));
  Pixmap back = LoadPixmap(dir / "p.png");
  ASSERT_TRUE(back);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(ReadPixel(back, x, 0), ReadPixel(pixmap, x, 0)) << x;
  EXPECT_EQ(ReadPixel(back, 3, 0), 0u) << "outside reads as 0";
}

TEST_F(ImagesTest, MaskedImageTurnsPureBlackTransparentOnlyWithoutAnAlphaChannel) {
  // An opaque picture is stored as RGB; black turns transparent, bled from its neighbours.
  Pixmap rgb = CreatePixmap(3, 1);
  WritePixel(rgb, 0, 0, 0xFF000000u);
  WritePixel(rgb, 1, 0, 0xFFC86432u);
  WritePixel(rgb, 2, 0, 0xFF010000u);
  ASSERT_TRUE(SavePixmapPNG(rgb, dir / "rgb.png"));
  Pixmap masked = LockImage(LoadImage(dir / "rgb.png", ImageFlags::Masked));
  EXPECT_EQ(ReadPixel(masked, 0, 0), 0x00C86432u) << "transparent, neighbour's colour";
  EXPECT_EQ(ReadPixel(masked, 1, 0), 0xFFC86432u);
  EXPECT_EQ(ReadPixel(masked, 2, 0), 0xFF010000u) << "almost black stays";
  EXPECT_EQ(ReadPixel(LockImage(LoadImage(dir / "rgb.png", ImageFlags::Default)), 0, 0) >> 24, 0u)
      << "the default masks";
  EXPECT_EQ(ReadPixel(LockImage(LoadImage(dir / "rgb.png", ImageFlags::Filtered)), 0, 0),
            0xFF000000u);

  Pixmap withAlpha = CopyPixmap(rgb);
  WritePixel(withAlpha, 1, 0, 0xFEC86432u);
  ASSERT_TRUE(SavePixmapPNG(withAlpha, dir / "rgba.png"));
  EXPECT_EQ(ReadPixel(LockImage(LoadImage(dir / "rgba.png", ImageFlags::Masked)), 0, 0),
            0xFF000000u)
      << "a picture with alpha keeps its black";
}

TEST_F(ImagesTest, AnimImageCutsCellsLeftToRightThenTopToBottom) {
  Pixmap sheet = CreatePixmap(6, 4);  // 3 x 2 cells of 2 x 2, cell k filled with k + 1
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      WritePixel(sheet, x, y, 0xFF000000u | uint32_t((y / 2) * 3 + x / 2 + 1));
  ASSERT_TRUE(SavePixmapPNG(sheet, dir / "sheet.png"));
  Image anim = LoadAnimImage(dir / "sheet.png", 2, 2, 1, 4, ImageFlags::None);
  ASSERT_TRUE(anim);
  EXPECT_EQ(ImageFrames(anim), 4);
  EXPECT_EQ(ImageWidth(anim), 2);
  for (int frame = 0; frame < 4; ++frame) {
    Pixmap cell = LockImage(anim, frame);
    EXPECT_EQ(ReadPixel(cell, 0, 0), 0xFF000000u | uint32_t(frame + 2)) << frame;
    EXPECT_EQ(ReadPixel(cell, 1, 1), 0xFF000000u | uint32_t(frame + 2)) << frame;
  }
  EXPECT_FALSE(LockImage(anim, 4));
  EXPECT_FALSE(LoadAnimImage(dir / "sheet.png", 2, 2, 3, 4, ImageFlags::None))
      << "more cells than the sheet has";
}

TEST_F(ImagesTest, HandlesCopiesAndCreatedImages) {
  Image image = CreateImage(10, 6, 2);
  ASSERT_TRUE(image);
  EXPECT_EQ(ImageFrames(image), 2);
  EXPECT_EQ(ReadPixel(LockImage(image, 1), 3, 3), 0u) << "created transparent";
  MidHandleImage(image);
  EXPECT_EQ(ImageXHandle(image), 5.0f);
  EXPECT_EQ(ImageYHandle(image), 3.0f);
  Image copy = CopyImage(image);
  WritePixel(LockImage(copy, 0), 0, 0, 0xFFFFFFFFu);
  EXPECT_EQ(ReadPixel(LockImage(image, 0), 0, 0), 0u) << "the copy has its own pixels";
  EXPECT_EQ(ImageXHandle(copy), 5.0f);
  EXPECT_FALSE(CreateImage(0, 5));
}

class CollisionTest : public ImagesTest {
 protected:
  void SetUp() override {
    ImagesTest::SetUp();
    ResetCollisions();
  }
  std::vector<int> dotAt(float x, float y, uint32_t layers = 1) {
    SetTransform(0, 1, 1);
    return CollideImage(dot, x, y, 0, layers, 0, 99);
  }
  Image dot = solidImage(1, 1, 0xFFFFFFFFu);
};

TEST_F(CollisionTest, ADotHitsARotatedScaledImageOnlyWhereItIsDrawn) {
  Image square = solidImage(10, 10, 0xFFFFFFFFu);
  MidHandleImage(square);
  SetTransform(45, 2, 2);  // a diamond reaching 14.1 pixels from its centre
  EXPECT_TRUE(CollideImage(square, 400, 300, 0, 0, 1, 7).empty()) << "nothing written yet";
  EXPECT_EQ(dotAt(412, 300), std::vector<int>{7});
  EXPECT_EQ(dotAt(400, 287), std::vector<int>{7});
  EXPECT_TRUE(dotAt(408, 308).empty()) << "inside the unrotated square, outside the diamond";
  EXPECT_TRUE(dotAt(416, 300).empty());
}

TEST_F(CollisionTest, TransparentPixelsNeitherWriteNorHit) {
  Pixmap ring = CreatePixmap(10, 10);
  for (int y = 3; y < 7; ++y)
    for (int x = 3; x < 7; ++x) WritePixel(ring, x, y, 0xFFFFFFFFu);
  WritePixel(ring, 0, 0, 0x7FFFFFFFu);  // just under one half
  Image centre = LoadImageFromPixmap(ring, ImageFlags::None);
  CollideImage(centre, 100, 100, 0, 0, 1, 3);
  EXPECT_TRUE(dotAt(100, 100).empty()) << "corner just under half alpha";
  EXPECT_TRUE(dotAt(102, 102).empty());
  EXPECT_EQ(dotAt(103, 106), std::vector<int>{3});
  // And the transparent corners of a moving picture do not hit what lies there.
  Image other = solidImage(2, 2, 0xFFFFFFFFu);
  CollideImage(other, 50, 50, 0, 0, 1, 4);
  EXPECT_TRUE(CollideImage(centre, 49, 49, 0, 1, 0, 5).empty());
  EXPECT_EQ(CollideImage(centre, 47, 47, 0, 1, 0, 5), std::vector<int>{4});
}

TEST_F(CollisionTest, IdsComeOnceEachFromTheTestedLayersOnly) {
  Image block = solidImage(4, 4, 0xFFFFFFFFu);
  CollideImage(block, 10, 10, 0, 0, 1, 1);
  CollideImage(block, 12, 10, 0, 0, 2, 2);
  CollideImage(block, 30, 10, 0, 0, 4, 3);
  Image wide = solidImage(40, 4, 0xFFFFFFFFu);
  EXPECT_EQ(CollideImage(wide, 0, 10, 0, 1 | 2 | 4, 8, 9), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(CollideImage(wide, 0, 10, 0, 2, 0, 9), std::vector<int>{2});
  EXPECT_EQ(CollideImage(wide, 0, 10, 0, 8, 8, 10), std::vector<int>{9}) << "tested before writing";
  ResetCollisions(1 | 8);
  EXPECT_EQ(CollideImage(wide, 0, 10, 0, 1 | 2 | 4 | 8, 0, 9), (std::vector<int>{2, 3}));
  ResetCollisions(0);
  EXPECT_TRUE(CollideImage(wide, 0, 10, 0, 0xFFFFFFFFu, 0, 9).empty());
}

}  // namespace
