#include "match3/BoardFrameLayout.h"

#include <algorithm>

void BoardFrameLayout::update(const TCellMask& mask) {
  std::vector<uint8_t> area(size_t(std::max(mask.rows, 0)) * size_t(std::max(mask.cols, 0)));
  for (int row = 0; row < mask.rows; ++row)
    for (int col = 0; col < mask.cols; ++col)
      area[size_t(row) * size_t(mask.cols) + size_t(col)] = mask.on(row, col) ? 1 : 0;
  if (mask.rows == rows_ && mask.cols == cols_ && area == area_) return;
  rows_ = mask.rows;
  cols_ = mask.cols;
  area_ = std::move(area);
  outer_.assign(area_.size(), {});
  inner_.assign(area_.size(), {});
  icicles_.assign(area_.size(), -1);
  for (int row = 0; row < rows_; ++row)
    for (int col = 0; col < cols_; ++col) {
      outer_[index(row, col)] = framePieces(mask, row, col, FramePass::Outer);
      inner_[index(row, col)] = framePieces(mask, row, col, FramePass::Inner);
      icicles_[index(row, col)] = ::icicleEntry(icicleType(mask, row, col));
    }
}

const std::vector<TFramePiece>& BoardFrameLayout::pieces(int row, int col, FramePass pass) const {
  static const std::vector<TFramePiece> kNone;
  if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return kNone;
  return (pass == FramePass::Inner ? inner_ : outer_)[index(row, col)];
}

int BoardFrameLayout::icicleEntry(int row, int col) const {
  if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return -1;
  return icicles_[index(row, col)];
}
