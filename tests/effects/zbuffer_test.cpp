#include "effects/EffectsFixture.h"
#include "effects/TZBuffer.h"

namespace {

class ZBufferTest : public EffectsTest {
 protected:
  TZBufferItem* add(int layer, const platform::Image& img, int key, int x, int y, int r, int g,
                    int b, int frame = 0) {
    return zb.addImage(layer, img, key, x, y, 0, 0, 0, 1.0f, r, g, b, 0, 1, 1, frame);
  }
  uint32_t rgbAt(int x, int y) { return platform::ScreenPixel(x, y) & 0xFFFFFF; }
  TZBuffer zb;
};

TEST_F(ZBufferTest, SortKeyUsesRowKeyOrY) {
  platform::Image img = whiteDot(8);
  platform::SetImageHandle(img, 3, 0);
  struct Case {
    int key, x, y, z;
  };
  for (Case c : {Case{5, 10, 2, 10 + 3 + 2 * 800}, Case{-3, 10, 2, 10 + 3 + 3 * 800},
                 Case{-3, 10, -1, 10 + 3 - 800}}) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(add(0, img, c.key, c.x, c.y, 255, 255, 255)->z, c.z);
  }
  EXPECT_EQ(add(8, img, 0, 0, 0, 0, 0, 0), nullptr);  // only eight layers exist
  EXPECT_EQ(add(-1, img, 0, 0, 0, 0, 0, 0), nullptr);
}

TEST_F(ZBufferTest, LayerIsDrawnInKeyOrderThenEmptied) {
  platform::Image img = whiteDot(8);
  // Same place, queued out of order: the largest key must end on top.
  add(2, img, 0, 100, 30, 0, 255, 0);
  add(2, img, 0, 100, 10, 0, 0, 255);
  add(2, img, 0, 100, 20, 255, 0, 0);
  // Equal keys keep the order they were queued in.
  add(2, img, 0, 300, 10, 255, 0, 0);
  add(2, img, 0, 300, 10, 0, 0, 255);
  zb.sortAllLayers();
  ASSERT_EQ(zb.layers[2].size(), 5u);
  // Rows dominate: (100,10) blue, then the two at (300,10), then red at 20, green at 30.
  EXPECT_EQ(zb.layers[2][0].b, 255);
  EXPECT_EQ(zb.layers[2][1].r, 255);
  EXPECT_EQ(zb.layers[2][2].b, 255);
  EXPECT_EQ(zb.layers[2][4].g, 255);
  clearScreen();
  zb.drawLayer(2, 0);
  EXPECT_EQ(rgbAt(100, 30), 0x00FF00u);
  EXPECT_EQ(rgbAt(100, 20), 0xFF0000u);
  EXPECT_EQ(rgbAt(300, 10), 0x0000FFu);
  EXPECT_TRUE(zb.layers[2].empty());
}

TEST_F(ZBufferTest, OwnHandleIsUsedAndTheImagesHandleRestored) {
  platform::Image img = whiteDot(8);  // handle at its centre (4, 4)
  zb.addImage(0, img, 0, 200, 200, 0, 0, 0, 1, 255, 255, 255, 0, 1, 1, -1);
  add(0, img, 0, 400, 200, 255, 255, 255, 0);
  clearScreen();
  zb.drawLayer(0);
  EXPECT_TRUE(lit(206, 206));  // drawn from its own handle (0, 0)
  EXPECT_FALSE(lit(197, 197));
  EXPECT_TRUE(lit(397, 197));  // drawn from the picture's handle
  EXPECT_EQ(platform::ImageXHandle(img), 4.0f);
  EXPECT_EQ(platform::ImageYHandle(img), 4.0f);
}

}  // namespace
