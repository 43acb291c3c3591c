#include "app/BotBoard.h"

#include <algorithm>

#include "match3/TLevel.h"
#include "match3/TTileBack.h"

BotBoard BotBoard::read(const TLevel& level) {
  BotBoard board(level.rows, level.cols);
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      const auto tile = level.tileAt(row, col);
      if (!tile || !tile->available) continue;
      BotCell& cell = board.at(row, col);
      cell.available = true;
      cell.kind = tile->tileId();
      cell.power = tile->td ? tile->td->moc : 0;
      cell.plate = tile->tileBackId() > 1 ? std::max(tile->matches, 1) : 0;
      cell.chain = tile->_lancuch;
    }
  return board;
}

int BotBoard::platesLeft() const {
  int left = 0;
  for (const BotCell& cell : cells_) left += cell.plate > 0 ? 1 : 0;
  return left;
}
