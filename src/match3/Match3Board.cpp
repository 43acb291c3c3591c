#include "match3/Match3Board.h"

#include "match3/TLevel.h"

void Match3Board::setLevel(const std::shared_ptr<TLevel>& level) {
  match3.setLevel(level);
  match3.clicked = nullptr;
}

void Match3Board::clearClicked() {
  // The controller's selection goes too, or its marker would stay on an old tile.
  match3.clicked = nullptr;
  if (level()) level()->clicked = nullptr;
}

void Match3Board::startDrawing() {
  if (level()) level()->_startDrawing();
}

void Match3Board::startDrawingBack() {
  if (level()) level()->_startDrawingBack();
}

void Match3Board::hideMe() {
  if (level()) level()->hideMe();
}

void Match3Board::updateTiles() {
  if (level()) level()->_updateTiles();
}

void Match3Board::shuffleTiles() {
  if (level()) level()->_shuffleTiles();
}

void Match3Board::useVanish(int row, int col, int power) {
  if (level()) level()->useVanish(row, col, power);
}

bool Match3Board::isBonus(int id) const { return level() && level()->isBonus(id) != 0; }

void Match3Board::clearFlights() {
  if (level()) level()->flyingTiles.clear();
}

void Match3Board::finishFlights() {
  if (level()) level()->finishFlights();
}
