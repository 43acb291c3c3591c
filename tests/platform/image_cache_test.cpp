// The picture cache behind LoadImage and LoadAnimImage: a file is decoded once per flags and
// its pixels shared, yet every image keeps its own handle and frame layout and never sees
// another user's writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Backend.h"
#include "platform/ImageData.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using namespace platform;

int decodes() { return Backend::get().images.decodeCount(); }

class ImageCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitHeadless();
    ASSERT_TRUE(Graphics(800, 600, 0, 60, 0));
    // A 4 x 2 sheet of eight cells of 1 x 1: pure black at (0, 0), cell n elsewhere has
    // red = n, so the masked and unmasked loads differ.
    Pixmap sheet = CreatePixmap(4, 2);
    for (int n = 1; n < 8; ++n) WritePixel(sheet, n % 4, n / 4, 0xFF000000u | uint32_t(n) << 16);
    WritePixel(sheet, 0, 0, 0xFF000000u);
    ASSERT_TRUE(SavePixmapPNG(sheet, sheetPath));
  }

  testsupport::TempDir dir;
  const std::string sheetPath = dir / "sheet.png";
};

TEST_F(ImageCacheTest, SamePathAndFlagsDecodeOnceAndShareThePixels) {
  const Image first = LoadImage(sheetPath, ImageFlags::None);
  ASSERT_TRUE(first);
  // The file is gone: the pictures that follow can only come from the first decode.
  std::filesystem::remove(sheetPath);
  const Image second = LoadImage(sheetPath, ImageFlags::None);
  const Image strip = LoadAnimImage(sheetPath, 1, 1, 0, 8, ImageFlags::None);
  const Image sameStrip = LoadAnimImage(sheetPath, 1, 1, 0, 8, ImageFlags::None);
  ASSERT_TRUE(second);
  ASSERT_TRUE(strip);
  EXPECT_EQ(decodes(), 1);
  EXPECT_NE(first, second) << "each load gives its own image";
  EXPECT_EQ(first->picture, second->picture) << "over the same pixels";
  EXPECT_EQ(strip->picture, sameStrip->picture) << "one set of cells per layout";
  EXPECT_EQ(ImageFrames(strip), 8);
  EXPECT_EQ(ReadPixel(LockImage(strip, 6), 0, 0), 0xFF060000u) << "cut from the decoded sheet";
  // The same file named from another working directory is still the same file.
  const std::string previous = CurrentDir();
  ASSERT_TRUE(ChangeDir(dir.path()));
  const Image relative = LoadImage("sheet.png", ImageFlags::None);
  ASSERT_TRUE(ChangeDir(previous));
  ASSERT_TRUE(relative);
  EXPECT_EQ(relative->picture, first->picture);
}

TEST_F(ImageCacheTest, FlagsAndCellLayoutsGiveImagesOfTheirOwn) {
  const Image plain = LoadImage(sheetPath, ImageFlags::None);
  const Image masked = LoadImage(sheetPath, ImageFlags::Masked);
  const Image cells = LoadAnimImage(sheetPath, 1, 1, 0, 8, ImageFlags::None);
  const Image rows = LoadAnimImage(sheetPath, 4, 1, 0, 2, ImageFlags::None);
  const Image whole = LoadAnimImage(sheetPath, 4, 2, 0, 1, ImageFlags::None);
  EXPECT_EQ(decodes(), 2) << "one decode per set of flags, none per layout";
  EXPECT_NE(plain->picture, masked->picture);
  EXPECT_EQ(ReadPixel(LockImage(plain), 0, 0), 0xFF000000u);
  EXPECT_EQ(ReadPixel(LockImage(masked), 0, 0) >> 24, 0u) << "black masked out";
  struct Shape {
    const char* name;
    Image image;
    int width, height, frames;
    uint32_t lastFrameCorner;
  };
  for (const Shape& s : {Shape{"LoadImage", plain, 4, 2, 1, 0xFF000000u},
                         Shape{"1 x 1 cells", cells, 1, 1, 8, 0xFF070000u},
                         Shape{"rows", rows, 4, 1, 2, 0xFF040000u},
                         Shape{"one cell, the whole sheet", whole, 4, 2, 1, 0xFF000000u}}) {
    SCOPED_TRACE(s.name);
    ASSERT_TRUE(s.image);
    EXPECT_EQ(ImageWidth(s.image), s.width);
    EXPECT_EQ(ImageHeight(s.image), s.height);
    ASSERT_EQ(ImageFrames(s.image), s.frames);
    EXPECT_EQ(ReadPixel(LockImage(s.image, s.frames - 1), 0, 0), s.lastFrameCorner);
  }
}

TEST_F(ImageCacheTest, HandlesAndWrittenPixelsStayWithTheirImage) {
  const Image a = LoadImage(sheetPath, ImageFlags::None);
  const Image b = LoadImage(sheetPath, ImageFlags::None);
  const Image strip = LoadAnimImage(sheetPath, 2, 2, 0, 2, ImageFlags::None);
  MidHandleImage(a);
  SetImageHandle(strip, 1, 1);
  EXPECT_EQ(ImageXHandle(a), 2.0f);
  EXPECT_EQ(ImageXHandle(b), 0.0f);
  EXPECT_EQ(ImageYHandle(b), 0.0f);
  EXPECT_EQ(ImageXHandle(LoadImage(sheetPath, ImageFlags::None)), 0.0f) << "a later load";

  WritePixel(LockImage(a), 1, 0, 0xFFFFFFFFu);
  UnlockImage(a);
  EXPECT_EQ(ReadPixel(LockImage(a), 1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(ReadPixel(LockImage(b), 1, 0), 0xFF010000u) << "another user";
  EXPECT_EQ(ReadPixel(LockImage(LoadImage(sheetPath, ImageFlags::None)), 1, 0), 0xFF010000u)
      << "the cache itself";
  EXPECT_EQ(ReadPixel(LockImage(strip, 0), 1, 0), 0xFF010000u) << "a sheet cut from it";
  EXPECT_EQ(decodes(), 1);

  // On screen too: both users drawn side by side show their own pixels and handles.
  SetAlwaysRender(true);
  SetBlend(SOLIDBLEND);
  Cls();
  DrawImage(a, 102, 101);
  DrawImage(b, 200, 100);
  EXPECT_EQ(ScreenPixel(101, 100), 0xFFFFFFFFu);
  EXPECT_EQ(ScreenPixel(201, 100), 0xFF010000u);
}

TEST_F(ImageCacheTest, AMissingFileGivesNullAndIsNotReadAgain) {
  const std::string missing = dir / "later.png";
  testing::internal::CaptureStdout();
  EXPECT_FALSE(LoadImage(missing));
  EXPECT_FALSE(LoadAnimImage(missing, 1, 1, 0, 1));
  const std::string log = testing::internal::GetCapturedStdout();
  const std::string line = "Cannot load picture " + missing + ": file not found\n";
  EXPECT_EQ(log, line + line) << "every ask is logged as before";
  // The failure is remembered: a file appearing later is not picked up by this run.
  std::filesystem::copy_file(sheetPath, missing);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(LoadImage(missing));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(decodes(), 1);
}

TEST_F(ImageCacheTest, SharedPicturesSurviveANewRenderer) {
  const Image a = LoadImage(sheetPath, ImageFlags::None);
  SetAlwaysRender(true);
  SetBlend(SOLIDBLEND);
  DrawImage(a, 10, 10);
  ASSERT_EQ(ScreenPixel(11, 10), 0xFF010000u);
  EndGraphics();
  ASSERT_TRUE(Graphics(800, 600, 0, 60, 0));
  SetAlwaysRender(true);
  const Image b = LoadImage(sheetPath, ImageFlags::None);
  Cls();
  DrawImage(b, 20, 20);
  DrawImage(a, 30, 20);
  EXPECT_EQ(ScreenPixel(21, 20), 0xFF010000u) << "its texture was made again";
  EXPECT_EQ(ScreenPixel(31, 20), 0xFF010000u);
  // Starting over forgets the cache; pictures already held stay drawable.
  InitHeadless();
  EXPECT_EQ(decodes(), 0);
  SetAlwaysRender(true);
  SetBlend(SOLIDBLEND);
  DrawImage(a, 40, 20);
  EXPECT_EQ(ScreenPixel(41, 20), 0xFF010000u);
}

}  // namespace

namespace {

// Draws the image so that its texture is made, and the screen under it can be read.
uint32_t drawnAt(const Image& image, int frame) {
  SetAlwaysRender(true);
  SetBlend(SOLIDBLEND);
  DrawImage(image, 100, 100, frame);
  return ScreenPixel(100, 100) & 0x00FFFFFFu;
}

}  // namespace

// Pictures of a file keep no CPU copy once drawn, yet everything that reads their pixels
// still sees them; pictures made in memory, and locked ones, keep theirs.
TEST_F(ImageCacheTest, DrawnFilePicturesGiveUpTheirPixelsAndReadThemBackWhenAsked) {
  const Image strip = LoadAnimImage(sheetPath, 1, 1, 0, 8, ImageFlags::None);
  ASSERT_TRUE(strip);
  EXPECT_EQ(drawnAt(strip, 5), 0x050000u);
  EXPECT_FALSE(strip->picture->frames[5]) << "given up after the texture was made";
  EXPECT_TRUE(ImageCoversPixel(strip, 0, 0, 0, 0, 5)) << "read back for a collision test";
  const Image copy = CopyImage(strip);
  EXPECT_EQ(ReadPixel(LockImage(copy, 6), 0, 0), 0xFF060000u) << "read back for a copy";
  EXPECT_EQ(drawnAt(strip, 6), 0x060000u);

  // Written pixels are the only copy: a locked picture keeps them through every draw.
  const Image own = LoadImage(sheetPath, ImageFlags::None);
  drawnAt(own, 0);
  WritePixel(LockImage(own, 0), 0, 0, 0xFF123456u);
  UnlockImage(own, 0);
  EXPECT_EQ(drawnAt(own, 0), 0x123456u);
  EXPECT_EQ(ReadPixel(LockImage(own, 0), 0, 0), 0xFF123456u);

  const Image made = CreateImage(1, 1, 1, ImageFlags::None);
  WritePixel(LockImage(made, 0), 0, 0, 0xFF00FF00u);
  UnlockImage(made, 0);
  EXPECT_EQ(drawnAt(made, 0), 0x00FF00u);
  EXPECT_TRUE(made->picture->frames[0]) << "nothing to read it back from";
}
