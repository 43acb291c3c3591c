// The level bot's reading of a board: which swaps act, what they hit, and which it prefers.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/BotMoves.h"

namespace {

// A board drawn in text: '#' no cell, 'a'..'g' kinds 1..7 on plain cells, 'A'..'G' the same
// kinds on a plate, '*' a bomb of reach 1, '|' a column fire of reach 9. An optional second
// drawing gives chain levels ('1', '2').
BotBoard drawn(const std::vector<std::string>& rows, const std::vector<std::string>& chains = {}) {
  BotBoard board(int(rows.size()), int(rows[0].size()));
  for (int r = 0; r < board.rows(); ++r)
    for (int c = 0; c < board.cols(); ++c) {
      const char ch = rows[size_t(r)][size_t(c)];
      if (ch == '#') continue;
      BotCell& cell = board.at(r, c);
      cell.available = true;
      if (ch == '*') cell.kind = 101, cell.power = 1;
      if (ch == '|') cell.kind = 103, cell.power = 9;
      if (ch >= 'a' && ch <= 'g') cell.kind = ch - 'a' + 1;
      if (ch >= 'A' && ch <= 'G') cell.kind = ch - 'A' + 1, cell.plate = 1;
      if (size_t(r) < chains.size() && chains[size_t(r)][size_t(c)] > '0')
        cell.chain = chains[size_t(r)][size_t(c)] - '0';
    }
  return board;
}

struct Pick {
  const char* what;
  std::vector<std::string> rows;
  std::vector<std::string> chains;
  std::optional<std::vector<int>> move;  // row1, col1, row2, col2; none when nothing acts
  int plates, bonus, line;
};

TEST(BotMoves, PicksPlatesThenBonusesThenTheBiggestLine) {
  const std::vector<Pick> picks = {
      {"a plain line of three, the only move", {"aab", "bca", "cdd"}, {}, {{0, 2, 1, 2}}, 0, 0, 3},
      {"nothing makes a line", {"abc", "bca", "cab"}, {}, std::nullopt, 0, 0, 0},
      {"a line on a plate beats a line of five beside no plate",
       {"aabaacD", "ccaebfd", "becgcde"},
       {},
       {{2, 5, 2, 6}},
       1,
       0,
       3},
      {"a line of four, which makes a bonus, beats a line of three",
       {"aabadcc", "bcabcdc", "cedcacb"},
       {},
       {{0, 2, 1, 2}},
       0,
       1,
       4},
      {"an L of three and three counts its corner twice",
       {"bcaef", "deacb", "aadac"},
       {},
       {{2, 2, 2, 3}},
       0,
       1,
       6},
      {"a line through a chained tile counts",
       {"abcd", "bdca", "dceb"},
       {"0000", "0010"},
       {{2, 1, 2, 2}},
       0,
       0,
       3},
      {"a chained tile is never moved, though moving it would make a line",
       {"ab#", "bac", "adb"},
       {"000", "010"},
       std::nullopt,
       0,
       0,
       0},
      {"a bomb fired by a swap counts the plates in its reach",
       {"abcd", "b*AB", "cdCa"},
       {},
       {{1, 1, 1, 2}},
       3,
       1,
       0},
  };
  for (const Pick& pick : picks) {
    SCOPED_TRACE(pick.what);
    const auto best = BotMoves::best(drawn(pick.rows, pick.chains));
    ASSERT_EQ(best.has_value(), pick.move.has_value());
    if (!best || !pick.move) continue;
    EXPECT_EQ((std::vector<int>{best->row1, best->col1, best->row2, best->col2}), *pick.move);
    EXPECT_EQ(best->plates, pick.plates);
    EXPECT_EQ(best->bonus, pick.bonus);
    EXPECT_EQ(best->line, pick.line);
  }
}

TEST(BotMoves, AColumnFireReachesTheWholeColumnOfItsNewCell) {
  // The fire swapped down lands in column 1 and reaches both plates there, not the one in
  // column 0.
  const BotBoard board = drawn({"a|c", "dbe", "AFe", "cBd"});
  const auto best = BotMoves::best(board);
  ASSERT_TRUE(best.has_value());
  if (!best) return;
  EXPECT_EQ(best->bonus, 1);
  EXPECT_EQ(best->plates, 2);
  EXPECT_EQ(best->col1, 1);
  EXPECT_EQ(best->col2, 1);
}

}  // namespace
