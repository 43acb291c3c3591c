// The whole shop as the game loads it from the asset folder: what it offers, a contact sheet
// of every product, and the tree by night and by day with thirty decorations hung through the
// game's own classes. The pictures are written to the build's preview folder for a look.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "datafile/AssetNames.h"
#include "platform/files.h"
#include "tree/DecorationFactory.h"
#include "tree/TBombkaData.h"
#include "tree/TOzdobkaData.h"
#include "tree/TShopCatalogue.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeFixture.h"

namespace {

constexpr uint32_t kNightSky = 0xFF14264F;
constexpr uint32_t kDaySky = 0xFFA9CBEA;

class ShopPreviewTest : public treetest::TreeFixture {
 protected:
  void SetUp() override {
    TreeFixture::SetUp();
    oldDir = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    testing::internal::CaptureStdout();
    catalogue.load(assets::DATA_CATEGORIES);
    log = testing::internal::GetCapturedStdout();
    std::filesystem::create_directories(GLIMMERFIR_PREVIEW_DIR);
    platform::SetAlwaysRender(true);
  }
  void TearDown() override {
    platform::ChangeDir(oldDir);
    TreeFixture::TearDown();
  }
  static std::string previewPath(const std::string& name) {
    return std::string(GLIMMERFIR_PREVIEW_DIR) + "/" + name;
  }
  static void clear(uint32_t argb) {
    platform::SetClsColor(int(argb >> 16 & 255), int(argb >> 8 & 255), int(argb & 255));
    platform::Cls();
  }
  static bool differs(int x, int y, uint32_t argb) {
    return (platform::ScreenPixel(x, y) & 0xFFFFFF) != (argb & 0xFFFFFF);
  }
  void useTree(const TTreeLayers::Paths& paths) {
    const auto images = TTreeLayers::loadImages(paths);
    for (size_t n = 0; n < images.size(); ++n) ASSERT_TRUE(images[n]) << paths[n];
    stage.layers().setImages(images);
  }
  // A point on the tree's needles, picked by a fixed walk so every run hangs the same tree.
  bool onTree(int x, int y) const {
    for (int n = 0; n < 5; ++n)
      if (stage.layers().covers(n, x, y)) return true;
    return false;
  }
  std::pair<int, int> spotOnTree(int i) const {
    for (int tries = 0; tries < 400; ++tries) {
      const int k = i * 37 + tries * 11;
      const int y = 150 + (k * 53) % 340;
      const int x = 458 - 170 + (k * 97) % 340;
      if (onTree(x, y)) return {x, y};
    }
    return {458, 300};
  }
  std::vector<TElementChoinkiPtr> thirtyDecorations() {
    std::vector<TElementChoinkiPtr> all;
    int spot = 0;
    auto place = [&](auto make, const std::vector<TElementDataPtr>& list, int count) {
      for (int i = 0; i < count && !list.empty(); ++i) {
        const auto [x, y] = spotOnTree(spot++);
        all.push_back(make(list[size_t(i) % list.size()], x, y));
      }
    };
    auto star = std::find_if(catalogue.catalogueOzdobki.begin(), catalogue.catalogueOzdobki.end(),
                             [](const auto& p) { return p->isStar(); });
    if (star != catalogue.catalogueOzdobki.end())
      all.push_back(createOzdobka(std::static_pointer_cast<TOzdobkaData>(*star), 458, 100));
    std::vector<TElementDataPtr> ornaments;
    for (const auto& p : catalogue.catalogueOzdobki)
      if (!p->isStar()) ornaments.push_back(p);
    place(
        [](const TElementDataPtr& p, int x, int y) -> TElementChoinkiPtr {
          return createLampka(std::static_pointer_cast<TLampkaData>(p), float(x), float(y));
        },
        catalogue.catalogueLampki, 9);
    place(
        [](const TElementDataPtr& p, int x, int y) -> TElementChoinkiPtr {
          return createBombka(std::static_pointer_cast<TBombkaData>(p), float(x), float(y));
        },
        catalogue.catalogueBombki, 8);
    place(
        [](const TElementDataPtr& p, int x, int y) -> TElementChoinkiPtr {
          return createOzdobka(std::static_pointer_cast<TOzdobkaData>(p), float(x), float(y));
        },
        ornaments, 6);
    const int chainEnds[3][4] = {{380, 250, 470, 262}, {330, 360, 430, 372}, {470, 420, 580, 410}};
    for (int i = 0; i < 3 && !catalogue.catalogueLancuchy.empty(); ++i)
      all.push_back(createLancuch(
          std::static_pointer_cast<TLancuchData>(catalogue.catalogueLancuchy[size_t(i)]),
          float(chainEnds[i][0]), float(chainEnds[i][1]), float(chainEnds[i][2]),
          float(chainEnds[i][3])));
    const int presents[3][2] = {{400, 515}, {520, 545}, {330, 570}};
    for (int i = 0; i < 3 && i < int(catalogue.catalogueDekoracje.size()); ++i)
      all.push_back(createDekor(
          std::static_pointer_cast<TDekorData>(catalogue.catalogueDekoracje[size_t(i) * 2]),
          float(presents[i][0]), float(presents[i][1])));
    return all;
  }
  void renderTree(uint32_t sky, const std::vector<TElementChoinkiPtr>& decorations) {
    clear(sky);
    queueDecorations(decorations);
    drawTreeAndDecorations(stage, decorations);
  }

  std::string oldDir, log;
  TShopCatalogue catalogue{stage};
};

TEST_F(ShopPreviewTest, EveryTabOffersARealChoice) {
  ASSERT_EQ(catalogue.kategorie.size(), 5u);
  const size_t least[5] = {10, 10, 8, 6, 8};
  std::set<int> starPrices;
  for (size_t k = 0; k < 5; ++k) {
    const auto& tab = *catalogue.kategorie[k];
    EXPECT_EQ(tab.id, int(k) + 1);
    EXPECT_GE(tab.produkty.size(), least[k]) << tab.tytul;
    for (const auto& p : tab.produkty) {
      SCOPED_TRACE(p->tytul);
      EXPECT_GE(p->cena, 5);
      EXPECT_LE(p->cena, 150);
      EXPECT_NEAR(p->scale, 1.0f, 0.25f);
      // The hanging point lies on the picture.
      EXPECT_LT(p->hx, platform::ImageWidth(p->gfx));
      EXPECT_LT(p->hy, platform::ImageHeight(p->gfx));
      if (p->isStar()) starPrices.insert(p->cena);
      if (auto* bulb = dynamic_cast<TLampkaData*>(p.get())) {
        EXPECT_TRUE(bulb->light);
      }
    }
  }
  EXPECT_GE(starPrices.size(), 2u);
  EXPECT_EQ(log.find("Napotkano problem"), std::string::npos) << log;
}

TEST_F(ShopPreviewTest, ContactSheetShowsEveryProduct) {
  constexpr int kCell = 80;
  clear(kNightSky);
  int cell = 0;
  std::vector<std::pair<int, int>> centres;
  for (const auto& tab : catalogue.kategorie) {
    for (const auto& p : tab->produkty) {
      const int cx = kCell / 2 + (cell % 10) * kCell, cy = kCell / 2 + (cell / 10) * kCell;
      platform::SetScale(1, 1);
      if (auto* chain = dynamic_cast<TLancuchData*>(p.get()))
        chain->drawMe(float(cx - 30), float(cy - 20), float(cx + 30), float(cy - 20));
      else
        p->draw(cx, cy);
      centres.emplace_back(cx, cy);
      ++cell;
    }
  }
  ASSERT_FALSE(centres.empty());
  for (size_t i = 0; i < centres.size(); ++i) {
    int lit = 0;
    for (int y = -35; y < 35; ++y)
      for (int x = -35; x < 35; ++x)
        lit += differs(centres[i].first + x, centres[i].second + y, kNightSky);
    EXPECT_GT(lit, 40) << "product " << i << " is nearly invisible";
  }
  platform::SaveScreenshot(previewPath("shop-catalogue.png"));
}

TEST_F(ShopPreviewTest, TreeByNightAndByDayWithThirtyDecorations) {
  struct Scene {
    const char* name;
    const TTreeLayers::Paths& layers;
    uint32_t sky;
  };
  const Scene scenes[] = {{"tree-night.png", assets::TREE_LAYERS_NIGHT, kNightSky},
                          {"tree-day.png", assets::TREE_LAYERS_DAY, kDaySky}};
  for (const Scene& scene : scenes) {
    SCOPED_TRACE(scene.name);
    useTree(scene.layers);
    // The tree alone: its needles reach from the top down to the ground.
    renderTree(scene.sky, {});
    EXPECT_TRUE(differs(458, 140, scene.sky));
    EXPECT_TRUE(differs(458, 480, scene.sky));
    EXPECT_FALSE(differs(120, 300, scene.sky));
    const auto decorations = thirtyDecorations();
    EXPECT_EQ(decorations.size(), 30u);
    for (const auto& d : decorations) d->update();
    renderTree(scene.sky, decorations);
    // The star crowns the tree above its tip.
    EXPECT_TRUE(differs(458, 80, scene.sky));
    platform::SaveScreenshot(previewPath(scene.name));
  }
}

}  // namespace
