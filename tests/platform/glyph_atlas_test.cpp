// Packing glyphs into atlas pages.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/GlyphAtlas.h"
#include "platform/platform.h"

namespace {

using namespace platform;

TEST(GlyphAtlasTest, GlyphsNeverOverlapAndSpillOntoNewPages) {
  GlyphAtlas atlas;
  std::vector<GlyphAtlas::Slot> slots;
  for (int i = 0; i < 300; ++i) {
    const int w = 10 + i % 31, h = 12 + i % 29;
    slots.push_back(atlas.add(w, h, std::vector<uint8_t>(size_t(w * h), uint8_t(1 + i % 250))));
  }
  std::set<ImageData*> pages;
  for (size_t i = 0; i < slots.size(); ++i) {
    const GlyphAtlas::Slot& s = slots[i];
    ASSERT_TRUE(s.page) << i;
    pages.insert(s.page.get());
    ASSERT_LE(s.x + s.width, GlyphAtlas::kPageSize);
    ASSERT_LE(s.y + s.height, GlyphAtlas::kPageSize);
    // A later glyph written over this one would have changed its coverage.
    const Pixmap pixels = LockImage(s.page);
    for (int y : {0, s.height - 1})
      for (int x : {0, s.width - 1})
        ASSERT_EQ(ReadPixel(pixels, s.x + x, s.y + y), (uint32_t(1 + i % 250) << 24) | 0xFFFFFFu)
            << i;
  }
  EXPECT_GE(pages.size(), 2u);
  EXPECT_FALSE(atlas.add(0, 5, {}).page) << "a blank has no picture";
  EXPECT_FALSE(atlas
                   .add(GlyphAtlas::kPageSize + 1, 4,
                        std::vector<uint8_t>(size_t{GlyphAtlas::kPageSize + 1} * 4))
                   .page);
}

}  // namespace
