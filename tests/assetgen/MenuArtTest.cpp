// The pictures of the main menu, the loading screen, the credits and the intro as the
// generator leaves them in the asset folder, read through the game's own loader. The screens
// place them by fixed numbers (the title centred at (400, 60), the strip at (39, 170), the bar
// at (0, 558), the loading dots on y 505 from x 259 to 541, the credits' lines anywhere in
// x 40..760, y 40..470); these tests hold the pictures to those numbers and keep the areas the
// game writes or draws on calm enough to read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "datafile/AssetNames.h"
#include "platform/ImageData.h"
#include "platform/ImageLoader.h"

namespace {

const std::string kAssets = GLIMMERFIR_ASSET_DIR;

platform::Pixmap load(const std::string& relative) {
  auto picture = platform::ImageLoader::load(kAssets + "/" + relative);
  return picture ? picture->pixels : platform::Pixmap{};
}

int alphaAt(const platform::PixmapData& p, int x, int y) { return int(p.at(x, y) >> 24); }
// Perceived lightness 0..255 of an opaque pixel.
int lightAt(const platform::PixmapData& p, int x, int y) {
  const uint32_t c = p.at(x, y);
  return int((299 * ((c >> 16) & 255) + 587 * ((c >> 8) & 255) + 114 * (c & 255)) / 1000);
}

struct Area {
  int x0, y0, x1, y1;  // x1, y1 excluded
};

struct Light {
  int mean = 0, brightest = 0;
};

Light lightOf(const platform::PixmapData& p, const Area& a) {
  long sum = 0;
  Light l;
  for (int y = a.y0; y < a.y1; ++y)
    for (int x = a.x0; x < a.x1; ++x) {
      const int v = lightAt(p, x, y);
      sum += v;
      l.brightest = std::max(l.brightest, v);
    }
  l.mean = int(sum / (long(a.x1 - a.x0) * (a.y1 - a.y0)));
  return l;
}

// The box of pixels at least `minAlpha` opaque.
Area inkBox(const platform::PixmapData& p, int minAlpha) {
  Area box{p.width, p.height, 0, 0};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (alphaAt(p, x, y) >= minAlpha)
        box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1),
               std::max(box.y1, y + 1)};
  return box;
}

TEST(MenuArt, PicturesHaveTheSizesTheScreensPlaceThemBy) {
  struct Case {
    const char* path;
    int width, height;
  };
  const Case cases[] = {
      {"gfx/gui/mainMenu/playquest.png", 4 * 196, 56},
      {"gfx/gui/mainMenu/settings.png", 4 * 196, 56},
      {"gfx/gui/mainMenu/credits.png", 4 * 196, 56},
      {"gfx/gui/mainMenu/exit.png", 4 * 196, 56},
      {"gfx/gui/mainMenu/tlo.png", 218, 330},
      {"gfx/gui/mainMenu/pasek.png", 800, 42},
      {"gfx/gui/pickMode/yes.png", 4 * 180, 54},
      {"gfx/gui/pickMode/no.png", 4 * 180, 54},
      {assets::CREDITS_BACK, 800, 600},
      {assets::LOADING_BACK, 800, 600},
      {assets::LOADING_DOT_ON, 22, 22},
      {assets::LOADING_DOT_OFF, 22, 22},
      {"gfx/intro/village.jpg", 800, 600},
      {"gfx/intro/glow.png", 128, 128},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const platform::Pixmap p = load(c.path);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, c.width);
    EXPECT_EQ(p->height, c.height);
  }
}

TEST(MenuArt, TitlesAreWideAndFitTheirRoomWithTheirGlow) {
  struct Case {
    const char* path;
    int maxWidth, maxHeight;  // the whole picture, glow included
    int minInkWidth, maxInkWidth, minInkHeight, maxInkHeight;
  };
  const Case cases[] = {{assets::MAIN_MENU_TITLE, 620, 130, 480, 560, 88, 100},
                        {"gfx/intro/title.png", 700, 160, 540, 680, 96, 130}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const platform::Pixmap p = load(c.path);
    ASSERT_TRUE(p);
    EXPECT_LE(p->width, c.maxWidth);
    EXPECT_LE(p->height, c.maxHeight);
    const Area ink = inkBox(*p, 250);
    EXPECT_GE(ink.x1 - ink.x0, c.minInkWidth);
    EXPECT_LE(ink.x1 - ink.x0, c.maxInkWidth);
    EXPECT_GE(ink.y1 - ink.y0, c.minInkHeight);
    EXPECT_LE(ink.y1 - ink.y0, c.maxInkHeight);
    // The glow fades out before the edge, so the picture never shows a cut.
    const Area glow = inkBox(*p, 8);
    EXPECT_GT(glow.x0, 0);
    EXPECT_GT(glow.y0, 0);
    EXPECT_LT(glow.x1, p->width);
    EXPECT_LT(glow.y1, p->height);
  }
}

TEST(MenuArt, LoadingBackKeepsTheDotsBandDarkUnderItsCaption) {
  const platform::Pixmap back = load(assets::LOADING_BACK);
  ASSERT_TRUE(back);
  // The seven dots, 22 px wide and 47 apart, centred on y 505, with their shadows.
  const Light band = lightOf(*back, {236, 488, 566, 524});
  EXPECT_LT(band.brightest, 110) << "a white dot at 0.2 must show on the band";
  EXPECT_LT(band.mean, 70);
  // The caption is written above the band and the title in the sky.
  EXPECT_GT(lightOf(*back, {330, 440, 470, 470}).brightest, 220);
  EXPECT_GT(lightOf(*back, {150, 80, 650, 190}).brightest, 230);
}

TEST(MenuArt, CreditsBackIsCalmAndDarkWhereTheLinesAreWritten) {
  const platform::Pixmap back = load(assets::CREDITS_BACK);
  ASSERT_TRUE(back);
  for (int y = 40; y < 470; y += 43) {
    SCOPED_TRACE(y);
    const Light row = lightOf(*back, {40, y, 760, y + 43});
    EXPECT_LT(row.mean, 70) << "white lines need a dark ground";
    EXPECT_LT(row.brightest, 150) << "nothing bright to compete with the lines";
  }
  // The warm village windows along the bottom edge.
  EXPECT_GT(lightOf(*back, {0, 480, 800, 600}).brightest, 180);
}

TEST(MenuArt, TheDoneDotIsABrightBeadAndTheOtherItsDimVersion) {
  const platform::Pixmap on = load(assets::LOADING_DOT_ON), off = load(assets::LOADING_DOT_OFF);
  ASSERT_TRUE(on && off);
  for (const auto* p : {on.get(), off.get()}) {
    EXPECT_EQ(alphaAt(*p, 0, 0), 0);
    EXPECT_EQ(alphaAt(*p, p->width - 1, p->height - 1), 0);
    EXPECT_EQ(alphaAt(*p, p->width / 2, p->height / 2), 255);
  }
  const Area middle{8, 8, 14, 14};
  EXPECT_GT(lightOf(*on, middle).mean, 220);
  EXPECT_LT(lightOf(*off, middle).mean, lightOf(*on, middle).mean - 40);
}

}  // namespace
