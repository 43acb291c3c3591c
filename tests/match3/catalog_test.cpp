#include <gtest/gtest.h>

#include <vector>

#include "CatalogFixture.h"
#include "gui/TRGB.h"
#include "platform/platform.h"

using CatalogTest = CatalogFixture;

TEST_F(CatalogTest, TilesReadTheirCountKindsColoursPicturesAndPoints) {
  // "tiles::i" = 3: the fourth entry of the file is not a kind.
  ASSERT_EQ(catalog->tiles().size(), 3u);
  EXPECT_EQ(catalog->getTileData(4), nullptr);

  struct Case {
    int id, partN, punkty, red, green, blue;
  };
  for (const Case& c : {Case{1, 12, 5, 232, 52, 59}, Case{2, 7, 0, 63, 163, 77}}) {
    SCOPED_TRACE(c.id);
    const auto kind = catalog->getTileData(c.id);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->partN, c.partN);
    EXPECT_EQ(kind->punkty, c.punkty);
    ASSERT_NE(kind->rgb, nullptr);
    EXPECT_EQ(kind->rgb->r, c.red);
    EXPECT_EQ(kind->rgb->g, c.green);
    EXPECT_EQ(kind->rgb->b, c.blue);
    const int sizes[4] = {64, 50, 42, 32};
    for (int k = 0; k < 4; ++k) {
      ASSERT_NE(kind->img[k], nullptr);
      EXPECT_EQ(platform::ImageWidth(kind->img[k]), sizes[k]);
      EXPECT_FLOAT_EQ(platform::ImageXHandle(kind->img[k]), sizes[k] / 2.0f);
    }
  }
}

TEST_F(CatalogTest, PointsFollowTheParticleNumber) {
  const int table[][2] = {{11, 10}, {12, 5}, {13, 1}, {14, 3}, {7, 0}, {0, 0}, {15, 0}};
  for (const auto& row : table) EXPECT_EQ(pointsForParticle(row[0]), row[1]) << row[0];
}

TEST_F(CatalogTest, BonusesAreStripsOfTheirFrameCountAtEverySize) {
  ASSERT_EQ(catalog->bonusy().size(), 2u);
  const auto bomb = catalog->getBonus(105);
  ASSERT_NE(bomb, nullptr);
  EXPECT_EQ(bomb->maxFrames, 4);
  EXPECT_EQ(bomb->moc, 2);
  EXPECT_EQ(bomb->rgb, nullptr);
  for (const auto& strip : bomb->img) {
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(platform::ImageFrames(strip), 4);
    EXPECT_EQ(platform::ImageWidth(strip), 42);
    EXPECT_FLOAT_EQ(platform::ImageXHandle(strip), 21.0f);
  }
}

TEST_F(CatalogTest, IdsAboveOneHundredAreLookedUpAmongTheBonuses) {
  // A tile kind with id 105 exists too, but the bonus wins.
  EXPECT_EQ(catalog->getTileData(105), catalog->getBonus(105));
  EXPECT_NE(catalog->getTileData(105)->rgb.get(), catalog->tiles()[2]->rgb.get());
  // 100 is no bonus id: only the tiles are searched, and none has it.
  EXPECT_NE(catalog->getBonus(100), nullptr);
  EXPECT_EQ(catalog->getTileData(100), nullptr);
  EXPECT_EQ(catalog->getTileData(1), catalog->tiles()[0]);
}

TEST_F(CatalogTest, TilesetsReadZeroToCountWithSharedChainAndSparklePictures) {
  // "tilesets::i" = 3 reads set0..set3; set4 stays out.
  ASSERT_EQ(catalog->tileBacks().size(), 4u);
  EXPECT_EQ(catalog->getTileBack(9), nullptr);
  const auto plate = catalog->getTileBack(4);
  ASSERT_NE(plate, nullptr);
  EXPECT_EQ(plate->matches, 2);
  EXPECT_EQ(platform::ImageWidth(plate->img[2]), 42);
  const auto& art = catalog->tileBackArt();
  ASSERT_EQ(plate->art, art);
  for (int k = 0; k < 4; ++k) {
    EXPECT_NE(art->lancuch1[k], nullptr);
    EXPECT_NE(art->lancuch2[k], nullptr);
    ASSERT_NE(art->blink[k], nullptr);
    EXPECT_EQ(platform::ImageFrames(art->blink[k]), 9);
  }
  EXPECT_EQ(plate->chainOverlay(1, 2), art->lancuch1[2]);
  EXPECT_EQ(plate->chainOverlay(2, 2), art->lancuch2[2]);
  EXPECT_EQ(plate->chainOverlay(0, 2), nullptr);
}

TEST_F(CatalogTest, PlateByMatchesSkipsTheNoCellTileset) {
  // set0 (id 0) and set1 (id 1) both need 0 matches; the no-cell one is never a result.
  const int table[][2] = {{0, 1}, {1, 2}, {2, 4}};
  for (const auto& row : table) {
    const auto set = catalog->getTileBackByMatches(row[0]);
    ASSERT_NE(set, nullptr) << row[0];
    EXPECT_EQ(set->id, row[1]);
  }
  EXPECT_EQ(catalog->getTileBackByMatches(3), nullptr);
}

TEST_F(CatalogTest, BackgroundsWaitForTheirPictureAndTraceTheLookup) {
  ASSERT_EQ(catalog->backgrounds().size(), 2u);
  std::shared_ptr<TBackGround> found;
  const std::string trace = capturedStdout([&] { found = catalog->getBackground(2); });
  EXPECT_EQ(trace, "BG.id = 1   id : 2\nBG.id = 2   id : 2\n");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->url, "gfx/no-such-back.jpg");
  EXPECT_EQ(found->img, nullptr);

  const auto first = catalog->getBackground(1);
  first->LoadImg();
  ASSERT_NE(first->img, nullptr);
  EXPECT_EQ(platform::ImageWidth(first->img), 80);
  EXPECT_EQ(capturedStdout([&] { EXPECT_EQ(catalog->getBackground(3), nullptr); }),
            "BG.id = 1   id : 3\nBG.id = 2   id : 3\n");
}

TEST_F(CatalogTest, MissingBackgroundPictureIsReportedAndStaysNull) {
  const auto missing = catalog->getBackground(2);
  const std::string out = capturedStdout([&] { missing->LoadImg(); });
  EXPECT_NE(out.find("NO FILE : gfx/no-such-back.jpg"), std::string::npos) << out;
  EXPECT_EQ(missing->img, nullptr);
  missing->draw();  // nothing to draw, and no fault
}

TEST_F(CatalogTest, FramePiecesSitAtTheirTablePositions) {
  const auto first = catalog->getRamka(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->id, 1);
  EXPECT_EQ(first->ax, 3);
  EXPECT_EQ(first->ay, -4);
  EXPECT_FLOAT_EQ(platform::ImageXHandle(first->img), 0.0f);
  EXPECT_EQ(catalog->getRamka(2)->ax, -21);
  // "ramki::i" = 2: piece 3 of the file is not read; positions outside 1..20 are empty.
  for (int n : {3, 0, 21, -1}) EXPECT_EQ(catalog->getRamka(n), nullptr) << n;
  EXPECT_EQ(catalog->sizes(), (std::vector<int>{64, 50, 42, 32}));
}

TEST_F(CatalogTest, MissingCataloguesLeaveEmptyListsAndNullLookups) {
  TTileCatalog empty;
  capturedStdout([&] {
    empty.loadTiles(temp("none.dat"));
    empty.loadBonusy(temp("none.dat"));
    empty.loadTileBacks(temp("none.dat"));
    empty.loadBackgrounds(temp("none.dat"));
    empty.loadRamki(temp("none.dat"));
    empty.loadSizes(temp("none.txt"));
  });
  EXPECT_TRUE(empty.tiles().empty());
  EXPECT_TRUE(empty.bonusy().empty());
  EXPECT_TRUE(empty.tileBacks().empty());
  EXPECT_EQ(empty.getTileData(1), nullptr);
  EXPECT_EQ(empty.getTileBackByMatches(0), nullptr);
  EXPECT_EQ(empty.getBackground(1), nullptr);
  EXPECT_EQ(empty.getRamka(1), nullptr);
  EXPECT_TRUE(empty.sizes().empty());
}

// Hand-edited catalogues: counts far past the file read what is there, and numbers that the
// rules compute with are kept in range.
TEST_F(CatalogTest, DamagedCountsAndNumbersStayWithinBounds) {
  TTileCatalog damaged;
  capturedStdout([&] {
    damaged.loadTiles(writeTemp("tiles.dat",
                                "tiles {\n\ti = 1e10\n\ttile1 {\n\t\tid = 1\n\t\trgb = -4, 300, "
                                "1e20\n\t\tpoints = -1e30\n\t}\n\n}\n"));
    damaged.loadBonusy(writeTemp("bonusy.dat",
                                 "bonusy {\n\ti = 2147483647\n\tbonus1 {\n\t\tid = 101\n\t\t"
                                 "moc = 1e9\n\t\tframes = 1e12\n\t}\n\n\tbonus2 {\n\t\tid = "
                                 "102\n\t\tmoc = -1e9\n\t}\n\n}\n"));
    damaged.loadTileBacks(writeTemp("backs.dat",
                                    "tilesets {\n\ti = 2147483647\n\tset0 {\n\t\tid = 0\n\t}\n\n\t"
                                    "set1 {\n\t\tid = 1\n\t\tmatch = -2147483648\n\t}\n\n}\n"));
    damaged.loadBackgrounds(
        writeTemp("backs2.dat", "backgrounds {\n\ti = 1e30\n\tback2 {\n\t\tid = 2\n\t}\n\n}\n"));
  });
  ASSERT_EQ(damaged.tiles().size(), 1u);
  const auto& tile = *damaged.tiles()[0];
  EXPECT_EQ((std::vector<int>{tile.rgb->r, tile.rgb->g, tile.rgb->b}),
            (std::vector<int>{0, 255, 255}));
  EXPECT_EQ(tile.partN, 0);
  ASSERT_EQ(damaged.bonusy().size(), 2u);
  EXPECT_EQ(damaged.bonusy()[0]->moc, 52);
  EXPECT_EQ(damaged.bonusy()[0]->maxFrames, 1000);
  EXPECT_EQ(damaged.bonusy()[1]->moc, 0);
  ASSERT_EQ(damaged.tileBacks().size(), 2u);
  EXPECT_EQ(damaged.tileBacks()[1]->matches, 0);
  EXPECT_EQ(damaged.getBackground(2), nullptr);  // back1 is missing, so none is read
}

TEST_F(CatalogTest, DrawingSkipsMissingPicturesAndKeepsFramesOnTheStrip) {
  ASSERT_TRUE(platform::Graphics(800, 600));
  platform::SetAlwaysRender(true);
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(1.0f);
  TTileData blank;
  blank.draw(100, 100, 2, 0);
  blank.drawShadow(100, 100, 7, 0, 1.0f);
  EXPECT_EQ(platform::ScreenPixel(100, 100) & 0xFFFFFFu, 0u);

  const auto bomb = catalog->getBonus(105);
  struct Case {
    int asked, shown;
  };
  // The animation clock can land one past the last frame.
  for (const Case& c : {Case{1, 1}, Case{4, 3}, Case{-2, 0}}) {
    platform::Cls();
    bomb->draw(100, 100, 2, c.asked);
    EXPECT_EQ(platform::ScreenPixel(100, 100) & 0xFFFFFFu, stripColour(c.shown) & 0xFFFFFFu)
        << c.asked;
  }
}
