// Rules that must neither pay twice nor create from nothing: plate layers, burnt bonuses,
// where a new bonus lands, and which tiles a swap may take.
#include <gtest/gtest.h>

#include <functional>

#include "BoardFixture.h"
#include "match3/TFlyingTile.h"
#include "match3/TMatch3Game.h"
#include "match3/TTileData.h"

namespace {

int countKind(const std::vector<std::string>& board, char kind) {
  int n = 0;
  for (const auto& line : board)
    for (char ch : line) n += ch == kind ? 1 : 0;
  return n;
}

struct PlateHitCase {
  const char* name;
  std::vector<std::string> board, plates;
  std::function<void(BoardFixture&, TLevel&)> strike;
  int row, col;  // the plated cell
  int backAfter, matchesAfter;
};

class PlateHitTest : public BoardFixture, public ::testing::WithParamInterface<PlateHitCase> {
 public:
  using BoardFixture::cell;
};

// However many effects reach a cell in the same moment, its top plate layer pays one star.
TEST_P(PlateHitTest, OneLayerPaysExactlyOneStar) {
  const PlateHitCase& c = GetParam();
  makeBoard(c.board, c.plates);
  c.strike(*this, *level);
  frames(60);
  const auto plate = cell(c.row, c.col);
  EXPECT_EQ(listener.stars, 1);
  EXPECT_EQ(plate->tileBackId(), c.backAfter);
  EXPECT_EQ(plate->matches, c.matchesAfter);
  EXPECT_EQ(plate->_lastTileBack, nullptr);
  EXPECT_FALSE(plate->isState("DESTROY"));
}

const std::vector<std::string> kSmall = {"#####", "#313#", "#1b4#", "#454#", "#####"};

INSTANTIATE_TEST_SUITE_P(
    Strikes, PlateHitTest,
    ::testing::Values(
        // Clicked, then its own removal, then its own blast at distance 0.
        PlateHitCase{"bomb_on_one_layer",
                     kSmall,
                     {"11111", "11111", "11211", "11111", "11111"},
                     [](BoardFixture&, TLevel& board) { board.tileAt(2, 2)->destroy(0); },
                     2,
                     2,
                     1,
                     0},
        PlateHitCase{"bomb_on_two_layers",
                     kSmall,
                     {"11111", "11111", "11311", "11111", "11111"},
                     [](BoardFixture&, TLevel& board) { board.tileAt(2, 2)->destroy(0); },
                     2,
                     2,
                     2,
                     1},
        // The corner of an L stands in both runs and is listed twice.
        PlateHitCase{"corner_listed_twice",
                     {"#####", "#313#", "#124#", "#454#", "#####"},
                     {"11111", "11111", "11211", "11111", "11111"},
                     [](BoardFixture&, TLevel& board) {
                       const auto corner = board.tileAt(2, 2);
                       board.eraseTiles({corner, corner});
                     },
                     2,
                     2,
                     1,
                     0},
        // A tile matched while a blast reaches it in the same frame.
        PlateHitCase{"match_and_blast_together",
                     kSmall,
                     {"11111", "11111", "11111", "11121", "11111"},
                     [](BoardFixture&, TLevel& board) {
                       board.eraseTiles({board.tileAt(3, 3)});
                       board.useBomb(2, 2, 1);
                     },
                     3,
                     3,
                     1,
                     0}),
    [](const auto& instance) { return std::string(instance.param.name); });

// A fire or vanish bonus that burns away on a plate settles the plate like any destruction:
// the next tile there pays its points, not another star, and no plain plate spins away.
TEST_F(BoardFixture, BurntBonusSettlesItsPlate) {
  for (char bonus : {'x', 'v', 'h', 'w'}) {
    SCOPED_TRACE(bonus);
    listener = RecordingListener{};
    makeBoard({"#####", "#313#", std::string("#1") + bonus + "4#", "#454#", "#####"},
              {"11111", "11111", "11211", "11111", "11111"});
    const auto plate = cell(2, 2);
    plate->destroy(0);
    frames(90);
    // Burnt out (tiles above may have fallen in since, and the board may be shuffling).
    ASSERT_FALSE(plate->isState("DESTROY") || plate->isState("CROSS-FIRE") ||
                 plate->isState("VANISH"))
        << plate->state;
    EXPECT_EQ(listener.stars, 1);
    EXPECT_EQ(plate->matches, 0);
    EXPECT_EQ(plate->tileBackId(), 1);
    EXPECT_EQ(plate->_lastTileBack, nullptr);

    const int pointsBefore = listener.points;
    plate->td = catalog->getTileData(2);
    level->eraseTiles({plate});
    EXPECT_EQ(plate->_lastTileBack, nullptr);  // nothing spins away
    frames(30);
    EXPECT_EQ(listener.stars, 1);
    EXPECT_EQ(listener.points, pointsBefore + 10);
  }
}

// A line of four makes a bonus; every ordinary tile left idle besides the matched ones is
// the 2 that the swap put in the second row, so that is where the bonus must go.
TEST_F(BoardFixture, NewBonusGoesToATileThatStays) {
  makeBoard({"#######", "#1121n#", "#nn1nn#", "#######"});
  level->availableBonuses.push_back(catalog->getBonus(101));
  createSwap(cell(1, 3), cell(2, 3));
  frames(9);
  ASSERT_TRUE(level->flyingTiles.empty());
  EXPECT_EQ(sounds.count("bonus"), 1);
  for (int col = 1; col <= 4; ++col) {
    EXPECT_TRUE(cell(1, col)->isState("DESTROY")) << col;
    EXPECT_EQ(cell(1, col)->changingTo, nullptr) << col;
  }
  EXPECT_TRUE(cell(2, 3)->isState("CHANGE"));
  frames(30);
  EXPECT_EQ(cell(2, 3)->tileId(), 101);
  EXPECT_EQ(countKind(kinds(), 'b'), 1);
}

// Kinds that stand in no line, with one move so the board is not shuffled at once;
// (2, 2) holds a 1, (2, 3) a 3.
class RestingSwapTest : public BoardFixture {
 protected:
  void SetUp() override {
    BoardFixture::SetUp();
    makeBoard({"#######", "#45123#", "#11314#", "#34512#", "#51234#", "#23451#", "#######"});
    game.setLevel(level);
    runFrame = [this] { game.update(); };
  }
  bool swapInFlight() {
    bool found = false;
    level->flyingTiles.forEach([&](TFlyingTile& flight) { found = found || flight.fly1; });
    return found;
  }
  TMatch3Game game{*mouse};
};

// Only tiles at rest swap: a falling tile's kind would stand on two cells, a fading one would
// come back to life after its points were paid, a morphing one would turn the wrong tile.
TEST_F(RestingSwapTest, TilesThatAreNotAtRestNeverSwap) {
  struct Case {
    const char* name;
    std::function<void()> unsettle;
    char kind;   // the kind whose count tells
    int change;  // how many tiles of it the board must end with, more or fewer
  };
  const Case cases[] = {
      // The 1 falls into the hole under it; it must not also arrive at (2, 3).
      {"falling selected tile",
       [this] {
         cell(3, 2)->td = nullptr;
         frame();
         ASSERT_NE(cell(2, 2)->_flyingTile, nullptr);
       },
       '1', 0},
      // The fading 3 is gone for good.
      {"fading neighbour", [this] { cell(2, 3)->destroy(0); }, '3', -1},
      // The 3 itself becomes the bonus.
      {"morphing neighbour", [this] { cell(2, 3)->changeMeTo(catalog->getBonus(120)); }, '3', -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    const int before = countKind(kinds(), c.kind);
    game.setClicked(cell(2, 2));
    c.unsettle();
    game.setChange(cell(2, 2), cell(2, 3));
    EXPECT_FALSE(swapInFlight());
    frames(60);
    EXPECT_EQ(countKind(kinds(), c.kind), before + c.change);
  }
}

// A selection whose tile starts to fall is dropped, so the next press cannot swap it.
TEST_F(RestingSwapTest, SelectionIsDroppedWhenItsTileStartsToMove) {
  game.setClicked(cell(2, 2));
  frame();
  EXPECT_EQ(game.clicked, cell(2, 2));
  cell(3, 2)->td = nullptr;
  frame();
  EXPECT_EQ(game.clicked, nullptr);
  EXPECT_EQ(level->clicked, nullptr);
  game.clickTile(cell(2, 3));
  EXPECT_FALSE(swapInFlight());
  EXPECT_EQ(game.clicked, cell(2, 3));
}

}  // namespace
