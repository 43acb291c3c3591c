#include "app/BotMoves.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

namespace {

using Cell = std::pair<int, int>;

// The board with two cells' kinds exchanged, as the swap would leave it.
class Swapped {
 public:
  Swapped(const BotBoard& board, Cell a, Cell b) : board_(board), a_(a), b_(b) {}

  int kind(int row, int col) const {
    if (!board_.inside(row, col) || !board_.at(row, col).available) return 0;
    const Cell here{row, col};
    if (here == a_) return board_.at(b_.first, b_.second).kind;
    if (here == b_) return board_.at(a_.first, a_.second).kind;
    return board_.at(row, col).kind;
  }

  // The run of equal kinds through (row, col) along (dr, dc), both ways; empty below three.
  std::vector<Cell> run(Cell from, int dr, int dc) const {
    const int k = kind(from.first, from.second);
    std::vector<Cell> cells{from};
    for (int sign : {1, -1}) {
      for (int d = 1;; ++d) {
        const int r = from.first + sign * d * dr, c = from.second + sign * d * dc;
        if (kind(r, c) != k) break;
        cells.emplace_back(r, c);
      }
    }
    if (cells.size() < 3) cells.clear();
    return cells;
  }

 private:
  const BotBoard& board_;
  Cell a_, b_;
};

// The cells a bonus fired at (row, col) reaches; a vanishing bonus picks at random and so
// promises nothing.
std::vector<Cell> blast(const BotBoard& board, Cell at, int kind, int power) {
  std::vector<Cell> cells;
  const auto add = [&](int r, int c) {
    if (board.inside(r, c) && board.at(r, c).available) cells.emplace_back(r, c);
  };
  const auto [row, col] = at;
  switch (kind) {
    case 101:
    case 105:
    case 111:
      for (int r = row - power; r <= row + power; ++r)
        for (int c = col - power; c <= col + power; ++c) add(r, c);
      break;
    case 102:
    case 106:
    case 112:
      for (int d = -power; d <= power; ++d) add(row + d, col), add(row, col + d);
      break;
    case 103:
    case 109:
      for (int d = -power; d <= power; ++d) add(row + d, col);
      break;
    case 104:
    case 110:
      for (int d = -power; d <= power; ++d) add(row, col + d);
      break;
    default:
      break;
  }
  return cells;
}

// What the swap of a and b does, or nothing when it would fly back.
std::optional<BotMove> judge(const BotBoard& board, Cell a, Cell b) {
  const Swapped after(board, a, b);
  std::set<Cell> hit;
  BotMove move{a.first, a.second, b.first, b.second, 0, 0, 0};
  bool acts = false;
  for (const Cell& side : {a, b}) {
    const int kind = after.kind(side.first, side.second);
    if (kind > 100) {
      const Cell from = side == a ? b : a;
      for (const Cell& cell : blast(board, side, kind, board.at(from.first, from.second).power))
        hit.insert(cell);
      hit.insert(side);
      move.bonus = 1;
      acts = true;
      continue;
    }
    for (const auto& [dr, dc] : {std::pair{1, 0}, std::pair{0, 1}}) {
      const std::vector<Cell> run = after.run(side, dr, dc);
      move.line += int(run.size());
      hit.insert(run.begin(), run.end());
    }
  }
  if (move.line > 3) move.bonus = 1;
  if (move.line == 0 && !acts) return std::nullopt;
  for (const Cell& cell : hit) move.plates += board.at(cell.first, cell.second).plate > 0 ? 1 : 0;
  return move;
}

bool swappable(const BotBoard& board, int row, int col) {
  if (!board.inside(row, col)) return false;
  const BotCell& cell = board.at(row, col);
  return cell.available && cell.kind != 0 && cell.chain == 0;
}

}  // namespace

std::vector<BotMove> BotMoves::all(const BotBoard& board) {
  std::vector<BotMove> moves;
  for (int row = 0; row < board.rows(); ++row)
    for (int col = 0; col < board.cols(); ++col) {
      if (!swappable(board, row, col)) continue;
      for (const auto& [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}}) {
        if (!swappable(board, row + dr, col + dc)) continue;
        if (auto move = judge(board, {row, col}, {row + dr, col + dc})) moves.push_back(*move);
      }
    }
  return moves;
}

bool BotMoves::better(const BotMove& a, const BotMove& b) {
  const auto key = [](const BotMove& m) {
    return std::tuple(m.plates, m.bonus, m.line, std::max(m.row1, m.row2), -m.col1);
  };
  return key(a) > key(b);
}

std::optional<BotMove> BotMoves::best(const BotBoard& board) {
  std::optional<BotMove> best;
  for (const BotMove& move : all(board))
    if (!best || better(move, *best)) best = move;
  return best;
}
