// The tree screen's pictures and layout as the generator and the data leave them in the asset
// folder, read through the game's own loaders. The screen places everything by fixed numbers
// (the panel's contents, the bin at (750, 560), the play button on x 730, the sun at (370, 70),
// the smoke at the chimney (256, 204)); these tests hold the pictures, the tab positions and the
// layout file to those numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "datafile/AssetNames.h"
#include "datafile/TRCMFile.h"
#include "gui/GuiDeclaration.h"
#include "gui/TGui.h"
#include "platform/ImageData.h"
#include "platform/ImageLoader.h"

namespace {

const std::string kAssets = GLIMMERFIR_ASSET_DIR;
const std::string kFolder = "gfx/gui/treeScreen/";

struct Picture {
  platform::Pixmap pixels;
  int width() const { return pixels->width; }
  int height() const { return pixels->height; }
  uint32_t at(int x, int y) const { return pixels->at(x, y); }
  int alpha(int x, int y) const { return static_cast<int>(at(x, y) >> 24); }
  int channel(int x, int y, int shift) const { return static_cast<int>((at(x, y) >> shift) & 255); }
};

Picture load(const std::string& relative) {
  auto picture = platform::ImageLoader::load(kAssets + "/" + relative);
  if (!picture) return {};
  return {picture->pixels};
}

struct Rect {
  int x, y, w, h;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool inside(const Rect& o) const {
    return x >= o.x && y >= o.y && right() <= o.right() && bottom() <= o.bottom();
  }
  bool overlaps(const Rect& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
};

Rect centred(int cx, int cy, int w, int h) { return {cx - w / 2, cy - h / 2, w, h}; }

std::string describe(const Rect& r) {
  std::ostringstream s;
  s << "(" << r.x << ", " << r.y << ", " << r.w << " x " << r.h << ")";
  return s.str();
}

// The panel as shown (offset 0): its main part and the eye part under it.
struct Panel {
  Picture main = load(assets::SHOP_PANEL_MAIN);
  Picture edge = load(assets::SHOP_PANEL_RIGHT);
  Picture eye = load(assets::SHOP_PANEL_EYE);
  Picture slot = load(assets::SHOP_ITEM_SLOT);
  bool loaded() const { return main.pixels && edge.pixels && eye.pixels && slot.pixels; }
  Rect mainRect() const { return {0, 0, main.width(), main.height()}; }
  Rect eyeRect() const { return {0, main.height(), eye.width(), eye.height()}; }
  // Slot i as drawn (centred on x 52) and as hit (centred on x 50, 2 px lower).
  Rect slotDrawn(int i) const {
    return centred(52, 125 + i * slot.height(), slot.width(), slot.height());
  }
  Rect slotHit(int i) const {
    return centred(50, 127 + i * slot.height(), slot.width(), slot.height());
  }
};

// The star count is written with whitesmall_22 from y 0 at scale 1.
constexpr int kStarCountBottom = 30;

TEST(TreeScreenArt, PanelPartsMeetAndHoldTheStarCountAndSixSlots) {
  Panel p;
  ASSERT_TRUE(p.loaded());
  // The star count is centred on x 86: the middle of the main part.
  EXPECT_NEAR(p.main.width() / 2.0, 86, 2);
  EXPECT_EQ(p.edge.height(), p.main.height());
  EXPECT_LE(p.main.width() + p.edge.width(), 240) << "the panel must leave the tree free";
  EXPECT_LE(p.eyeRect().bottom(), 600);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    for (const Rect& r : {p.slotDrawn(i), p.slotHit(i)}) {
      EXPECT_GE(r.y, kStarCountBottom) << describe(r);
      EXPECT_LE(r.bottom(), p.main.height()) << describe(r);
      EXPECT_GE(r.x, 0) << describe(r);
    }
    if (i > 0) {
      EXPECT_FALSE(p.slotDrawn(i).overlaps(p.slotDrawn(i - 1)));
    }
  }
}

// The seams between the parts must not show: where they meet, both sides are glass.
TEST(TreeScreenArt, PanelSeamsAreSolidOnBothSides) {
  Panel p;
  ASSERT_TRUE(p.loaded());
  for (int y = 40; y < p.main.height() - 40; y += 10) {
    EXPECT_GT(p.main.alpha(p.main.width() - 1, y), 180) << y;
    EXPECT_GT(p.edge.alpha(0, y), 180) << y;
  }
  for (int x = 10; x < p.eye.width() - 20; x += 10) {
    EXPECT_GT(p.main.alpha(x, p.main.height() - 1), 180) << x;
    EXPECT_GT(p.eye.alpha(x, 0), 180) << x;
  }
}

struct Tab {
  Rect resting, chosen;
};

std::vector<Tab> readTabs(int restingW, int restingH, int chosenW, int chosenH) {
  TRCMFile file(kAssets + "/data/kategorie.dat");
  std::vector<Tab> tabs;
  for (int k = 1; k <= 5; ++k) {
    const std::string group = "kategorie::k" + std::to_string(k) + "::";
    auto at = [&](const char* key, int index) {
      return static_cast<int>(file.getFloat(group + key, index));
    };
    tabs.push_back({{at("pos", 0), at("pos", 1), restingW, restingH},
                    {at("cpos", 0), at("cpos", 1), chosenW, chosenH}});
  }
  return tabs;
}

TEST(TreeScreenArt, TabsSitOnThePanelApartFromTheSlotsAndEachOther) {
  Panel p;
  ASSERT_TRUE(p.loaded());
  std::vector<Picture> resting, chosen;
  for (int k = 0; k < 5; ++k) {
    resting.push_back(load(assets::SHOP_TABS_INACTIVE[k]));
    chosen.push_back(load(assets::SHOP_TABS_ACTIVE[k]));
    ASSERT_TRUE(resting.back().pixels && chosen.back().pixels) << k;
    EXPECT_EQ(resting[k].width(), resting[0].width()) << k;
    EXPECT_EQ(resting[k].height(), resting[0].height()) << k;
    EXPECT_EQ(chosen[k].width(), chosen[0].width()) << k;
    EXPECT_EQ(chosen[k].height(), chosen[0].height()) << k;
  }
  EXPECT_GT(chosen[0].width(), resting[0].width());
  const auto tabs =
      readTabs(resting[0].width(), resting[0].height(), chosen[0].width(), chosen[0].height());
  for (size_t k = 0; k < tabs.size(); ++k) {
    SCOPED_TRACE(k);
    const Tab& t = tabs[k];
    EXPECT_TRUE(t.resting.inside(p.mainRect())) << describe(t.resting);
    EXPECT_TRUE(t.chosen.inside(p.mainRect())) << describe(t.chosen);
    EXPECT_TRUE(t.resting.inside(t.chosen)) << "the chosen tab covers its resting place";
    EXPECT_GE(t.resting.y, kStarCountBottom);
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(t.resting.overlaps(p.slotHit(i))) << i;
    for (size_t j = 0; j < k; ++j) EXPECT_FALSE(t.resting.overlaps(tabs[j].resting)) << j;
  }
}

// A mid-handled picture turned or drawn over the scene must show no box: its border is clear.
TEST(TreeScreenArt, MidHandledPicturesHaveClearBordersAndAVisibleMiddle) {
  const std::string paths[] = {
      assets::TREE_SUN[0],  assets::TREE_SUN[1],          assets::TREE_SUN[2],   assets::TREE_BIN,
      assets::SIGN_BLOCKED, assets::SIGN_BLOCKED_PRESENT, assets::SHOP_ITEM_SLOT};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    Picture p = load(path);
    ASSERT_TRUE(p.pixels);
    int border = 0;
    for (int x = 0; x < p.width(); ++x)
      border = std::max({border, p.alpha(x, 0), p.alpha(x, p.height() - 1)});
    for (int y = 0; y < p.height(); ++y)
      border = std::max({border, p.alpha(0, y), p.alpha(p.width() - 1, y)});
    EXPECT_EQ(border, 0);
    int middle = 0;
    for (int y = p.height() / 3; y < p.height() * 2 / 3; ++y)
      for (int x = p.width() / 3; x < p.width() * 2 / 3; ++x)
        middle = std::max(middle, p.alpha(x, y));
    EXPECT_GT(middle, 100);
  }
}

// The ray crowns turn: outside the circle they turn in they must be empty, or a corner of the
// square would sweep across the sky.
TEST(TreeScreenArt, SunRaysStayInsideTheirTurningCircle) {
  for (int k = 1; k <= 2; ++k) {
    SCOPED_TRACE(k);
    Picture p = load(assets::TREE_SUN[k]);
    ASSERT_TRUE(p.pixels);
    const double r = std::min(p.width(), p.height()) / 2.0;
    int outside = 0;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) {
        const double dx = x + 0.5 - p.width() / 2.0, dy = y + 0.5 - p.height() / 2.0;
        if (dx * dx + dy * dy > r * r) outside = std::max(outside, p.alpha(x, y));
      }
    EXPECT_EQ(outside, 0);
  }
}

// Until something is picked up the bin waits behind the play button's backing, which must hide
// it: the bin lies inside the backing, and the backing is solid wherever the bin shows.
TEST(TreeScreenArt, TheBackingHidesTheBinInTheCorner) {
  Picture bin = load(assets::TREE_BIN), backing = load(assets::SHOP_PLAY_BACK);
  ASSERT_TRUE(bin.pixels && backing.pixels);
  const Rect back{800 - backing.width(), 600 - backing.height(), backing.width(), backing.height()};
  const Rect binRect = centred(750, 560, bin.width(), bin.height());
  EXPECT_TRUE(binRect.inside({back.x, back.y, back.w, back.h + 10})) << describe(binRect);
  int weakest = 255;
  for (int y = 0; y < bin.height(); ++y)
    for (int x = 0; x < bin.width(); ++x) {
      const int sx = binRect.x + x - back.x, sy = binRect.y + y - back.y;
      if (bin.alpha(x, y) < 16 || sx < 0 || sy < 0 || sx >= back.w || sy >= back.h) continue;
      weakest = std::min(weakest, backing.alpha(sx, sy));
    }
  EXPECT_GE(weakest, 235);
}

struct Button {
  std::string name;
  int x = 0, y = 0;
  Picture sheet;
  int cellW() const { return sheet.width() / 4; }
  Rect rect() const { return centred(x, y, cellW(), sheet.height()); }
};

std::vector<Button> readButtons() {
  std::ifstream in(kAssets + "/" + assets::GUI_TREE_SCREEN);
  std::stringstream text;
  text << in.rdbuf();
  std::vector<Button> buttons;
  for (const GuiDeclaration& d : TGui::stworzListyTokenow(text.str())) {
    if (d.type != "BUTTON") continue;
    Button b;
    b.name = d.name;
    std::istringstream(guiEntry(d.entries, "POSITION")) >> b.x >> b.y;
    EXPECT_EQ(guiEntry(d.entries, "TYP"), "FSTEP_BUTTON") << d.name;
    b.sheet = load(kFolder + guiEntry(d.entries, "GFX"));
    buttons.push_back(std::move(b));
  }
  return buttons;
}

const Button* find(const std::vector<Button>& buttons, const std::string& name) {
  for (const Button& b : buttons)
    if (b.name == name) return &b;
  return nullptr;
}

// The screen sets the buttons' x (PLAY 730, eye 45, the arrows 50 with the panel shown); the
// layout gives their y. Each must sit on its own part of the panel or on the backing.
TEST(TreeScreenArt, LayoutButtonsSitOnTheirParts) {
  Panel p;
  Picture backing = load(assets::SHOP_PLAY_BACK);
  ASSERT_TRUE(p.loaded() && backing.pixels);
  const auto buttons = readButtons();
  const Button *play = find(buttons, "PLAY"), *next = find(buttons, "next"),
               *prev = find(buttons, "prev"), *eye = find(buttons, "eye");
  ASSERT_TRUE(play && next && prev && eye);
  for (const Button* b : {play, next, prev, eye}) {
    SCOPED_TRACE(b->name);
    ASSERT_TRUE(b->sheet.pixels);
    EXPECT_EQ(b->sheet.width() % 4, 0) << "four state cells side by side";
  }
  EXPECT_EQ(play->x, 730);
  EXPECT_EQ(eye->x, 45);
  EXPECT_EQ(next->x, 50);
  EXPECT_EQ(prev->x, 50);
  const Rect back{800 - backing.width(), 600 - backing.height(), backing.width(), backing.height()};
  EXPECT_TRUE(play->rect().inside(back)) << describe(play->rect());
  EXPECT_TRUE(eye->rect().inside(p.eyeRect())) << describe(eye->rect());
  for (const Button* arrow : {prev, next}) {
    SCOPED_TRACE(arrow->name);
    EXPECT_TRUE(arrow->rect().inside(p.mainRect())) << describe(arrow->rect());
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(arrow->rect().overlaps(p.slotHit(i))) << i;
  }
  EXPECT_LE(prev->rect().bottom(), p.slotHit(0).y) << "prev above the slots";
  EXPECT_GE(prev->rect().y, kStarCountBottom);
  EXPECT_GE(next->rect().y, p.slotHit(5).bottom()) << "next below the slots";
}

struct Rgb {
  int r, g, b;
};

Rgb colour(const Picture& p, int x, int y) {
  return {p.channel(x, y, 16), p.channel(x, y, 8), p.channel(x, y, 0)};
}

int distance(const Rgb& a, const Rgb& b) {
  return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// The smoke rises from (256, 204): by night and by day a chimney stands just below that point,
// one colour from top to roof and plainly set off from the sky on either side and above.
TEST(TreeScreenArt, BackgroundsHaveTheirSizeAndTheChimneyUnderTheSmoke) {
  for (const char* path : {assets::TREE_BACK_NIGHT, assets::TREE_BACK_DAY}) {
    SCOPED_TRACE(path);
    Picture p = load(path);
    ASSERT_TRUE(p.pixels);
    EXPECT_EQ(p.width(), 800);
    EXPECT_EQ(p.height(), 600);
    const Rgb chimney = colour(p, 256, 210);
    EXPECT_LT(distance(chimney, colour(p, 256, 214)), 40);
    for (const auto& [x, y] : {std::pair{238, 210}, std::pair{274, 210}, std::pair{256, 196}})
      EXPECT_GT(distance(chimney, colour(p, x, y)), 60) << x << ", " << y;
  }
}

}  // namespace
