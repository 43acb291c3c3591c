// The board's animations: closing, plate light-up, sparkle, hover growth, selection wobble.
#include <gtest/gtest.h>

#include "BoardFixture.h"
#include "match3/TFlyingTile.h"
#include "platform/platform.h"

namespace {

const std::vector<std::string> kBoard = {"#######", "#11213#", "#34545#", "#######"};
const std::vector<std::string> kPlates = {"1111111", "1211111", "1111111", "1111111"};

TEST_F(BoardFixture, ClosingLandsEveryFlightThenFadesEveryCell) {
  makeBoard(kBoard);
  createSwap(cell(2, 1), cell(2, 2));
  frames(2);
  level->_startDrawingBack();
  EXPECT_TRUE(level->flyingTiles.empty());
  // The swap was completed, not dropped: both kinds are on the board, swapped.
  EXPECT_EQ(kinds()[2], "#43545#");
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col) {
      EXPECT_TRUE(cell(row, col)->isState("DRAW-BACK"));
      EXPECT_EQ(cell(row, col)->_flyingTile, nullptr);
    }
  frame();
  EXPECT_EQ(level->drawing, 1);
  // Alpha falls at 0.02 a frame once each cell's delay (at most 6 x 50 ms) has passed.
  frames(75);
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col)
      EXPECT_TRUE(cell(row, col)->isState("DRAW-BACK-END")) << row << "," << col;
}

TEST_F(BoardFixture, PlatesLightUpEverySixSecondsAndStayLitWhenAsked) {
  makeBoard(kBoard, kPlates);
  const auto plate = cell(1, 1);
  const auto plain = cell(1, 2);
  // First 10 s after the level was made.
  while (platform::MilliSecs() < 9900) frame();
  EXPECT_EQ(plate->_rozjasnienie, 0);
  frames(10);
  EXPECT_EQ(plate->_rozjasnienie, 1);
  EXPECT_EQ(plain->_rozjasnienie, 0);
  float peak = 0;
  for (int i = 0; i < 120 && plate->_rozjasnienie; ++i) {
    frame();
    peak = std::max(peak, plate->rozA);
  }
  EXPECT_FLOAT_EQ(peak, 0.5f);
  EXPECT_EQ(plate->_rozjasnienie, 0);
  EXPECT_FLOAT_EQ(plate->rozA, 0.0f);

  level->_lightUpAll();
  frames(200);
  EXPECT_EQ(plate->_rozjasnienie, 1);
  EXPECT_FLOAT_EQ(plate->rozA, 0.7f);
  // Lit down, the regular glow restarts at once: up to 0.5 and away again.
  level->_lightDownAll();
  peak = 0;
  for (int i = 0; i < 120 && plate->_rozjasnienie; ++i) {
    frame();
    peak = std::max(peak, plate->rozA);
  }
  EXPECT_FLOAT_EQ(peak, 0.5f);
  EXPECT_EQ(plate->_rozjasnienie, 0);
}

TEST_F(BoardFixture, SparklePlaysThirtyFramesOverOneInnerCell) {
  makeBoard(kBoard);
  level->blinkTime = platform::MilliSecs();
  frames(2);
  ASSERT_NE(level->startTile, nullptr);
  const auto sparkling = level->startTile;
  EXPECT_GE(sparkling->r, 1);
  EXPECT_LE(sparkling->r, level->rows - 2);
  EXPECT_GE(sparkling->c, 1);
  EXPECT_LE(sparkling->c, level->cols - 2);
  int shown = 0;
  float lastFrame = 0;
  while (level->startTile && shown < 100) {
    frame();
    if (!sparkling->_blink) break;
    ++shown;
    EXPECT_GT(sparkling->blinkFrame, lastFrame);
    lastFrame = sparkling->blinkFrame;
  }
  EXPECT_NEAR(shown, 29, 1);  // 0.2 a frame up to 6
  EXPECT_EQ(level->startTile, nullptr);
}

TEST_F(BoardFixture, HoveredTileGrowsAndSelectedTileWobbles) {
  makeBoard(kBoard);
  const auto hovered = cell(2, 3);
  platform::InjectMouseMove(static_cast<int>(hovered->x), static_cast<int>(hovered->y));
  frames(5);
  EXPECT_EQ(level->over, hovered);
  EXPECT_FLOAT_EQ(hovered->s, 1.05f);
  EXPECT_GT(hovered->overA, 0.2f);

  const auto selected = cell(1, 1);
  level->clicked = selected;
  selected->clickMe();
  float low = 1, high = 0;
  for (int i = 0; i < 120; ++i) {
    frame();
    low = std::min(low, selected->move);
    high = std::max(high, selected->move);
  }
  EXPECT_EQ(selected->_isClicked, 1);
  EXPECT_FLOAT_EQ(low, 0.0f);
  EXPECT_FLOAT_EQ(high, 1.0f);
}

}  // namespace
