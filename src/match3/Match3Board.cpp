#include "match3/Match3Board.h"

#include "effects/TSnow.h"
#include "match3/BoardFrame.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"

using namespace platform;

void Match3Board::setupHint() {}

std::shared_ptr<IMoveHint> Match3Board::createHint() { return nullptr; }

std::shared_ptr<TTile> Match3Board::clicked() const { return level_ ? level_->clicked : nullptr; }

void Match3Board::clearClicked() {
  if (level_) level_->clicked = nullptr;
}

bool Match3Board::isBonus(int id) const {
  if (!level_) return false;
  for (int row = 0; row < level_->rows; ++row)
    for (int col = 0; col < level_->cols; ++col)
      if (auto tile = level_->tileAt(row, col); tile && tile->tileId() == id) return true;
  return false;
}

void Match3Board::setHidden(int hide) {
  if (!level_) return;
  for (int row = 0; row < level_->rows; ++row)
    for (int col = 0; col < level_->cols; ++col)
      if (auto tile = level_->tileAt(row, col)) tile->hide = hide;
}

void Match3Board::draw() {
  if (!level_) return;
  level_->drawBackGround();
  drawSnow();
  SetBlend(ALPHABLEND);
  drawPlates();
  drawTiles();
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
}

void Match3Board::drawPlates() const {
  const TCellMask mask = level_->cellMask();
  for (FramePass pass : {FramePass::Outer, FramePass::Inner}) {
    for (int row = 0; row < level_->rows; ++row) {
      for (int col = 0; col < level_->cols; ++col) {
        auto tile = level_->tileAt(row, col);
        if (!tile || tile->hide) continue;
        SetAlpha(tile->backAlpha);
        if (pass == FramePass::Outer && tile->tileBack && tile->available)
          tile->tileBack->draw(tile->x, tile->y, level_->size, 1.0f);
        for (const TFramePiece& p : framePieces(mask, row, col, pass)) {
          auto piece = level_->catalog().getRamka(p.piece);
          auto at = level_->tileAt(p.row, p.col);
          if (piece && at) piece->draw(at->x, at->y);
        }
      }
    }
  }
}

void Match3Board::drawTiles() const {
  SetAlpha(1);
  for (int row = 0; row < level_->rows; ++row) {
    for (int col = 0; col < level_->cols; ++col) {
      auto tile = level_->tileAt(row, col);
      if (!tile || tile->hide || !tile->td) continue;
      tile->td->drawShadow(tile->x + 3, tile->y + 2, level_->size, 0, 1.0f);
      SetColor(255, 255, 255);
      tile->td->draw(tile->x, tile->y, level_->size, 0);
    }
  }
}
