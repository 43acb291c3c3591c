// Swaps, matches and their resolution on hand-made boards.
#include <gtest/gtest.h>

#include "BoardFixture.h"
#include "match3/TFlyingTile.h"

namespace {

struct SwapCase {
  const char* name;
  std::vector<std::string> board;
  int r1, c1, r2, c2;
  int spasowanych;    // tiles the resolution counted
  const char* sound;  // the erase sound, or "" for a prefix "particle1".."particle3"
  bool bonusCreated;
  int points;
  int erasedRow, erasedCol;  // a matched cell that must end empty
};

class SwapTest : public BoardFixture, public ::testing::WithParamInterface<SwapCase> {};

TEST_F(BoardFixture, SwapWithoutLineFliesThereAndBack) {
  makeBoard({"#######", "#11213#", "#34545#", "#######"});
  const auto before = kinds();
  createSwap(cell(2, 1), cell(2, 2));
  bool sawUndo = false;
  for (int i = 0; i < 40 && !level->flyingTiles.empty(); ++i) {
    frame();
    level->flyingTiles.forEach([&](TFlyingTile& flight) {
      if (flight.reverse && !sawUndo) {
        sawUndo = true;
        // The swap completed on the board before the undo took the kinds back.
        EXPECT_EQ(kinds()[2], "#43545#");
      }
    });
  }
  EXPECT_TRUE(sawUndo);
  EXPECT_TRUE(level->flyingTiles.empty());
  EXPECT_EQ(kinds(), before);
  EXPECT_EQ(listener.points, 0);
  EXPECT_EQ(listener.matchEvents, 0);
  // Two numbered flight sounds and "fly1" for the swap, the same again for the undo.
  EXPECT_EQ(sounds.count("fly1"), 2);
  EXPECT_EQ(sounds.countPrefix("fly"), 6);
  EXPECT_EQ(cell(2, 1)->_flyingTile, nullptr);
  EXPECT_EQ(cell(2, 2)->_flyingTile, nullptr);
}

TEST_F(BoardFixture, SwappedBonusFiresAndNeverFliesBack) {
  makeBoard({"#######", "#1n213#", "#34545#", "#######"});
  createSwap(cell(1, 2), cell(2, 2));
  frames(10);
  EXPECT_TRUE(level->flyingTiles.empty());
  // The bonus arrived at (2, 2) and was used there; the 4 stays where it flew.
  EXPECT_TRUE(cell(2, 2)->isState("DESTROY"));
  EXPECT_EQ(cell(1, 2)->tileId(), 4);
  EXPECT_EQ(sounds.count("fly1"), 1);
}

TEST_P(SwapTest, ResolvesTheLinesThroughBothCells) {
  const SwapCase& c = GetParam();
  makeBoard(c.board);
  level->availableBonuses.push_back(catalog->getBonus(101));
  createSwap(cell(c.r1, c.c1), cell(c.r2, c.c2));
  ::testing::internal::CaptureStdout();
  frames(9);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("SPASOWANYCH : " + std::to_string(c.spasowanych)), std::string::npos) << out;
  if (std::string(c.sound).empty())
    EXPECT_EQ(
        sounds.countPrefix("particle") - sounds.count("particle4") - sounds.count("particle5"), 1);
  else
    EXPECT_EQ(sounds.count(c.sound), 1);
  EXPECT_EQ(sounds.count("bonus"), c.bonusCreated ? 1 : 0);
  // The bonus is chosen after the erase, on a tile that is not being destroyed.
  int morphs = 0;
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col) {
      const auto target = cell(row, col)->changingTo;
      const bool morphing = target && target->id == 101;
      morphs += morphing ? 1 : 0;
      if (morphing) {
        EXPECT_TRUE(cell(row, col)->isState("CHANGE")) << row << "," << col;
      }
    }
  EXPECT_EQ(morphs, c.bonusCreated ? 1 : 0);
  EXPECT_EQ(listener.points, c.points);
  EXPECT_EQ(listener.matchEvents, 1);
  EXPECT_TRUE(level->flyingTiles.empty());
  frames(25);
  EXPECT_EQ(cell(c.erasedRow, c.erasedCol)->td, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Lines, SwapTest,
                         ::testing::Values(SwapCase{"three",
                                                    {"#######", "#11213#", "#34545#", "#######"},
                                                    1,
                                                    3,
                                                    1,
                                                    4,
                                                    3,
                                                    "",
                                                    false,
                                                    15,
                                                    1,
                                                    3},
                                           SwapCase{"four",
                                                    {"#######", "#11213#", "#45154#", "#######"},
                                                    1,
                                                    3,
                                                    2,
                                                    3,
                                                    4,
                                                    "particle4",
                                                    true,
                                                    20,
                                                    1,
                                                    3},
                                           // The corner of an L is listed, and counted, twice.
                                           SwapCase{"ell",
                                                    {"#######", "#23145#", "#34152#", "#41211#",
                                                     "#######"},
                                                    3,
                                                    2,
                                                    3,
                                                    3,
                                                    6,
                                                    "",
                                                    true,
                                                    30,
                                                    1,
                                                    3}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(BoardFixture, FallingTileCompletesALineWhereItLands) {
  makeBoard({"#####", "#314#", "#1.1#", "#243#", "#####"});
  int landed = -1;
  for (int i = 1; i <= 10 && landed < 0; ++i) {
    frame();
    if (cell(2, 2)->td) landed = i;
  }
  ASSERT_GT(landed, 0);
  // Erased on the very frame it landed.
  for (int col = 1; col <= 3; ++col) EXPECT_TRUE(cell(2, col)->isState("DESTROY")) << col;
  EXPECT_EQ(listener.matchEvents, 1);
  EXPECT_EQ(listener.points, 15);
  EXPECT_EQ(cell(1, 2)->td, nullptr);
}

TEST_F(BoardFixture, DiagonalSlidesOnlyIntoShaftsNothingCanFallInto) {
  struct Case {
    std::vector<std::string> board, chains, after;
  };
  const Case cases[] = {
      // Under a cell that is no cell.
      {{"#####", "#3#4#", "#5.2#", "#####"}, {}, {"#####", "#.#4#", "#532#", "#####"}},
      // Under a chained tile.
      {{"#####", "#345#", "#5.2#", "#####"},
       {"00000", "00100", "00000", "00000"},
       {"#####", "#.45#", "#532#", "#####"}},
      // An open column above the hole: the tile above falls straight, nothing slides.
      {{"#####", "#314#", "#5.2#", "#####"}, {}, {"#####", "#3.4#", "#512#", "#####"}},
  };
  for (const Case& c : cases) {
    makeBoard(c.board, {}, c.chains);
    settle(60);
    EXPECT_EQ(kinds(), c.after);
  }
}

TEST_F(BoardFixture, ChainedTileInALineLosesOneChainLevel) {
  makeBoard({"#######", "#11213#", "#34545#", "#######"},
            {"1111111", "1211111", "1111111", "1111111"},
            {"0000000", "0200000", "0000000", "0000000"});
  createSwap(cell(1, 3), cell(1, 4));
  frames(40);
  const auto chained = cell(1, 1);
  EXPECT_EQ(chained->td, nullptr);
  EXPECT_EQ(chained->_lancuch, 1);
  // A chained tile gives its points and leaves the plate alone.
  EXPECT_EQ(chained->tileBackId(), 2);
  EXPECT_EQ(chained->matches, 1);
  EXPECT_EQ(listener.stars, 0);
  EXPECT_EQ(listener.points, 15);
  EXPECT_EQ(listener.chainEvents, 1);
  EXPECT_EQ(listener.specEvents, 1);
  EXPECT_EQ(sounds.count("chain"), 1);
}

TEST_F(BoardFixture, PlateLayersFallTwoOneZeroWithAStarEach) {
  // The line 1 1 2 1 leaves a move, so the board is never shuffled meanwhile.
  makeBoard({"#######", "#11213#", "#######"}, {"1111111", "1111131", "1111111"}, {}, true);
  const auto plate = cell(1, 5);
  const auto kind = catalog->getTileData(2);
  struct Step {
    int backAfterHit, matchesAfterFade, stars, points;
  };
  const Step steps[] = {{2, 1, 1, 0}, {1, 0, 2, 0}, {1, 0, 2, 10}};
  for (const Step& s : steps) {
    plate->td = kind;
    level->eraseTiles({plate});
    EXPECT_EQ(plate->tileBackId(), s.backAfterHit);
    frames(25);
    EXPECT_EQ(plate->td, nullptr);
    EXPECT_EQ(plate->matches, s.matchesAfterFade);
    EXPECT_EQ(plate->_lastTileBack, nullptr);
    EXPECT_EQ(listener.stars, s.stars);
    EXPECT_EQ(listener.points, s.points);
  }
  // Both layers shatter audibly; the plain cell does not.
  EXPECT_EQ(sounds.count("plates"), 2);
  EXPECT_EQ(level->win, 1);
}

TEST_F(BoardFixture, BoardIsWonWhenNoPlateIsLeftAndNothingIsBeingDestroyed) {
  struct Case {
    std::vector<std::string> plates;
    bool destroyOne;
    int winAfterOneFrame, winLater;
  };
  const Case cases[] = {
      {{}, false, 1, 1},
      {{"11111", "11211", "11111", "11111"}, false, 0, 0},
      {{}, true, 0, 1},
  };
  for (const Case& c : cases) {
    makeBoard({"#####", "#123#", "#312#", "#####"}, c.plates, {}, true);
    if (c.destroyOne) level->eraseTiles({cell(1, 1)});
    frame();
    EXPECT_EQ(level->win, c.winAfterOneFrame);
    frames(30);
    EXPECT_EQ(level->win, c.winLater);
  }
}

}  // namespace
