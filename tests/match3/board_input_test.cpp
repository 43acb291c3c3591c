// The player's hand on the board (clicks, drags) and the move hint.
#include <gtest/gtest.h>

#include "BoardFixture.h"
#include "match3/TFlyingTile.h"
#include "match3/TMatch3Game.h"
#include "match3/TTileMatch.h"
#include "platform/platform.h"

namespace {

// Kinds that stand in no line, with one move: the 3 at (2, 3) and the 1 at (2, 4).
const std::vector<std::string> kBoard = {"#######", "#45123#", "#11314#", "#34512#",
                                         "#51234#", "#23451#", "#######"};

class BoardInputTest : public BoardFixture {
 protected:
  void SetUp() override {
    BoardFixture::SetUp();
    makeBoard(kBoard);
    game.setLevel(level);
    runFrame = [this] { game.update(); };
  }

  // The cells of the one swap in flight, or nulls.
  std::pair<TTile*, TTile*> swapInFlight() {
    std::pair<TTile*, TTile*> cells{nullptr, nullptr};
    int pairs = 0;
    level->flyingTiles.forEach([&](TFlyingTile& flight) {
      if (!flight.fly1) return;
      ++pairs;
      cells = {flight.fly1->tile.get(), flight.fly1->dTile.get()};
    });
    EXPECT_LE(pairs, 1);
    return cells;
  }

  TMatch3Game game{*mouse};
};

struct DragCase {
  int row, col, dx, dy;
  int toRow, toCol;  // -1: no swap
};

TEST_F(BoardInputTest, DragOfEightPixelsAlongTheLongerAxisSwapsInsideTheBorder) {
  const DragCase cases[] = {
      {3, 3, 7, 0, -1, -1},  {3, 3, 8, 0, 3, 4},    {3, 3, -8, 0, 3, 2},   {3, 3, 0, 8, 4, 3},
      {3, 3, 0, -8, 2, 3},   {3, 3, 9, 5, 3, 4},    {3, 3, 5, -9, 2, 3},   {3, 3, 8, 8, 4, 3},
      {3, 3, -8, 8, 4, 3},   {3, 3, 0, -7, -1, -1}, {3, 1, -8, 0, -1, -1}, {3, 5, 8, 0, -1, -1},
      {1, 3, 0, -8, -1, -1}, {5, 3, 0, 8, -1, -1},
  };
  for (const DragCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.col << " by " << c.dx << "," << c.dy);
    SetUp();
    const auto from = cell(c.row, c.col);
    const int x = static_cast<int>(from->x), y = static_cast<int>(from->y);
    platform::InjectMouseMove(x, y);
    frame();
    platform::InjectMouseButton(1, true);
    frame();
    EXPECT_EQ(game.clicked, from);  // the press selects
    frames(8);                      // held for more than 100 ms
    EXPECT_EQ(swapInFlight().first, nullptr);
    platform::InjectMouseMove(x + c.dx, y + c.dy);
    frame();
    const auto [source, target] = swapInFlight();
    if (c.toRow < 0) {
      EXPECT_EQ(source, nullptr);
      EXPECT_EQ(game.clicked, from);
    } else {
      EXPECT_EQ(source, from.get());
      EXPECT_EQ(target, cell(c.toRow, c.toCol).get());
      EXPECT_EQ(game.clicked, nullptr);
      // The button state was flushed: dragging on makes no second swap.
      EXPECT_EQ(platform::MouseDown(1), 0);
      platform::InjectMouseMove(x + 2 * c.dx, y + 2 * c.dy);
      frame();
      EXPECT_EQ(swapInFlight().first, from.get());
    }
    platform::InjectMouseButton(1, false);
  }
}

TEST_F(BoardInputTest, ClicksSelectDeselectFireAndSwap) {
  struct Case {
    const char* name;
    char centre;         // kind put at (3, 3) before the clicks
    int row, col;        // the second click
    char neighbour;      // kind put at (3, 4) ('-' unchanged, '.' empty, 'c' chained)
    int selRow, selCol;  // selection after the second click, -1 none
    bool swap;
    const char* centreState;
  };
  const Case cases[] = {
      {"same ordinary tile deselects", '5', 3, 3, '-', -1, -1, false, ""},
      {"same bonus tile fires it", 'n', 3, 3, '-', -1, -1, false, "DESTROY"},
      {"far tile moves the selection", '5', 1, 1, '-', 1, 1, false, ""},
      {"chained neighbour keeps the selection", '5', 3, 4, 'c', 3, 3, false, ""},
      {"empty neighbour clears the selection", '5', 3, 4, '.', -1, -1, false, ""},
      {"neighbour swaps", '5', 3, 4, '-', -1, -1, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    cell(3, 3)->td = c.centre == 'n' ? catalog->getBonus(120) : catalog->getTileData(5);
    if (c.neighbour == '.') cell(3, 4)->td = nullptr;
    if (c.neighbour == 'c') cell(3, 4)->_lancuch = 1;
    game.clickTile(cell(3, 3));
    EXPECT_EQ(level->clicked, cell(3, 3));
    game.clickTile(cell(c.row, c.col));
    const auto expected = c.selRow < 0 ? nullptr : cell(c.selRow, c.selCol);
    EXPECT_EQ(game.clicked, expected);
    EXPECT_EQ(level->clicked, expected);
    EXPECT_EQ(swapInFlight().first != nullptr, c.swap);
    EXPECT_EQ(cell(3, 3)->state, c.centreState);
  }
}

TEST_F(BoardInputTest, ChainedTileIsNeverHovered) {
  cell(3, 3)->_lancuch = 1;
  platform::InjectMouseMove(static_cast<int>(cell(3, 3)->x), static_cast<int>(cell(3, 3)->y));
  frame();
  EXPECT_EQ(level->over, nullptr);
  platform::InjectMouseMove(static_cast<int>(cell(3, 4)->x), static_cast<int>(cell(3, 4)->y));
  frame();
  EXPECT_EQ(level->over, cell(3, 4));
  // No mouse on the board while a tutorial hint is shown.
  listener.hintShown = true;
  frame();
  EXPECT_EQ(level->over, nullptr);
}

TEST_F(BoardInputTest, FrozenBoardTakesNoInputAndDoesNotMove) {
  const auto target = cell(3, 3);
  platform::InjectMouseMove(static_cast<int>(target->x), static_cast<int>(target->y));
  frame();
  ASSERT_EQ(level->over, target);
  level->hold = 1;
  target->td = nullptr;  // a hole that would otherwise be filled at once
  platform::InjectMouseButton(1, true);
  frames(3);
  EXPECT_EQ(game.clicked, nullptr);
  EXPECT_TRUE(level->flyingTiles.empty());
  level->hold = 0;
  frame();
  EXPECT_FALSE(level->flyingTiles.empty());
}

TEST_F(BoardInputTest, HintShowsAfterFiveSecondsForFifteenAndFadesOut) {
  TTileMatch hint;
  hint.setMatch(*level, 2, 3, 2, 4, "PRAWO");
  const int start = platform::MilliSecs();
  ASSERT_EQ(hint.tile1, cell(2, 3));
  hint.setMatch(*level, 1, 1, 2, 1, "DOL");  // pending: not replaced
  EXPECT_EQ(hint.tile1, cell(2, 3));
  EXPECT_EQ(hint.kier, "PRAWO");
  int shownAt = -1, fullAt = -1, goneAt = -1;
  while (goneAt < 0 && platform::MilliSecs() - start < 25000) {
    platform::Flip();
    hint.update();
    const int t = platform::MilliSecs() - start;
    if (hint.visible && shownAt < 0) shownAt = t;
    if (hint.a == 1.0f && fullAt < 0) fullAt = t;
    if (shownAt >= 0 && !hint.start) goneAt = t;
  }
  EXPECT_GE(shownAt, 5000);
  EXPECT_LT(shownAt, 5000 + 20);
  // Alpha rises at 0.05 a frame.
  EXPECT_NEAR(fullAt - shownAt, 19 * 1000 / 60, 20);
  // Shown for 15 s, then it fades out over 20 frames and a new hint may come.
  EXPECT_NEAR(goneAt, 20000 + 20 * 1000 / 60, 40);
  hint.setMatch(*level, 1, 1, 2, 1, "DOL");
  EXPECT_EQ(hint.tile1, cell(1, 1));
  hint.resetFull();
  EXPECT_EQ(hint.tile1, nullptr);
  EXPECT_EQ(hint.start, 0);
}

TEST_F(BoardInputTest, CheckingASettledTileCancelsTheHint) {
  const int before = listener.fullResets;
  level->checkMatch(cell(3, 3));
  EXPECT_EQ(listener.fullResets, before + 1);
}

}  // namespace
