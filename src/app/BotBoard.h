// What a player can see of a board, copied out of a level: for every cell whether it is part
// of the playing area, the kind on it (a bonus kind above 100), the plate layers left under it
// and its chain level. The level bot reads its moves from this copy, never from the level
// itself, so thinking about a move can change nothing in the game.
#pragma once

#include <cstddef>
#include <vector>

class TLevel;

struct BotCell {
  bool available = false;
  int kind = 0;   // 0 empty, 1..100 a tile kind, above 100 a bonus kind
  int power = 0;  // a bonus kind's reach
  int plate = 0;  // plate layers still to clear
  int chain = 0;  // chain level 0..2
};

class BotBoard {
 public:
  BotBoard() = default;
  BotBoard(int rows, int cols)
      : rows_(rows), cols_(cols), cells_(std::size_t(rows) * std::size_t(cols)) {}
  static BotBoard read(const TLevel& level);

  int rows() const { return rows_; }
  int cols() const { return cols_; }
  bool inside(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }
  const BotCell& at(int row, int col) const { return cells_[index(row, col)]; }
  BotCell& at(int row, int col) { return cells_[index(row, col)]; }
  int platesLeft() const;

 private:
  std::size_t index(int row, int col) const {
    return std::size_t(row) * std::size_t(cols_) + std::size_t(col);
  }

  int rows_ = 0;
  int cols_ = 0;
  std::vector<BotCell> cells_;
};
