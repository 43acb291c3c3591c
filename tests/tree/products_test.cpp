#include <gtest/gtest.h>

#include "tree/TBombkaData.h"
#include "tree/TDekorData.h"
#include "tree/TLampkaData.h"
#include "tree/TLancuchData.h"
#include "tree/TOzdobkaData.h"
#include "tree/TreeFixture.h"

namespace {

using treetest::solidImage;

class ProductTest : public treetest::TreeFixture {
 protected:
  template <class T>
  std::shared_ptr<T> product(int w, int h, int hx, int hy, float scale = 1.0f) {
    auto p = std::make_shared<T>(stage);
    p->gfx = solidImage(w, h);
    p->hx = hx;
    p->hy = hy;
    p->scale = scale;
    return p;
  }
  // The only item queued, and the layer it went to; -1 when not exactly one.
  int queuedLayer() {
    int found = -1, count = 0;
    for (int n = 0; n < TZBuffer::kMaxLayers; ++n) {
      count += int(zbuffer.layers[size_t(n)].size());
      if (!zbuffer.layers[size_t(n)].empty()) found = n;
    }
    return count == 1 ? found : -1;
  }
  const TZBufferItem& queued() {
    const int layer = queuedLayer();
    EXPECT_GE(layer, 0);
    return zbuffer.layers[size_t(std::max(layer, 0))].front();
  }
};

TEST_F(ProductTest, HangsInTheRearmostTreeLayerUnderItsPoint) {
  struct Case {
    int x, y, layer;
  };
  // Layer n covers y 80 + 30 n ... 119 + 30 n at x 350 ... 449.
  for (Case c : {Case{400, 85, 0}, Case{400, 115, 1}, Case{400, 180, 3}, Case{449, 119, 1},
                 Case{450, 100, 4}, Case{10, 10, 4}, Case{400, 590, 4}}) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    auto bauble = product<TBombkaData>(10, 10, 5, 0);
    EXPECT_EQ(bauble->obliczWarstwe(c.x, c.y), c.layer);
    EXPECT_EQ(bauble->drawWithHandle(c.x, c.y, nullptr, 7.0f), c.layer);
    const TZBufferItem& item = queued();
    EXPECT_EQ(item.x, c.x);
    EXPECT_EQ(item.hx, 5);
    EXPECT_FLOAT_EQ(item.rot, 7.0f);
    zbuffer.layers[size_t(c.layer)].clear();
  }
}

TEST_F(ProductTest, StarIsAlwaysInFrontAndLightsInLayerZero) {
  auto star = product<TOzdobkaData>(40, 40, 20, 38);
  star->opis = "gwiazda";  // names compare without regard to case
  for (int y : {85, 180, 590}) {
    EXPECT_EQ(star->drawWithHandle(400, y, nullptr, 0), 6);
    zbuffer.layers[6].clear();
  }
  auto bulb = product<TLampkaData>(16, 24, 8, 2);
  EXPECT_EQ(bulb->drawWithHandle(400, 180, nullptr, 0), 0);
  EXPECT_EQ(bulb->drawWithHandle(10, 10, nullptr, 0), 0);
}

TEST_F(ProductTest, PresentsGrowTowardTheViewerAndStandInFrontBelowTheTree) {
  struct Case {
    int y;
    float scale;
    int layer;
  };
  stage.actS = 0.5f;
  for (Case c : {Case{470, 1.0f, 5}, Case{480, 0.6f, 5}, Case{500, 0.68f, 5}, Case{520, 0.76f, 5},
                 Case{530, 0.8f, 6}, Case{580, 1.0f, 6}, Case{600, 1.0f, 6}}) {
    SCOPED_TRACE(c.y);
    auto present = product<TDekorData>(80, 76, 40, 72);
    EXPECT_EQ(present->drawWithHandle(300, c.y, nullptr, 0), 0);
    const TZBufferItem& item = queued();
    EXPECT_EQ(queuedLayer(), c.layer);
    EXPECT_NEAR(item.sx, c.scale * 0.5f, 1e-5f);
    zbuffer.layers[size_t(c.layer)].clear();
  }
}

TEST_F(ProductTest, CentreOffsetsFollowTheHangingPointAndScale) {
  auto bauble = product<TBombkaData>(40, 56, 20, 3);
  EXPECT_EQ(bauble->getXAd(), 0);
  EXPECT_EQ(bauble->getYAd(), 25);
  EXPECT_EQ(bauble->getCenterY(), 53);
  auto half = product<TBombkaData>(40, 56, 20, 3, 0.5f);
  EXPECT_EQ(half->getXAd(), 0);   // Int(Int(10) - 10)
  EXPECT_EQ(half->getYAd(), 12);  // Int(Int(14) - 1.5) truncates toward zero
}

TEST_F(ProductTest, PointerHitsOnlyTheOpaquePixelsOfThePlacedPicture) {
  auto bauble = product<TBombkaData>(20, 20, 10, 0);
  const struct {
    int x, y;
    bool hit;
  } cases[] = {{300, 300, true},  {309, 319, true},  {290, 300, true},
               {310, 300, false}, {300, 320, false}, {300, 299, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    pointAt(c.x, c.y);
    platform::ResetCollisions(0);
    bauble->collideWithHandle(300, 300);
    EXPECT_EQ(stage.pointerOnWritten(), c.hit);
  }
  // The picture's own handle is given back.
  EXPECT_FLOAT_EQ(platform::ImageXHandle(bauble->gfx), 10.0f);
  EXPECT_FLOAT_EQ(platform::ImageYHandle(bauble->gfx), 10.0f);
}

TEST_F(ProductTest, GlowIsQueuedAdditivelyOnTheBulbsCentre) {
  auto bulb = product<TLampkaData>(16, 24, 8, 2);
  bulb->light = solidImage(64, 64);
  bulb->lightHX = 8;
  bulb->lightHy = 15;
  bulb->drawLight(200, 100, 0.4f, 3);
  ASSERT_EQ(zbuffer.layers[3].size(), 1u);
  const TZBufferItem& glow = zbuffer.layers[3].front();
  EXPECT_EQ(glow.x, 200);
  EXPECT_EQ(glow.y, 113);
  EXPECT_EQ(glow.bb, platform::LIGHTBLEND);
  EXPECT_FLOAT_EQ(glow.a, 0.4f);
  EXPECT_EQ(glow.hx, 32);
}

TEST_F(ProductTest, ChainSagsBelowTheMiddleAndEndsOnBothPoints) {
  auto chain = product<TLancuchData>(10, 10, 0, 0);
  const TDim m = chain->getMPointDims(100, 100, 175, 100);
  EXPECT_FLOAT_EQ(m.x, 137);
  EXPECT_FLOAT_EQ(m.y, 152);
  const auto links = chain->linkPoints(100, 100, 175, 100);
  ASSERT_GE(links.size(), 11u);  // 75 px at about 7 px a link
  EXPECT_FLOAT_EQ(links.front().x, 100);
  EXPECT_FLOAT_EQ(links.front().y, 100);
  EXPECT_FLOAT_EQ(links.back().x, 175);
  EXPECT_FLOAT_EQ(links.back().y, 100);
  // The middle of the curve hangs halfway down to the sag point.
  const auto& middle = links[links.size() / 2];
  EXPECT_GT(middle.y, 120);

  const auto single = chain->linkPoints(50, 60, 50, 60);
  ASSERT_EQ(single.size(), 1u);
  EXPECT_FLOAT_EQ(single.front().x, 50);
  EXPECT_FLOAT_EQ(single.front().y, 60);
}

TEST_F(ProductTest, ChainIsUnderThePointerOnlyOnALink) {
  auto chain = product<TLancuchData>(10, 10, 0, 0);
  pointAt(100, 100);
  EXPECT_EQ(chain->checkOver(100, 100, 175, 100), 1);
  pointAt(140, 126);  // on the curve, near its lowest point
  EXPECT_EQ(chain->checkOver(100, 100, 175, 100), 1);
  pointAt(137, 100);  // on the straight line between the ends, far above the curve
  EXPECT_EQ(chain->checkOver(100, 100, 175, 100), 0);
}

}  // namespace
