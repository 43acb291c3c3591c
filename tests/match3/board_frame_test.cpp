#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match3/BoardFrame.h"
#include "match3/BoardFrameLayout.h"

namespace {

// '#' marks an available cell.
TCellMask maskOf(const std::vector<std::string>& drawing) {
  TCellMask mask;
  mask.rows = static_cast<int>(drawing.size());
  mask.cols = static_cast<int>(drawing[0].size());
  mask.available = [drawing](int row, int col) { return drawing[row][col] == '#'; };
  return mask;
}

using Pieces = std::vector<TFramePiece>;

}  // namespace

TEST(BoardFrameTest, PiecesAroundAnIrregularBoard) {
  const TCellMask mask = maskOf({
      "......",
      ".##...",
      "..###.",
      ".###..",
      "......",
  });
  struct Case {
    int row, col;
    Pieces outer, inner;
  };
  const Case cases[] = {
      // Top-left cell: left and top edges, the outer corner, and the bottom edge over the
      // notch at (2, 1) with its outer corner.
      {1, 1, {{1, 1, 0}, {2, 0, 1}, {4, 2, 1}, {5, 0, 0}, {8, 2, 0}}, {}},
      // Its right neighbour closes an inner corner on the notch below-left.
      {1, 2, {{2, 0, 2}, {3, 1, 3}, {6, 0, 3}}, {{12, 2, 1}}},
      {2, 2, {{1, 2, 1}}, {{10, 1, 3}}},
      {2, 3, {{2, 1, 3}}, {{11, 3, 4}}},
      {2, 4, {{2, 1, 4}, {3, 2, 5}, {4, 3, 4}, {6, 1, 5}, {7, 3, 5}}, {}},
      {3, 1, {{1, 3, 0}, {2, 2, 1}, {4, 4, 1}, {5, 2, 0}, {8, 4, 0}}, {}},
      // The notch (2, 1) gets piece 9 from its lower-right neighbour's turn.
      {3, 2, {{4, 4, 2}}, {{9, 2, 1}}},
      {3, 3, {{3, 3, 4}, {4, 4, 3}, {7, 4, 4}}, {}},
      // Unavailable cells draw nothing in either pass from their own turn.
      {2, 1, {}, {}},
      {0, 0, {}, {}},
      {1, 3, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + ", " + std::to_string(c.col));
    EXPECT_EQ(framePieces(mask, c.row, c.col, FramePass::Outer), c.outer);
    EXPECT_EQ(framePieces(mask, c.row, c.col, FramePass::Inner), c.inner);
  }
}

TEST(BoardFrameTest, InnerCornersDoNotAskAboutTheirOwnCell) {
  // Cells touching only at a corner: the unavailable cells between them close the gap.
  const TCellMask rising = maskOf({".#.", "#.."});
  EXPECT_EQ(framePieces(rising, 1, 1, FramePass::Inner), (Pieces{{9, 0, 0}}));
  const TCellMask falling = maskOf({"#..", ".#."});
  EXPECT_EQ(framePieces(falling, 0, 1, FramePass::Inner), (Pieces{{12, 1, 0}}));
  EXPECT_EQ(framePieces(falling, 1, 0, FramePass::Inner), (Pieces{{10, 0, 1}}));
  EXPECT_EQ(framePieces(falling, 0, 0, FramePass::Inner), Pieces{});
}

TEST(BoardFrameTest, PiecesStayOnTheGridAtItsEdges) {
  // A board without a border: every edge piece would fall outside.
  const TCellMask mask = maskOf({"##", "##"});
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col) {
      EXPECT_TRUE(framePieces(mask, row, col, FramePass::Outer).empty());
      EXPECT_TRUE(framePieces(mask, row, col, FramePass::Inner).empty());
    }
  const TCellMask single = maskOf({"#"});
  EXPECT_TRUE(framePieces(single, 0, 0, FramePass::Outer).empty());
}

TEST(BoardFrameTest, IciclesHangFromBottomEdgesByNeighboursAndColumn) {
  const TCellMask mask = maskOf({
      "...........",
      ".####.####.",
      "...#.......",
      "#..#.....##",
      "...........",
  });
  struct Case {
    int row, col, type;
  };
  const Case cases[] = {
      {1, 1, 1},   // left open, right taken, odd column
      {1, 6, 2},   // left open, right taken, even column
      {1, 9, 3},   // right open, left taken, odd column
      {1, 4, 4},   // right open, left taken, even column
      {1, 7, 5},   // both taken, odd column
      {1, 8, 0},   // both taken, even column
      {1, 3, 0},   // the cell below is available: no bottom edge, no icicle
      {1, 5, 0},   // not available
      {3, 3, 0},   // both sides open
      {3, 0, 0},   // first column
      {3, 10, 0},  // last column
      {3, 9, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(icicleType(mask, c.row, c.col), c.type) << c.row << ", " << c.col;

  const int entries[][2] = {{1, 2}, {2, 3}, {3, 5}, {4, 6}, {5, 0}, {0, -1}, {6, -1}};
  for (const auto& e : entries) EXPECT_EQ(icicleEntry(e[0]), e[1]) << e[0];
}

// The layout a board keeps gives what the rules give, cell by cell, and follows the area when
// it changes (a new level on the same board, the editor).
TEST(BoardFrameTest, KeptLayoutMatchesTheRulesAndFollowsAChangedArea) {
  const std::vector<std::vector<std::string>> areas = {
      {"......", ".##...", "..###.", ".###..", "......"},
      {"......", ".##...", "..#.#.", ".###..", "......"},
      {".....", ".###.", ".###.", "....."},
  };
  BoardFrameLayout layout;
  for (const auto& drawing : areas) {
    const TCellMask mask = maskOf(drawing);
    layout.update(mask);
    for (int row = 0; row < mask.rows; ++row)
      for (int col = 0; col < mask.cols; ++col) {
        for (const FramePass pass : {FramePass::Outer, FramePass::Inner})
          EXPECT_EQ(layout.pieces(row, col, pass), framePieces(mask, row, col, pass))
              << drawing[2] << " at " << row << "," << col;
        EXPECT_EQ(layout.icicleEntry(row, col), icicleEntry(icicleType(mask, row, col)))
            << drawing[2] << " at " << row << "," << col;
      }
    EXPECT_TRUE(layout.pieces(mask.rows, 0, FramePass::Outer).empty()) << "off the grid";
    EXPECT_EQ(layout.icicleEntry(-1, 0), -1);
  }
}
