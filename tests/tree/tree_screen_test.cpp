// The tree screen's shop and hand, played through the screen's own update parts with the
// pointer set by hand: buying, the star's replacement, chains, the bin, paging, day and night.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "datafile/AssetNames.h"
#include "platform/files.h"
#include "support/TestScreenContext.h"
#include "tree/ITreeProfile.h"
#include "tree/ITreeSounds.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeScreen.h"
#include "tree/TreeFixture.h"
#include "tree/TreeScreenContext.h"

namespace {

class FakeProfile : public ITreeProfile {
 public:
  std::vector<TElementChoinkiPtr> tree;
  int starCount = 100;
  int level = 1;
  int saves = 0;
  bool hasPlayer() const override { return true; }
  std::vector<TElementChoinkiPtr>& decorations() override { return tree; }
  int stars() const override { return starCount; }
  void addStars(int amount) override { starCount += amount; }
  int levelNumber() const override { return level; }
  void saveProfile() override { ++saves; }
};

class CountingSounds : public ITreeSounds {
 public:
  int overs = 0, puts = 0;
  void overSound() override { ++overs; }
  void playPut() override { ++puts; }
  void playMyMusic(const std::string&) override {}
};

class TreeScreenTest : public ::testing::Test, public TreeScreenContext {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    oldDir_ = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    ::testing::internal::CaptureStdout();
    screen.setup();
    screen.prepare();
    ::testing::internal::GetCapturedStdout();
    screen.fade = 0;
  }
  void TearDown() override {
    globalParticles.clear();
    platform::ChangeDir(oldDir_);
  }
  TTreeStage& treeStage() override { return stage; }
  TShopCatalogue& shop() override { return catalogue; }
  ITreeProfile& treeProfile() override { return profile; }
  ITreeSounds& treeSounds() override { return sounds; }

  // One frame of the screen's shop and hand with the pointer at (x, y).
  void frame(int x, int y, bool left = false, bool right = false) {
    TMouse& mouse = context.pointer;
    mouse.x = x;
    mouse.y = y;
    mouse.leftPressed = left;
    mouse.rightPressed = right;
    ::testing::internal::CaptureStdout();
    screen._updatePer();
    screen._updateProdukty();
    screen._updateChoinka(1);
    screen._updatePicked();
    screen._updateKosz();
    screen._controlMOUSE();
    ::testing::internal::GetCapturedStdout();
  }
  void choose(int tab) { screen.pickCategory(catalogue.kategorie[size_t(tab)]); }
  TElementDataPtr product(int tab, int index) {
    return catalogue.kategorie[size_t(tab)]->produkty[size_t(index)];
  }
  // A point on the tree's needles.
  static constexpr int kTreeX = 458, kTreeY = 330;

  testsupport::TestScreenContext context;
  TZBuffer zbuffer;
  TTreeStage stage{zbuffer, context.pointer};
  TShopCatalogue catalogue{stage};
  FakeProfile profile;
  CountingSounds sounds;
  TTreeScreen screen{context, *this};

 private:
  std::string oldDir_;
};

TEST_F(TreeScreenTest, ProductsTooDearAreNeitherHoveredNorTaken) {
  choose(0);
  profile.starCount = 0;
  frame(50, 127, true);
  EXPECT_FALSE(screen.over);
  EXPECT_FALSE(screen.picked);
  profile.starCount = 1000;
  frame(50, 127, true);
  EXPECT_EQ(screen.picked, product(0, 0));
  EXPECT_EQ(screen.EVENT_PLAYER_PICKED, 1);
  EXPECT_EQ(sounds.overs, 1);
}

TEST_F(TreeScreenTest, BaubleIsPaidWhenItIsHungOnTheTree) {
  screen.pickProduct(product(0, 0));
  frame(20, 20, true);  // off the tree: nothing happens
  EXPECT_TRUE(screen.picked);
  EXPECT_EQ(profile.starCount, 100);
  frame(kTreeX, kTreeY, true);
  EXPECT_FALSE(screen.picked);
  ASSERT_EQ(profile.tree.size(), 1u);
  EXPECT_EQ(profile.starCount, 100 - product(0, 0)->cena);
  EXPECT_EQ(sounds.puts, 1);
  EXPECT_EQ(screen.EVENT_TREE_PUT, 1);
}

TEST_F(TreeScreenTest, SecondStarReplacesTheFirstAndRefundsIt) {
  std::vector<TElementDataPtr> stars;
  for (const auto& p : catalogue.catalogueOzdobki)
    if (p->isStar()) stars.push_back(p);
  ASSERT_GE(stars.size(), 2u);
  profile.starCount = 500;
  screen.pickProduct(stars[0]);
  frame(screen.czubekX + 10, screen.czubekY - 10, true);
  ASSERT_EQ(profile.tree.size(), 1u);
  EXPECT_FLOAT_EQ(profile.tree[0]->x, float(screen.czubekX));  // snapped to the top
  screen.pickProduct(stars[1]);
  frame(screen.czubekX, screen.czubekY, true);
  ASSERT_EQ(profile.tree.size(), 1u);
  EXPECT_EQ(profile.tree[0]->data, stars[1]);
  EXPECT_EQ(profile.starCount, 500 - stars[1]->cena);
}

TEST_F(TreeScreenTest, ChainIsPaidOnItsSecondClickAndMovedForFree) {
  const auto chain = catalogue.catalogueLancuchy.front();
  screen.pickProduct(chain);
  EXPECT_EQ(screen.chainStep, 1);
  frame(kTreeX - 40, kTreeY, true);
  EXPECT_EQ(profile.starCount, 100);  // the first end costs nothing
  frame(kTreeX + 150, kTreeY, true);  // more than 100 pixels away: cannot end there
  EXPECT_TRUE(profile.tree.empty());
  frame(kTreeX + 40, kTreeY + 10, true);
  ASSERT_EQ(profile.tree.size(), 1u);
  EXPECT_EQ(profile.starCount, 100 - chain->cena);

  // Taken off the tree and hung again: free.
  screen.pickObjectFromTree(profile.tree[0]);
  EXPECT_TRUE(profile.tree.empty());
  EXPECT_EQ(screen.picked, chain);
  frame(kTreeX - 30, kTreeY, true);
  frame(kTreeX + 30, kTreeY, true);
  EXPECT_EQ(profile.tree.size(), 1u);
  EXPECT_EQ(profile.starCount, 100 - chain->cena);

  // Taken off and thrown away: refunded. A new chain binned between its clicks: nothing.
  screen.pickObjectFromTree(profile.tree[0]);
  screen.wyrzuc();
  EXPECT_EQ(profile.starCount, 100);
  screen.pickProduct(chain);
  frame(kTreeX - 30, kTreeY, true);
  screen.wyrzuc();
  EXPECT_EQ(profile.starCount, 100);
  EXPECT_TRUE(profile.tree.empty());
}

TEST_F(TreeScreenTest, RightClickDropsOnlyAHeldProduct) {
  screen.pickProduct(product(0, 1));
  frame(kTreeX, kTreeY, true);
  ASSERT_EQ(profile.tree.size(), 1u);
  const int stars = profile.starCount;
  // Moving a bauble: a right click changes nothing.
  screen.pickObjectFromTree(profile.tree[0]);
  frame(kTreeX + 5, kTreeY, false, true);
  EXPECT_EQ(screen.pickedOb, profile.tree[0]);
  frame(kTreeX + 10, kTreeY + 5, true);
  EXPECT_FALSE(screen.pickedOb);
  EXPECT_FLOAT_EQ(profile.tree[0]->x, float(kTreeX + 10));
  // A chain taken off the tree and dropped with a right click is gone, without a refund.
  screen.pickProduct(catalogue.catalogueLancuchy.front());
  frame(kTreeX - 30, kTreeY, true);
  frame(kTreeX + 30, kTreeY, true);
  const int paid = profile.starCount;
  EXPECT_LT(paid, stars);
  screen.pickObjectFromTree(profile.tree.back());
  frame(0, 0, false, true);
  EXPECT_FALSE(screen.picked);
  EXPECT_EQ(profile.tree.size(), 1u);
  EXPECT_EQ(profile.starCount, paid);
}

TEST_F(TreeScreenTest, PresentsStandOnlyOnTheGround) {
  choose(4);
  const auto present = product(4, 0);
  for (const auto& [y, put] : {std::pair{489, false}, {490, true}, {580, true}, {581, false}}) {
    SCOPED_TRACE(y);
    screen.pickProduct(present);
    EXPECT_EQ(screen.getChoinkaOVer(300, y), put);
    screen.picked = nullptr;
  }
}

TEST_F(TreeScreenTest, SevenProductsPageOnce) {
  TKategoriaPtr tab = catalogue.kategorie[0];
  tab->produkty.resize(7);
  screen.pickCategory(tab);
  EXPECT_TRUE(screen.canBeNext());
  EXPECT_FALSE(screen.canBePrev());
  screen.goNext();
  EXPECT_FALSE(screen.canBeNext());
  EXPECT_TRUE(screen.canBePrev());
  const auto shown = screen.getVisibleProductsList();
  ASSERT_EQ(shown.size(), 6u);
  EXPECT_EQ(shown.front(), tab->produkty[1]);
  EXPECT_EQ(shown.back(), tab->produkty[6]);
  screen.goPrev();
  EXPECT_EQ(screen.getVisibleProductsList().front(), tab->produkty[0]);
}

TEST_F(TreeScreenTest, DayTreeBeforeEveryFourthLevel) {
  for (const auto& [level, day] : {std::pair{4, true}, {8, true}, {3, false}, {1, false}}) {
    SCOPED_TRACE(level);
    profile.level = level;
    screen.prepare();
    EXPECT_EQ(screen.gfx == screen.gfxDay, day);
    EXPECT_EQ(stage.layers().images()[0], day ? screen.choinkaDay[0] : screen.choinkaNight[0]);
  }
}

TEST_F(TreeScreenTest, EyeHidesThePanelUntilTheNextClick) {
  screen.goEye();
  EXPECT_EQ(screen.dHidePer, 0);
  EXPECT_EQ(screen.dKoszPer, 0);
  frame(300, 300);
  EXPECT_EQ(screen.dHidePer, 0);
  frame(300, 300, true);
  EXPECT_EQ(screen.dHidePer, 1.0f);
}

TEST_F(TreeScreenTest, LeavingSavesTheProfileAndFadesOut) {
  screen.goExit();
  EXPECT_EQ(profile.saves, 1);
  EXPECT_EQ(screen.wynik, "MAIN-GAME");
  for (int i = 0; i < 200 && screen.dFade < 1.0f; ++i) frame(300, 300);
  EXPECT_EQ(screen.dFade, 1.0f);
}

}  // namespace

namespace {

// The whole screen as a player sees it, by day and by night, with decorations of every kind;
// the pictures go to the build's preview folder.
TEST_F(TreeScreenTest, DayAndNightScreensShowTheirSkyAndTheShop) {
  const int hang[][2] = {{420, 200}, {500, 260}, {400, 330}, {520, 380}, {450, 430}};
  int i = 0;
  for (const auto& tab : catalogue.kategorie) {
    if (tab->id == 4 || tab->id == 5) continue;
    for (size_t p = 0; p < 2 && p < tab->produkty.size(); ++p) {
      screen.pickProduct(tab->produkty[p]);
      profile.starCount = 1000;
      frame(hang[i % 5][0] + 7 * int(p), hang[i % 5][1] + 11 * int(p), true);
      ++i;
    }
  }
  ASSERT_GE(profile.tree.size(), 5u);
  platform::SetAlwaysRender(true);
  std::filesystem::create_directories(GLIMMERFIR_PREVIEW_DIR);
  for (const auto& [level, name] :
       {std::pair{4, "tree-screen-day.png"}, {5, "tree-screen-night.png"}}) {
    SCOPED_TRACE(name);
    profile.level = level;
    screen.prepare();
    // A few seconds: the screen fades in and the panel slides out.
    for (int f = 0; f < 150; ++f) {
      ::testing::internal::CaptureStdout();
      platform::Cls();
      screen.update();
      screen.draw();
      platform::Flip(-1);
      ::testing::internal::GetCapturedStdout();
    }
    EXPECT_EQ(screen.per, 1.0f);
    const uint32_t sky = platform::ScreenPixel(370, 70) & 0xFFFFFF;
    const uint32_t tree = platform::ScreenPixel(458, 300) & 0xFFFFFF;
    EXPECT_NE(sky, tree);
    platform::SaveScreenshot(std::string(GLIMMERFIR_PREVIEW_DIR) + "/" + name);
  }
  platform::SetAlwaysRender(false);
}

}  // namespace
