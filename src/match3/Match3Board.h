#pragma once
#include <memory>

#include "match3/IMainGameBoard.h"

class TLevel;
class TMainGame;

// The board as the main game screen drives it. Until the board's rules are in, it shows the
// level as its file lays it out (background, snow, plates, frame and tiles) and stands still.
class Match3Board : public IMainGameBoard {
 public:
  explicit Match3Board(TMainGame& game) : game_(game) {}

  // The move hint's shared picture, and a new hint (none while the board stands still).
  static void setupHint();
  static std::shared_ptr<IMoveHint> createHint();

  void setLevel(const std::shared_ptr<TLevel>& level) override { level_ = level; }
  void update() override {}
  void draw() override;
  std::shared_ptr<TTile> clicked() const override;
  void clearClicked() override;
  void startDrawing() override { setHidden(0); }
  void startDrawingBack() override { setHidden(1); }
  void hideMe() override { setHidden(1); }
  void updateTiles() override {}
  void shuffleTiles() override {}
  void useVanish(int, int, int) override {}
  bool isBonus(int id) const override;
  void clearFlights() override {}
  void finishFlights() override {}

 private:
  void setHidden(int hide);
  void drawPlates() const;
  void drawTiles() const;

  TMainGame& game_;
  std::shared_ptr<TLevel> level_;
};
