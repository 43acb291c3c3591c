// The game's emblem as the generator leaves it in the asset folder, read through the game's
// own picture loader: every size shows the same drawing (night-sky tile with transparent
// corners, the gold star above the green tree), and the scalable copy is a drawing of the
// same square.
#include <gtest/gtest.h>

#include <string>

#include "datafile/AssetNames.h"
#include "platform/ImageData.h"
#include "platform/ImageLoader.h"
#include "support/TempDir.h"

namespace {

const std::string kAssets = GLIMMERFIR_ASSET_DIR;

struct Rgba {
  int r, g, b, a;
};

TEST(IconArt, EverySizeShowsTheStarAboveTheTreeOnANightTile) {
  for (int size : assets::ICON_SIZES) {
    SCOPED_TRACE(size);
    auto picture = platform::ImageLoader::load(kAssets + "/" + assets::ICON_PREFIX +
                                               std::to_string(size) + ".png");
    ASSERT_TRUE(picture);
    const platform::PixmapData& p = *picture->pixels;
    ASSERT_EQ(p.width, size);
    ASSERT_EQ(p.height, size);
    // (u, v) in the 256-unit square the emblem is drawn in.
    auto at = [&](double u, double v) {
      const uint32_t argb = p.at(int(u * size / 256), int(v * size / 256));
      return Rgba{int(argb >> 16 & 255), int(argb >> 8 & 255), int(argb & 255), int(argb >> 24)};
    };
    EXPECT_EQ(at(1, 1).a, 0) << "rounded corner";
    EXPECT_EQ(at(254, 254).a, 0) << "rounded corner";
    const Rgba sky = at(40, 100), star = at(128, 56), tree = at(100, 150);
    EXPECT_EQ(sky.a, 255);
    EXPECT_GT(sky.b, sky.r + 30) << "night sky";
    EXPECT_GT(star.r, 200) << "gold star";
    EXPECT_GT(star.r, star.b + 60);
    EXPECT_GT(tree.g, tree.r + 20) << "green tree";
    EXPECT_GT(tree.g, tree.b);
  }
}

TEST(IconArt, TheScalableIconIsASquareDrawing) {
  const std::string svg = testsupport::ReadFile(kAssets + "/" + assets::ICON_SVG);
  ASSERT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"256"), std::string::npos);
  EXPECT_NE(svg.find("height=\"256"), std::string::npos);
  // Filled shapes with gradients, not an embedded bitmap.
  EXPECT_NE(svg.find("Gradient"), std::string::npos);
  EXPECT_EQ(svg.find("<image"), std::string::npos);
}

}  // namespace
