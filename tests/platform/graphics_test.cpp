// Drawing through the headless back end, checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using namespace platform;

struct Rgb {
  int r, g, b;
};

Rgb rgbAt(int x, int y) {
  const uint32_t p = ScreenPixel(x, y);
  return Rgb{int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)};
}

void expectNear(Rgb actual, Rgb expected, const std::string& where) {
  EXPECT_NEAR(actual.r, expected.r, 2) << where;
  EXPECT_NEAR(actual.g, expected.g, 2) << where;
  EXPECT_NEAR(actual.b, expected.b, 2) << where;
}

// An image filled with one ARGB value.
Image solidImage(int w, int h, uint32_t argb, ImageFlags flags = ImageFlags::None) {
  Pixmap pixmap = CreatePixmap(w, h);
  ClearPixels(pixmap, argb);
  return LoadImageFromPixmap(pixmap, flags);
}

class GraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitHeadless();
    ASSERT_TRUE(Graphics(800, 600, 0, 60, 0));
    SetAlwaysRender(true);
    SetClsColor(128, 128, 128);
    Cls();
  }
};

TEST_F(GraphicsTest, InitialStateIsWhiteOpaqueAlphaBlendUnrotatedUnscaled) {
  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  float sx = 0, sy = 0;
  GetScale(sx, sy);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 255);
  EXPECT_EQ(b, 255);
  EXPECT_EQ(GetAlpha(), 1.0f);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
  EXPECT_EQ(GetRotation(), 0.0f);
  EXPECT_EQ(sx, 1.0f);
  EXPECT_EQ(sy, 1.0f);
  EXPECT_EQ(GraphicsWidth(), 800);
  EXPECT_EQ(GraphicsHeight(), 600);
}

TEST_F(GraphicsTest, EachBlendModeCombinesWithTheBackgroundAsDefined) {
  // Left half of the picture is mostly opaque, right half mostly transparent.
  Pixmap halves = CreatePixmap(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) WritePixel(halves, x, y, x < 2 ? 0xC0FF0000u : 0x40FF0000u);
  const Image red = solidImage(4, 4, 0xFFFF0000u);
  const Image halfRed = LoadImageFromPixmap(halves, ImageFlags::None);

  struct Case {
    const char* name;
    int blend;
    float alpha;
    const Image* image;
    Rgb left, right;
  };
  const Case cases[] = {
      {"alpha 0.5", ALPHABLEND, 0.5f, &red, {191, 64, 64}, {191, 64, 64}},
      {"light 0.25", LIGHTBLEND, 0.25f, &red, {192, 128, 128}, {192, 128, 128}},
      {"shade", SHADEBLEND, 0.5f, &red, {128, 0, 0}, {128, 0, 0}},
      {"mask cuts at one half", MASKBLEND, 0.5f, &halfRed, {255, 0, 0}, {128, 128, 128}},
      {"solid ignores alpha", SOLIDBLEND, 0.3f, &halfRed, {255, 0, 0}, {255, 0, 0}},
  };
  int x = 10;
  for (const Case& c : cases) {
    SetBlend(c.blend);
    SetAlpha(c.alpha);
    DrawImage(*c.image, float(x), 10);
    expectNear(rgbAt(x, 11), c.left, std::string(c.name) + " left");
    expectNear(rgbAt(x + 3, 11), c.right, std::string(c.name) + " right");
    expectNear(rgbAt(x + 5, 11), {128, 128, 128}, std::string(c.name) + " outside");
    x += 20;
  }
}

// A draw that cannot change a pixel is never sent to the screen; every other one is, and
// shows. The frame's counts say what was sent and how much of it blends.
TEST_F(GraphicsTest, InvisibleDrawsAreNotSentAndVisibleOnesAreCounted) {
  const Image red = solidImage(4, 4, 0xFFFF0000u);
  struct Case {
    const char* name;
    int blend;
    float alpha;
    float scale;
    bool sent;
    Rgb seen;
  };
  const Case cases[] = {
      {"alpha 0", ALPHABLEND, 0.0f, 1, false, {128, 128, 128}},
      {"light with alpha 0", LIGHTBLEND, 0.0f, 1, false, {128, 128, 128}},
      {"alpha below half a step", ALPHABLEND, 0.001f, 1, false, {128, 128, 128}},
      {"faint alpha", ALPHABLEND, 0.01f, 1, true, {129, 127, 127}},
      {"scale 0", ALPHABLEND, 1.0f, 0, false, {128, 128, 128}},
      {"shade ignores alpha", SHADEBLEND, 0.0f, 1, true, {128, 0, 0}},
      {"solid ignores alpha", SOLIDBLEND, 0.0f, 1, true, {255, 0, 0}},
      {"mask ignores alpha", MASKBLEND, 0.0f, 1, true, {255, 0, 0}},
  };
  Flip(0);  // counts start with a frame of their own, whatever ran before
  for (const Case& c : cases) {
    Cls();
    SetBlend(c.blend);
    SetAlpha(c.alpha);
    SetScale(c.scale, c.scale);
    SetColor(255, 255, 255);
    DrawImage(red, 10, 10);
    SetColor(255, 0, 0);
    DrawRect(30, 10, 4, 4);
    SetScale(1, 1);
    expectNear(rgbAt(11, 11), c.seen, std::string(c.name) + " picture");
    expectNear(rgbAt(31, 11), c.seen, std::string(c.name) + " rectangle");
    Flip(0);
    const DrawStats stats = LastFrameDrawStats();
    const int sent = c.sent ? 2 : 0;
    EXPECT_EQ(stats.calls, sent) << c.name;
    const bool blends = c.blend != SOLIDBLEND && c.blend != MASKBLEND;
    EXPECT_EQ(stats.blendedArea, blends ? 16.0 * sent : 0.0) << c.name;
  }
}

// A picture wholly off the screen is not sent; one reaching onto it by a pixel, or turned onto
// it about a handle off the screen, is.
TEST_F(GraphicsTest, PicturesOffTheScreenAreNotSent) {
  const Image bar = solidImage(40, 4, 0xFFFFFFFFu);
  const int w = GraphicsWidth(), h = GraphicsHeight();
  struct Case {
    const char* name;
    float x, y, degrees;
    bool sent;
  };
  const Case cases[] = {
      {"left", -40, 10, 0, false},
      {"right", float(w), 10, 0, false},
      {"above", 10, -4, 0, false},
      {"below", 10, float(h), 0, false},
      {"one pixel in", -39, 10, 0, true},
      {"bottom edge", 10, float(h - 1), 0, true},
      {"turned onto it", float(w + 10), 10, 180, true},
      {"turned but far", float(w + 50), 10, 180, false},
  };
  Flip(0);
  for (const Case& c : cases) {
    Cls();
    SetRotation(c.degrees);
    DrawImage(bar, c.x, c.y);
    SetRotation(0);
    Flip(0);
    EXPECT_EQ(LastFrameDrawStats().calls, c.sent ? 1 : 0) << c.name;
  }
}

TEST_F(GraphicsTest, ColourIsMultipliedIntoThePicture) {
  SetColor(255, 128, 0);
  DrawImage(solidImage(4, 4, 0xFFFFFFFFu), 50, 50);
  expectNear(rgbAt(51, 51), {255, 128, 0}, "tinted white");
}

TEST_F(GraphicsTest, RotationTurnsClockwiseAboutTheHandle) {
  const Image bar = solidImage(10, 2, 0xFFFFFFFFu);
  SetRotation(90);
  DrawImage(bar, 100, 100);  // handle at the top-left corner: the bar hangs down, left of x
  expectNear(rgbAt(99, 105), {255, 255, 255}, "below the origin");
  expectNear(rgbAt(105, 99), {128, 128, 128}, "where it lay unrotated");

  MidHandleImage(bar);
  DrawImage(bar, 200, 200);  // about its centre: a vertical bar through (200, 200)
  expectNear(rgbAt(200, 196), {255, 255, 255}, "above the centre");
  expectNear(rgbAt(200, 203), {255, 255, 255}, "below the centre");
  expectNear(rgbAt(196, 200), {128, 128, 128}, "left of the centre");
}

TEST_F(GraphicsTest, NegativeScaleMirrorsAboutTheHandle) {
  Pixmap strip = CreatePixmap(4, 1);
  ClearPixels(strip, 0xFF0000FFu);
  WritePixel(strip, 0, 0, 0xFFFF0000u);
  const Image image = LoadImageFromPixmap(strip, ImageFlags::None);
  SetScale(-1, 1);
  DrawImage(image, 300, 300);
  expectNear(rgbAt(299, 300), {255, 0, 0}, "first pixel next to the handle");
  expectNear(rgbAt(296, 300), {0, 0, 255}, "last pixel furthest left");
  expectNear(rgbAt(300, 300), {128, 128, 128}, "right of the handle");
  SetScale(1, -2);
  DrawImage(image, 400, 300);
  expectNear(rgbAt(400, 298), {255, 0, 0}, "flipped upwards, doubled");
  expectNear(rgbAt(400, 300), {128, 128, 128}, "below the handle");
}

TEST_F(GraphicsTest, RectanglesTakeColourAlphaScaleAndRotation) {
  SetColor(0, 0, 255);
  SetScale(2, 1);
  DrawRect(10, 100, 10, 5);
  expectNear(rgbAt(28, 102), {0, 0, 255}, "scaled width");
  expectNear(rgbAt(31, 102), {128, 128, 128}, "past the scaled width");
  SetScale(1, 1);
  SetRotation(90);
  SetAlpha(0.5f);
  SetColor(255, 255, 255);
  DrawRect(100, 100, 20, 4);  // turns down and to the left of x
  expectNear(rgbAt(98, 115), {191, 191, 191}, "rotated, half alpha");
  expectNear(rgbAt(110, 102), {128, 128, 128}, "where it lay unrotated");
}

TEST_F(GraphicsTest, SubImageRectDrawsTheSourceRectangleStretched) {
  Pixmap quarters = CreatePixmap(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      WritePixel(quarters, x, y, x >= 2 && y >= 2 ? 0xFF00FF00u : 0xFFFF0000u);
  const Image image = LoadImageFromPixmap(quarters, ImageFlags::None);
  DrawSubImageRect(image, 500, 500, 8, 8, 2, 2, 2, 2, 1, 1);  // handle in source pixels
  expectNear(rgbAt(496, 496), {0, 255, 0}, "top-left of the stretched quarter");
  expectNear(rgbAt(503, 503), {0, 255, 0}, "bottom-right of it");
  expectNear(rgbAt(505, 505), {128, 128, 128}, "outside");
  DrawImageRect(image, 600, 500, 40, 40);
  expectNear(rgbAt(605, 505), {255, 0, 0}, "stretched whole image, red part");
  expectNear(rgbAt(635, 535), {0, 255, 0}, "stretched whole image, green part");
}

TEST_F(GraphicsTest, ScreenshotsAndGrabsSeeWhatWasDrawnEvenWhenNotAlwaysRendering) {
  SetAlwaysRender(false);
  SetClsColor(0, 0, 0);
  Cls();
  SetColor(10, 200, 30);
  DrawRect(5, 5, 3, 3);
  Pixmap grabbed = GrabPixmap(4, 4, 5, 5);
  ASSERT_EQ(PixmapWidth(grabbed), 5);
  EXPECT_EQ(ReadPixel(grabbed, 0, 0), 0xFF000000u);
  EXPECT_EQ(ReadPixel(grabbed, 1, 1), 0xFF0AC81Eu);

  testsupport::TempDir dir;
  ASSERT_TRUE(SaveScreenshot(dir / "shot.png"));
  Image shot = LoadImage(dir / "shot.png", ImageFlags::None);
  ASSERT_TRUE(shot);
  EXPECT_EQ(ImageWidth(shot), 800);
  EXPECT_EQ(ReadPixel(LockImage(shot), 6, 6), 0xFF0AC81Eu);
}

TEST_F(GraphicsTest, ShotsListedInTheEnvironmentAreTakenAtTheirFrame) {
  testsupport::TempDir dir;
  const std::string shots = "2:" + (dir / "two.png") + ",junk," + "3:" + (dir / "three.png");
  setenv("GLIMMERFIR_SHOTS", shots.c_str(), 1);
  InitHeadless();
  unsetenv("GLIMMERFIR_SHOTS");
  for (int frame = 1; frame <= 3; ++frame) {
    SetClsColor(frame * 50, 0, 0);
    Cls();
    Flip(-1);
  }
  Image two = LoadImage(dir / "two.png", ImageFlags::None),
        three = LoadImage(dir / "three.png", ImageFlags::None);
  ASSERT_TRUE(two);
  ASSERT_TRUE(three);
  EXPECT_EQ(ReadPixel(LockImage(two), 0, 0), 0xFF640000u);
  EXPECT_EQ(ReadPixel(LockImage(three), 0, 0), 0xFF960000u);
}

TEST_F(GraphicsTest, UnlockImageShowsWhatWasWrittenIntoTheFrame) {
  const Image image = solidImage(2, 2, 0xFFFF0000u);
  DrawImage(image, 10, 10);
  Pixmap pixels = LockImage(image);
  ClearPixels(pixels, 0xFF00FF00u);
  UnlockImage(image);
  DrawImage(image, 20, 10);
  expectNear(rgbAt(10, 10), {255, 0, 0}, "drawn before the change");
  expectNear(rgbAt(20, 10), {0, 255, 0}, "drawn after the change");
}

TEST_F(GraphicsTest, ImagesSurviveReopeningTheScreen) {
  const Image image = solidImage(2, 2, 0xFF00FF00u);
  DrawImage(image, 10, 10);
  EndGraphics();
  ASSERT_TRUE(Graphics(800, 600, 0, 60, 0));
  Cls();
  DrawImage(image, 30, 30);
  expectNear(rgbAt(30, 30), {0, 255, 0}, "drawn on the new screen");
}

TEST_F(GraphicsTest, BuiltInFontDrawsWithoutAFileAndMeasuresUnscaled) {
  SetImageFont(nullptr);
  EXPECT_GT(TextWidth("ab"), 0);
  EXPECT_EQ(TextWidth("abc"), TextWidth("ab") + TextWidth("c"));
  EXPECT_GT(TextHeight("x"), 0);
  SetColor(255, 255, 0);
  SetScale(3, 3);
  DrawText("I", 100, 100);
  float lit = 0;
  for (int y = 100; y < 100 + 3 * TextHeight("I"); ++y)
    for (int x = 100; x < 100 + 3 * TextWidth("I"); ++x) lit += rgbAt(x, y).b < 64 ? 1 : 0;
  EXPECT_GT(lit, 20) << "the letter shows in the current colour";
  EXPECT_EQ(TextWidth("I"), TextWidth("W")) << "measured without the scale, fixed pitch";
}

}  // namespace

namespace {

TEST_F(GraphicsTest, TrueTypeFontsMeasureAndDrawSmoothGlyphs) {
  const std::string path = std::string(GLIMMERFIR_ASSET_DIR) + "/gfx/fonts/bluehigh.ttf";
  ImageFont font = LoadImageFont(path, 24, 4);
  ASSERT_TRUE(font) << path;
  EXPECT_FALSE(LoadImageFont(path + ".missing", 24, 4));
  SetImageFont(font);
  EXPECT_EQ(GetImageFont(), font);
  const int height = TextHeight("Hg");
  EXPECT_GE(height, 24);
  EXPECT_LE(height, 36);
  EXPECT_GT(TextWidth("WWW"), TextWidth("iii"));
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextWidth("a\r\nb"), TextWidth("ab")) << "control characters take no room";

  SetClsColor(0, 0, 0);
  Cls();
  DrawText("\xC5\x81", 200, 200);  // a Polish letter through UTF-8
  int lit = 0, partial = 0, outside = 0;
  for (int y = 190; y < 240; ++y)
    for (int x = 190; x < 240; ++x) {
      const int v = rgbAt(x, y).g;
      // Ink may overhang the advance to the right, never above or far left of the corner.
      if (v > 0 && (y < 200 || x < 199)) ++outside;
      if (v > 200) ++lit;
      if (v > 20 && v < 200) ++partial;
    }
  EXPECT_GT(lit, 20);
  EXPECT_GT(partial, 0) << "anti-aliased edges";
  EXPECT_EQ(outside, 0) << "the text hangs from its top-left corner";
  SetImageFont(nullptr);
}

// A soft round spark, its alpha falling off from the middle, like the game's own.
Image softSpark(int size, uint32_t rgb) {
  Pixmap pixmap = CreatePixmap(size, size);
  const float middle = float(size - 1) / 2;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const float d = std::hypot(float(x) - middle, float(y) - middle) / middle;
      const auto a = uint32_t(std::clamp(1.0f - d, 0.0f, 1.0f) * 255.0f);
      WritePixel(pixmap, x, y, (a << 24) | rgb);
    }
  return LoadImageFromPixmap(pixmap, ImageFlags::None);
}

// Sparks of two pictures in one light run (with a turned one among them), pictures cut from
// a sheet at odd places, a line of text, masked and tiny pictures: everything the sharing of
// calls reorders, snaps or leaves alone.
void drawBusyScene(const Image& warm, const Image& cold, const Image& sheet) {
  Cls();
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  SetAlpha(1);
  for (int n = 0; n < 40; ++n)
    DrawImage(sheet, float(n % 8) * 61.3f + 3.7f, 400.25f + float(n / 8) * 7.9f);
  SetBlend(LIGHTBLEND);
  for (int n = 0; n < 120; ++n) {
    // Positions straddle the powers of two where float steps grow, and the screen's edges.
    const float x = -7.3f + float(n) * 6.93f + (n % 5 == 0 ? 120.999f : 0);
    const float y = -5.6f + float((n * 37) % 300) + float(n % 7) * 0.137f;
    SetColor(255 - n, 128 + n % 100, n * 2);
    SetAlpha(0.02f + float(n % 50) / 50.0f);
    SetScale(0.7f + float(n % 23) * 0.1f, 0.7f + float(n % 19) * 0.12f);
    SetRotation(n == 60 ? 33.0f : 0.0f);
    DrawImage(n % 3 == 0 ? cold : warm, x, y);
  }
  SetRotation(0);
  SetScale(1, 1);
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  for (int n = 0; n < 12; ++n) {
    SetAlpha(0.3f + float(n) * 0.05f);
    DrawSubImageRect(sheet, 50.5f + float(n) * 31.7f, 330.6f, float(7 + n), float(9 + n % 4),
                     float(n * 3 % 40), float(n % 5), float(7 + n % 9), float(5 + n % 3), 0, 0);
  }
  SetAlpha(0.8f);
  DrawText("Shared calls draw the same pixels, 0123456789!", 20.5f, 500.3f);
  SetBlend(MASKBLEND);
  for (int n = 0; n < 6; ++n) DrawImage(warm, 600.0f + float(n) * 9.5f, 550.5f);
  SetBlend(ALPHABLEND);
  SetScale(0.03f, 0.03f);  // under a pixel wide: nothing to draw
  for (int n = 0; n < 4; ++n) DrawImage(cold, 700.0f + float(n) * 3, 20);
  SetScale(1, 1);
  SetAlpha(1);
}

TEST_F(GraphicsTest, PicturesInARowShareCallsAndLeaveTheSamePixels) {
  const Image warm = softSpark(24, 0xFFC060u), cold = softSpark(16, 0x60C0FFu);
  Pixmap cells = CreatePixmap(49, 19);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 49; ++x)
      WritePixel(cells, x, y,
                 (uint32_t(40 + x * 4) << 24) | uint32_t(x * 5 << 16) | uint32_t(y * 13));
  const Image sheet = LoadImageFromPixmap(cells, ImageFlags::None);
  SetImageFont(nullptr);
  Flip(0);
  SetDrawBatching(false);
  drawBusyScene(warm, cold, sheet);
  const Pixmap alone = GrabPixmap(0, 0, 800, 600);
  Flip(0);
  const int callsAlone = LastFrameDrawStats().calls;
  SetDrawBatching(true);
  drawBusyScene(warm, cold, sheet);
  const Pixmap shared = GrabPixmap(0, 0, 800, 600);
  Flip(0);
  const int callsShared = LastFrameDrawStats().calls;
  ASSERT_TRUE(alone && shared);
  int differing = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (ReadPixel(alone, x, y) != ReadPixel(shared, x, y) && differing++ < 5)
        ADD_FAILURE() << "pixel " << x << ", " << y << ": " << std::hex << ReadPixel(alone, x, y)
                      << " alone, " << ReadPixel(shared, x, y) << " shared";
  EXPECT_EQ(differing, 0);
  EXPECT_GT(callsAlone, 200);
  // The sparks take a call per picture (and one for the turned spark); the sheet's run, the
  // text and the masked run one each.
  EXPECT_LT(callsShared, 40);
}

}  // namespace
