// The level bot's judgement of a board: every swap a player could make on it, what each one
// would hit, and the greedy choice among them.
#pragma once

#include <optional>
#include <vector>

#include "app/BotBoard.h"

struct BotMove {
  int row1 = 0, col1 = 0;  // the tile taken
  int row2 = 0, col2 = 0;  // its neighbour, right of it or below it
  int plates = 0;          // plated cells the move hits (a chain over a plate counts)
  int bonus = 0;           // 1 when it fires a bonus or is big enough to make one
  int line = 0;            // tiles in its lines, a shared corner twice
};

class BotMoves {
 public:
  // Every swap of two neighbouring, unchained tiles that makes a line or fires a bonus, in
  // row order of the first tile.
  static std::vector<BotMove> all(const BotBoard& board);
  // The move that clears most plates, then the one with a bonus, then the biggest line;
  // among equals the lowest on the board, then the leftmost. None when no move exists.
  static std::optional<BotMove> best(const BotBoard& board);
  // Whether a beats b by that order.
  static bool better(const BotMove& a, const BotMove& b);
};
