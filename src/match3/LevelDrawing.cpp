// Board drawing: background and snow, plates with the frame, sparkles, tiles, flights.
#include "effects/TSnow.h"
#include "effects/TSopel.h"
#include "match3/TLevel.h"
#include "match3/TRamka.h"
#include "platform/platform.h"

using namespace platform;

void TLevel::draw() {
  drawBackGround();
  drawSnow();
  _drawPlates();
  _forEachCell([](const std::shared_ptr<TTile>& cell, int, int) {
    if (!cell->hide) cell->_drawBlink();
  });
  SetRotation(0);
  SetBlend(ALPHABLEND);
  _forEachCell([](const std::shared_ptr<TTile>& cell, int, int) { cell->draw(); });
  SetAlpha(1);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  SetRotation(0);
  flyingTiles.forEach([](TFlyingTile& flight) { flight.draw(); });
  SetRotation(0);
}

void TLevel::_drawPlates() {
  frameLayout_.update(cellMask());
  SetBlend(ALPHABLEND);
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int row, int col) {
    if (cell->hide) return;
    cell->_drawBack();
    SetAlpha(cell->backAlpha);
    _drawFramePieces(row, col, FramePass::Outer);
  });
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int row, int col) {
    if (cell->hide) return;
    SetAlpha(cell->backAlpha);
    _drawFramePieces(row, col, FramePass::Inner);
  });
  SetAlpha(1);
  SetScale(1, 1);
}

void TLevel::_drawFramePieces(int row, int col, FramePass pass) const {
  SetScale(1, 1);
  for (const TFramePiece& piece : frameLayout_.pieces(row, col, pass)) {
    const auto target = tileAt(piece.row, piece.col);
    const auto ramka = catalog().getRamka(piece.piece);
    if (target && ramka)
      ramka->draw(static_cast<float>(static_cast<int>(target->constX)),
                  static_cast<float>(static_cast<int>(target->constY)));
    if (piece.piece == 4) _drawIcicle(row, col);
  }
}

void TLevel::_drawIcicle(int row, int col) const {
  const int entry = frameLayout_.icicleEntry(row, col);
  const auto cell = tileAt(row, col);
  if (entry < 0 || entry >= kSopelCount || !cell || !sople[entry]) return;
  sople[entry]->draw(static_cast<float>(static_cast<int>(cell->x)),
                     static_cast<float>(static_cast<int>(cell->y)));
}
