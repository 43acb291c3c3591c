#include "match3/BoardFrame.h"

#include <array>

namespace {

struct Offset {
  int dr = 0;
  int dc = 0;
};

// A piece goes on the target cell when the target lies on the grid and is not available,
// the "off" cells are not available and the "on" cells are.
struct PieceRule {
  int piece;
  Offset target;
  std::vector<Offset> off;
  std::vector<Offset> on;
};

const std::array<PieceRule, 12>& rules() {
  static const std::array<PieceRule, 12> table = {{
      {1, {0, -1}, {}, {{0, 0}}},
      {2, {-1, 0}, {}, {{0, 0}}},
      {3, {0, 1}, {}, {{0, 0}}},
      {4, {1, 0}, {}, {{0, 0}}},
      {5, {-1, -1}, {{0, -1}, {-1, 0}}, {{0, 0}}},
      {6, {-1, 1}, {{0, 1}, {-1, 0}}, {{0, 0}}},
      {7, {1, 1}, {{0, 1}, {1, 0}}, {{0, 0}}},
      {8, {1, -1}, {{0, -1}, {1, 0}}, {{0, 0}}},
      {9, {-1, -1}, {}, {{0, -1}, {-1, 0}}},
      {10, {-1, 1}, {}, {{0, 1}, {-1, 0}}},
      {11, {1, 1}, {}, {{0, 1}, {1, 0}}},
      {12, {1, -1}, {}, {{0, -1}, {1, 0}}},
  }};
  return table;
}

bool applies(const TCellMask& mask, const PieceRule& rule, int row, int col) {
  const int tr = row + rule.target.dr;
  const int tc = col + rule.target.dc;
  if (!mask.inside(tr, tc) || mask.on(tr, tc)) return false;
  for (const Offset& o : rule.off)
    if (mask.on(row + o.dr, col + o.dc)) return false;
  for (const Offset& o : rule.on)
    if (!mask.on(row + o.dr, col + o.dc)) return false;
  return true;
}

}  // namespace

std::vector<TFramePiece> framePieces(const TCellMask& mask, int row, int col, FramePass pass) {
  std::vector<TFramePiece> pieces;
  const bool inner = pass == FramePass::Inner;
  for (const PieceRule& rule : rules()) {
    if ((rule.piece >= 9) != inner) continue;
    if (applies(mask, rule, row, col))
      pieces.push_back({rule.piece, row + rule.target.dr, col + rule.target.dc});
  }
  return pieces;
}

int icicleType(const TCellMask& mask, int row, int col) {
  if (!applies(mask, rules()[3], row, col)) return 0;
  if (col == 0 || col == mask.cols - 1) return 0;
  const bool left = mask.on(row, col - 1);
  const bool right = mask.on(row, col + 1);
  const bool odd = col % 2 != 0;
  if (!left && right) return odd ? 1 : 2;
  if (!right && left) return odd ? 3 : 4;
  if (left && right && odd) return 5;
  return 0;
}

int icicleEntry(int type) {
  switch (type) {
    case 1:
      return 2;
    case 2:
      return 3;
    case 3:
      return 5;
    case 4:
      return 6;
    case 5:
      return 0;
    default:
      return -1;
  }
}
