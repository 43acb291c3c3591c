// Bonus reach and delays, shuffling, and the boards where a rule has nothing to work on.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "BoardFixture.h"
#include "platform/platform.h"

namespace {

// A 9 x 9 board, border included, of kinds that never stand three in a line.
std::vector<std::string> fullBoard(char centre) {
  std::vector<std::string> rows;
  for (int row = 0; row < 9; ++row) {
    std::string line;
    for (int col = 0; col < 9; ++col) {
      const bool border = row == 0 || col == 0 || row == 8 || col == 8;
      line += border ? '#' : static_cast<char>('1' + (row * 2 + col) % 5);
    }
    rows.push_back(line);
  }
  rows[4][4] = centre;
  return rows;
}

// Points of the ordinary tiles of fullBoard that a blast reaches.
int pointsReached(const std::function<int(int, int)>& delay) {
  const int points[6] = {0, 5, 10, 1, 3, 0};
  const auto board = fullBoard('1');
  int sum = 0;
  for (int row = 1; row < 8; ++row)
    for (int col = 1; col < 8; ++col)
      if (!(row == 4 && col == 4) && delay(row - 4, col - 4) >= 0)
        sum += points[board[row][col] - '0'];
  return sum;
}

struct BonusCase {
  const char* name;
  char kind;
  const char* sound;
  const char* centreState;
  // Delay in ms for a cell reached by the blast at offset (dr, dc) from the bonus, or -1.
  std::function<int(int dr, int dc)> delay;
  int destroyType;
};

class BonusReachTest : public BoardFixture, public ::testing::WithParamInterface<BonusCase> {};

TEST_P(BonusReachTest, ReachesItsCellsWithDelaysGrowingOutward) {
  const BonusCase& c = GetParam();
  makeBoard(fullBoard(c.kind));
  cell(4, 4)->destroy(0);  // as when the selected bonus is clicked again
  frame();
  const int now = platform::MilliSecs();
  EXPECT_EQ(sounds.count(c.sound), 1);
  EXPECT_TRUE(cell(4, 4)->isState(c.centreState)) << cell(4, 4)->state;
  for (int row = 1; row < 8; ++row) {
    for (int col = 1; col < 8; ++col) {
      if (row == 4 && col == 4) continue;
      const auto tile = cell(row, col);
      const int expected = c.delay(row - 4, col - 4);
      SCOPED_TRACE(testing::Message() << row << "," << col);
      if (expected < 0) {
        EXPECT_TRUE(tile->state.empty());
        continue;
      }
      ASSERT_TRUE(tile->isState("DESTROY"));
      EXPECT_EQ(tile->time, now + expected);
      EXPECT_EQ(tile->destroyType, c.destroyType);
      // Waiting cells keep their tile until their turn.
      if (expected > 20) {
        EXPECT_EQ(tile->alpha, 1.0f);
      }
    }
  }
  // Every reached tile counted its points once, when the blast reached it.
  EXPECT_EQ(listener.points, pointsReached(c.delay));
}

int bombDelay(int dr, int dc) {
  if (std::abs(dr) > 1 || std::abs(dc) > 1) return -1;
  return static_cast<int>(std::sqrt(static_cast<double>(dr * dr + dc * dc)) * 200.0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BonusReachTest,
                         ::testing::Values(BonusCase{"bomb", 'b', "bomb", "DESTROY", bombDelay, 4},
                                           BonusCase{"vertical", 'v', "crossFire2", "CROSS-FIRE",
                                                     [](int dr, int dc) {
                                                       return dc == 0 && std::abs(dr) <= 2
                                                                  ? std::abs(dr) * 40
                                                                  : -1;
                                                     },
                                                     1},
                                           BonusCase{"horizontal", 'h', "crossFire2", "CROSS-FIRE",
                                                     [](int dr, int dc) {
                                                       return dr == 0 && std::abs(dc) <= 2
                                                                  ? std::abs(dc) * 40
                                                                  : -1;
                                                     },
                                                     2}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(BoardFixture, BonusCaughtInABlastFiresInTurn) {
  auto board = fullBoard('b');
  board[4][5] = 'h';
  makeBoard(board);
  cell(4, 4)->destroy(0);
  frame();
  // (4, 7) lies beyond the bomb's reach of one cell but on the fire line of (4, 5).
  EXPECT_TRUE(cell(4, 7)->state.empty());
  const int start = platform::MilliSecs();
  while (platform::MilliSecs() - start < 260) frame();
  EXPECT_TRUE(cell(4, 5)->isState("CROSS-FIRE"));
  EXPECT_TRUE(cell(4, 7)->isState("DESTROY"));
  EXPECT_EQ(cell(4, 7)->destroyType, 2);
  EXPECT_EQ(sounds.count("bomb"), 1);
  EXPECT_EQ(sounds.count("crossFire2"), 1);
}

TEST_F(BoardFixture, CrossFireBurnsBothLinesAndSparesItselfWhileBurning) {
  makeBoard(fullBoard('x'));
  cell(4, 4)->destroy(0);
  frame();
  const int now = platform::MilliSecs();
  EXPECT_TRUE(cell(4, 4)->isState("CROSS-FIRE"));
  int reached = 0;
  for (int d = -2; d <= 2; ++d) {
    if (d == 0) continue;
    EXPECT_EQ(cell(4 + d, 4)->time, now + std::abs(d) * 40);
    EXPECT_EQ(cell(4, 4 + d)->time, now + std::abs(d) * 40);
    reached += cell(4 + d, 4)->isState("DESTROY") + cell(4, 4 + d)->isState("DESTROY");
  }
  EXPECT_EQ(reached, 8);
  EXPECT_TRUE(cell(3, 3)->state.empty());
  // A second blast reaching the burning cell does not destroy it again.
  cell(4, 4)->destroy(0);
  EXPECT_TRUE(cell(4, 4)->isState("CROSS-FIRE"));
  // It burns for about 100 ms, then the cell is empty.
  frames(8);
  EXPECT_TRUE(cell(4, 4)->state.empty());
  EXPECT_EQ(cell(4, 4)->td, nullptr);
}

TEST_F(BoardFixture, VanishPicksItsPowerOfTilesThatFadeASecondLater) {
  makeBoard(fullBoard('w'));
  cell(4, 4)->destroy(0);
  frame();
  const int now = platform::MilliSecs();
  EXPECT_EQ(sounds.countPrefix("wir"), 1);
  EXPECT_TRUE(cell(4, 4)->isState("VANISH"));
  int vanishing = 0;
  for (int row = 1; row < 8; ++row)
    for (int col = 1; col < 8; ++col) {
      const auto tile = cell(row, col);
      if (tile->destroyType != -1) continue;
      ++vanishing;
      EXPECT_TRUE(tile->isState("DESTROY"));
      EXPECT_EQ(tile->time, now + 1000);
    }
  // Power 3; a cell picked twice counts twice.
  EXPECT_GE(vanishing, 1);
  EXPECT_LE(vanishing, 3);
  frame();
  EXPECT_TRUE(cell(4, 4)->state.empty());  // vanish lasts one frame
}

TEST_F(BoardFixture, RulesWithNothingToWorkOnDoNothing) {
  // Vanish on a board whose tiles are all chained: no candidate, no endless picking.
  makeBoard({"#####", "#12#", "#####"}, {}, {"00000", "01100", "00000"});
  level->useVanish(1, 1, 3);
  level->useVanish(1, 1, 0);
  EXPECT_TRUE(cell(1, 1)->state.empty());
  EXPECT_TRUE(cell(1, 2)->state.empty());

  // A bonus with no idle ordinary tile to become: only bonuses and a busy tile.
  makeBoard({"#####", "#bx1#", "#####"});
  cell(1, 3)->state = "DESTROY";
  level->availableBonuses = {catalog->getBonus(101)};
  level->createRandomBonus();
  EXPECT_EQ(sounds.count("bonus"), 1);
  for (int col = 1; col <= 3; ++col) EXPECT_EQ(cell(1, col)->changingTo, nullptr);

  // Creators on levels whose available kinds are empty or unknown.
  for (const auto& kinds : {std::vector<std::shared_ptr<TTileData>>{},
                            std::vector<std::shared_ptr<TTileData>>{nullptr}}) {
    makeBoard({"#####", "#...#", "#####"});
    level->availableTiles = kinds;
    level->tileCreators = {cell(1, 2)};
    frames(3);
    EXPECT_EQ(cell(1, 2)->td, nullptr);
    EXPECT_TRUE(cell(1, 2)->state.empty());
  }
}

TEST_F(BoardFixture, CreatorGrowsANewTileThatIsCheckedWhenGrown) {
  makeBoard({"#####", "#1.1#", "#####"});
  level->availableTiles = {catalog->getTileData(1)};
  level->tileCreators = {cell(1, 2)};
  frame();
  EXPECT_TRUE(cell(1, 2)->isState("RISING"));
  EXPECT_EQ(cell(1, 2)->s, 0.0f);
  frames(11);
  // Grown to full size at 0.1 a frame, then the line of three it makes is erased.
  EXPECT_TRUE(cell(1, 2)->isState("DESTROY"));
  EXPECT_TRUE(cell(1, 1)->isState("DESTROY"));
  EXPECT_EQ(listener.points, 15);
}

TEST_F(BoardFixture, BoardWithoutAMoveIsShuffledWithItsOwnKinds) {
  makeBoard({"######", "#1234#", "#3412#", "######"});
  const auto before = kinds();
  frame();
  ASSERT_EQ(level->shuffle, 1);
  EXPECT_EQ(listener.resets, 1);
  std::multiset<char> kindsBefore, kindsAfter;
  for (const auto& line : before) kindsBefore.insert(line.begin(), line.end());
  int n = 0;
  while (level->shuffle && n < 200) {
    frame();
    ++n;
  }
  // The morph runs at 0.01 a frame up to 1.1.
  EXPECT_GE(n, 105);
  EXPECT_LE(n, 115);
  for (const auto& line : kinds()) kindsAfter.insert(line.begin(), line.end());
  EXPECT_EQ(kindsAfter, kindsBefore);
  EXPECT_GE(listener.resets, 2);
}

TEST_F(BoardFixture, LinesLeftByAShuffleAreErasedFromEachOfTheirTiles) {
  makeBoard({"#####", "#111#", "#####"});
  level->_shuffleTiles();
  int n = 0;
  do {
    frame();
  } while (level->shuffle && ++n < 200);
  ASSERT_EQ(level->shuffle, 0);
  // Three tiles, each checked, each finding the same line: nine destructions of 5 points.
  EXPECT_EQ(listener.points, 45);
  EXPECT_EQ(listener.matchEvents, 3);
  for (int col = 1; col <= 3; ++col) EXPECT_TRUE(cell(1, col)->isState("DESTROY"));
}

TEST_F(BoardFixture, HintSearchOffersASwapThatMakesALine) {
  makeBoard({"#######", "#11213#", "#34545#", "#######"});
  frame();
  ASSERT_FALSE(listener.hints.empty());
  const auto& hint = listener.hints.back();
  EXPECT_EQ(hint.row1, 1);
  EXPECT_EQ(hint.col1, 3);
  EXPECT_EQ(hint.row2, 1);
  EXPECT_EQ(hint.col2, 4);
  EXPECT_EQ(hint.kier, "PRAWO");
  EXPECT_EQ(level->shuffle, 0);
  // The search put every kind back.
  EXPECT_EQ(kinds()[1], "#11213#");
}

// The board at rest is searched again only when it changed; a change of kind or chain must
// show in the next frame's hint.
TEST_F(BoardFixture, HintFollowsTheBoardWhenItChanges) {
  makeBoard({"#######", "#11213#", "#34545#", "#######"});
  struct Step {
    const char* what;
    std::function<void()> change;
    int col1;  // of the only move, on row 1 with its right neighbour; 0: none, a shuffle
  };
  const Step steps[] = {
      {"as made", [] {}, 3},
      {"kinds changed",
       [&] {
         cell(1, 1)->td = catalog->getTileData(2);
         cell(1, 3)->td = catalog->getTileData(1);
         cell(1, 4)->td = catalog->getTileData(3);
         cell(1, 5)->td = catalog->getTileData(1);
       },
       4},
      {"the same board again", [] {}, 4},
      {"a chain on the tile that would move", [&] { cell(1, 5)->_lancuch = 1; }, 0},
  };
  for (const Step& step : steps) {
    step.change();
    listener.hints.clear();
    frame();
    if (step.col1 == 0) {
      EXPECT_TRUE(listener.hints.empty()) << step.what;
      EXPECT_EQ(level->shuffle, 1) << step.what << ": no move left";
      continue;
    }
    EXPECT_EQ(level->shuffle, 0) << step.what << ": " << kinds()[1];
    ASSERT_EQ(listener.hints.size(), 1u) << step.what;
    EXPECT_EQ(listener.hints.back().row1, 1) << step.what;
    EXPECT_EQ(listener.hints.back().col1, step.col1) << step.what;
    EXPECT_EQ(listener.hints.back().col2, step.col1 + 1) << step.what;
  }
}

}  // namespace
