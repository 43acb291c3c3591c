#pragma once
#include <functional>
#include <vector>

// Which cells belong to the playing area, as the frame and icicle rules see them.
struct TCellMask {
  int rows = 0;
  int cols = 0;
  std::function<bool(int row, int col)> available;

  bool inside(int row, int col) const { return row >= 0 && col >= 0 && row < rows && col < cols; }
  bool on(int row, int col) const { return inside(row, col) && available && available(row, col); }
};

// One frame piece (1..20 in the frame table) to draw at the centre of cell (row, col).
struct TFramePiece {
  int piece = 0;
  int row = 0;
  int col = 0;
  bool operator==(const TFramePiece&) const = default;
};

// Edges and outer corners (pieces 1-8) go with the plates; inner corners (9-12) are drawn
// in a second pass over the board, after every plate.
enum class FramePass { Outer, Inner };

// The pieces that the turn of cell (row, col) draws around it, in drawing order.
std::vector<TFramePiece> framePieces(const TCellMask& mask, int row, int col, FramePass pass);

// The icicle hanging under piece 4 of cell (row, col): type 1..5, or 0 for none (also when the
// cell draws no piece 4).
int icicleType(const TCellMask& mask, int row, int col);

// Entry of the icicle table for an icicle type; -1 for none.
int icicleEntry(int type);
