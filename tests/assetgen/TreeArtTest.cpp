// The tree and its decorations as the generator leaves them in the asset folder, read through
// the game's own picture loader: the sizes and hanging points the shop data relies on, the
// tree layers' coverage (the game picks a decoration's layer by it) and where the tree stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ImageData.h"
#include "platform/ImageLoader.h"

namespace {

const std::string kAssets = GLIMMERFIR_ASSET_DIR;

struct Picture {
  platform::Pixmap pixels;
  int width() const { return pixels->width; }
  int height() const { return pixels->height; }
  int alpha(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    return static_cast<int>(pixels->at(x, y) >> 24);
  }
};

Picture load(const std::string& relative) {
  auto picture = platform::ImageLoader::load(kAssets + "/" + relative);
  if (!picture) return {};
  return {picture->pixels};
}

std::string numbered(const std::string& stem, int i) {
  return stem + (i < 10 ? "0" : "") + std::to_string(i) + ".png";
}

// Picture k of the tree is layer k - 1, mid-handled at its screen centre.
struct LayerPlace {
  int width, height, cx, cy;
};
const LayerPlace kLayers[5] = {{170, 160, 458, 175},
                               {240, 160, 458, 245},
                               {300, 165, 458, 317},
                               {350, 165, 458, 390},
                               {400, 190, 458, 455}};

std::string layerFile(int k, bool day) {
  return "gfx/gui/treeScreen/choinka" + std::to_string(k) + (day ? "_d" : "") + ".png";
}

TEST(TreeArt, NightAndDayLayersHaveTheirSizeAndOneCoverage) {
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    Picture night = load(layerFile(k, false)), day = load(layerFile(k, true));
    ASSERT_TRUE(night.pixels && day.pixels);
    EXPECT_EQ(night.width(), kLayers[k - 1].width);
    EXPECT_EQ(night.height(), kLayers[k - 1].height);
    ASSERT_EQ(day.width(), night.width());
    ASSERT_EQ(day.height(), night.height());
    int differing = 0;
    for (int y = 0; y < night.height(); ++y)
      for (int x = 0; x < night.width(); ++x) differing += night.alpha(x, y) != day.alpha(x, y);
    EXPECT_EQ(differing, 0);
  }
}

// Partly covered pixels belong on the edges of the needles, never over an area of their own:
// every one lies within two pixels of a fully transparent one.
TEST(TreeArt, LayersAreOpaqueInsideWithoutHaze) {
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    Picture p = load(layerFile(k, false));
    ASSERT_TRUE(p.pixels);
    int opaque = 0, hazy = 0;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) {
        int a = p.alpha(x, y);
        opaque += a == 255;
        if (a == 0 || a == 255) continue;
        bool nearEdge = false;
        for (int dy = -2; dy <= 2 && !nearEdge; ++dy)
          for (int dx = -2; dx <= 2 && !nearEdge; ++dx) nearEdge = p.alpha(x + dx, y + dy) == 0;
        hazy += !nearEdge;
      }
    EXPECT_EQ(hazy, 0);
    // A whole tier (less what the tier in front hides), not a few strokes.
    EXPECT_GT(opaque, p.width() * p.height() / 5);
  }
}

// The game hangs a decoration in the rearmost layer that covers its point, and the layers in
// front are drawn over it: a point where a front layer is solid must belong to no layer behind,
// or a bauble hung there on the tier the player sees would vanish behind that very tier.
TEST(TreeArt, NoLayerCoversAPointThatALayerInFrontHidesCompletely) {
  Picture layers[5];
  for (int k = 1; k <= 5; ++k) layers[k - 1] = load(layerFile(k, false));
  auto alphaAt = [&](int n, int sx, int sy) {
    const LayerPlace& at = kLayers[n];
    return layers[n].alpha(sx - (at.cx - at.width / 2), sy - (at.cy - at.height / 2));
  };
  for (const Picture& p : layers) ASSERT_TRUE(p.pixels);
  int hidden = 0, covered = 0;
  for (int sy = 90; sy < 560; ++sy)
    for (int sx = 250; sx < 670; ++sx) {
      int front = 0;
      while (front < 5 && alphaAt(front, sx, sy) != 255) ++front;
      if (front == 5) continue;
      ++covered;
      for (int n = front + 1; n < 5; ++n) hidden += alphaAt(n, sx, sy) >= 128;
    }
  EXPECT_EQ(hidden, 0);
  EXPECT_GT(covered, 60000);  // the whole tree, not an empty picture
}

// The stacked layers on the screen: apex under the tree-top star, widest at the bottom, the
// trunk standing on the ground among the presents.
TEST(TreeArt, StackedLayersStandWhereTheScreenExpectsTheTree) {
  int top = 600, bottom = 0, left = 800, right = 0;
  for (int k = 1; k <= 5; ++k) {
    Picture p = load(layerFile(k, false));
    ASSERT_TRUE(p.pixels);
    const LayerPlace& at = kLayers[k - 1];
    int ox = at.cx - at.width / 2, oy = at.cy - at.height / 2;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) {
        if (p.alpha(x, y) < 128) continue;
        top = std::min(top, oy + y);
        bottom = std::max(bottom, oy + y);
        left = std::min(left, ox + x);
        right = std::max(right, ox + x);
      }
    // Nothing is cut off by the canvas edge.
    for (int x = 0; x < p.width(); ++x) EXPECT_EQ(p.alpha(x, 0), 0) << k;
    for (int y = 0; y < p.height(); ++y) {
      EXPECT_EQ(p.alpha(0, y), 0) << k;
      EXPECT_EQ(p.alpha(p.width() - 1, y), 0) << k;
    }
  }
  EXPECT_GE(top, 100);
  EXPECT_LE(top, 103);
  EXPECT_GE(bottom, 540);
  EXPECT_LE(bottom, 550);
  EXPECT_GE(right - left, 360);
  EXPECT_LE(right - left, 396);
  EXPECT_NEAR((left + right) / 2.0, 458, 6);
}

// Every product picture: its size, and its hanging point on the picture itself (a loop, a
// socket, a stem or a box's bottom edge), with nothing of the picture above it.
struct Product {
  std::string stem;
  int count, width, height, hx, hy;
};

TEST(TreeArt, ProductsHaveTheirSizeAndHangByTheirHangingPoint) {
  const Product products[] = {
      {"gfx/tree/bombki/bombka", 12, 40, 56, 20, 3},
      {"gfx/tree/ozdobki/ozdoba", 8, 40, 56, 20, 3},
      {"gfx/tree/lampki/lampka", 8, 16, 24, 8, 2},
  };
  for (const Product& product : products)
    for (int i = 1; i <= product.count; ++i) {
      std::string name = numbered(product.stem, i);
      SCOPED_TRACE(name);
      Picture p = load(name);
      ASSERT_TRUE(p.pixels);
      EXPECT_EQ(p.width(), product.width);
      EXPECT_EQ(p.height(), product.height);
      EXPECT_GE(std::max(p.alpha(product.hx, product.hy), p.alpha(product.hx, product.hy + 1)),
                128);
      for (int y = 0; y < product.hy; ++y)
        for (int x = 0; x < p.width(); ++x) EXPECT_LT(p.alpha(x, y), 64) << x << "," << y;
    }
}

// Stars and presents stand on their hanging point: it is the bottom of what they are.
TEST(TreeArt, StarsAndPresentsStandOnTheirHangingPoint) {
  const Product products[] = {
      {"gfx/tree/ozdobki/gwiazda", 3, 80, 84, 40, 76},
      {"gfx/tree/dekoracje/prezent", 8, 80, 76, 40, 72},
  };
  for (const Product& product : products)
    for (int i = 1; i <= product.count; ++i) {
      std::string name = numbered(product.stem, i);
      SCOPED_TRACE(name);
      Picture p = load(name);
      ASSERT_TRUE(p.pixels);
      EXPECT_EQ(p.width(), product.width);
      EXPECT_EQ(p.height(), product.height);
      EXPECT_EQ(p.alpha(product.hx, product.hy - 2), 255);
      // Below it at most a soft contact shadow.
      for (int y = product.hy + 1; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) EXPECT_LT(p.alpha(x, y), 128) << x << "," << y;
    }
}

// Glows are added to the screen: a bright middle fading to nothing before the edge.
TEST(TreeArt, LightGlowsFadeOutBeforeTheirEdge) {
  for (int i = 1; i <= 8; ++i) {
    std::string name = numbered("gfx/tree/lampki/glow", i);
    SCOPED_TRACE(name);
    Picture p = load(name);
    ASSERT_TRUE(p.pixels);
    ASSERT_EQ(p.width(), 64);
    ASSERT_EQ(p.height(), 64);
    EXPECT_GE(p.alpha(32, 32), 200);
    for (int t = 0; t < 64; ++t) {
      EXPECT_EQ(p.alpha(t, 0), 0);
      EXPECT_EQ(p.alpha(0, t), 0);
      EXPECT_EQ(p.alpha(t, 63), 0);
      EXPECT_EQ(p.alpha(63, t), 0);
    }
    // Falling steadily from the middle outward along a ray.
    for (int r = 1; r < 31; ++r) EXPECT_LE(p.alpha(32 + r, 32), p.alpha(32 + r - 1, 32)) << r;
  }
}

// Chain links repeat every 7 px along the garland: each must reach across that gap.
TEST(TreeArt, ChainLinksCoverTheirStep) {
  for (int i = 1; i <= 6; ++i) {
    std::string name = numbered("gfx/tree/lancuchy/lancuch", i);
    SCOPED_TRACE(name);
    Picture p = load(name);
    ASSERT_TRUE(p.pixels);
    ASSERT_EQ(p.width(), 10);
    ASSERT_EQ(p.height(), 10);
    int leftmost = 10, rightmost = -1, topmost = 10, lowest = -1;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x)
        if (p.alpha(x, y) >= 128) {
          leftmost = std::min(leftmost, x);
          rightmost = std::max(rightmost, x);
          topmost = std::min(topmost, y);
          lowest = std::max(lowest, y);
        }
    EXPECT_GE(rightmost - leftmost + 1, 7);
    EXPECT_GE(lowest - topmost + 1, 7);
  }
}

}  // namespace
