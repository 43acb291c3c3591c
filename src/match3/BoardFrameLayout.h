#pragma once
#include <cstdint>
#include <vector>

#include "match3/BoardFrame.h"

// The frame pieces and icicles of every cell of a playing area, worked out once: a board
// draws them every frame, and the area stays the same for the whole level. `update` works
// them out again only when the area differs from the one they were made for.
class BoardFrameLayout {
 public:
  void update(const TCellMask& mask);

  // What the turn of cell (row, col) draws in each pass, as framePieces gives it.
  const std::vector<TFramePiece>& pieces(int row, int col, FramePass pass) const;
  // The icicle table entry under cell (row, col); -1 for none.
  int icicleEntry(int row, int col) const;

 private:
  size_t index(int row, int col) const { return size_t(row) * size_t(cols_) + size_t(col); }

  int rows_ = -1;
  int cols_ = -1;
  std::vector<uint8_t> area_;  // 1 for each cell of the playing area
  std::vector<std::vector<TFramePiece>> outer_;
  std::vector<std::vector<TFramePiece>> inner_;
  std::vector<int> icicles_;
};
