#pragma once
#include <memory>

#include "match3/IMainGameBoard.h"
#include "match3/TMatch3Game.h"

class TLevel;

// The board as the main game screen drives it: the player's controller and its level.
class Match3Board : public IMainGameBoard {
 public:
  TMatch3Game match3;

  explicit Match3Board(const TMouse& mouse) : match3(mouse) {}

  void setLevel(const std::shared_ptr<TLevel>& level) override;
  void update() override { match3.update(); }
  void draw() override { match3.draw(); }
  std::shared_ptr<TTile> clicked() const override { return match3.clicked; }
  void clearClicked() override;
  void startDrawing() override;
  void startDrawingBack() override;
  void hideMe() override;
  void updateTiles() override;
  void shuffleTiles() override;
  void useVanish(int row, int col, int power) override;
  bool isBonus(int id) const override;
  void clearFlights() override;
  void finishFlights() override;

 private:
  TLevel* level() const { return match3.level.get(); }
};
