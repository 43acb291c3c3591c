#pragma once
#include <memory>

class TLevel;
class TTile;

// What the main game screen asks of the board: the player's controller, the level's opening
// and closing animations and the flights in the air. Match3Board is the board itself; tests
// use a recording double.
class IMainGameBoard {
 public:
  virtual ~IMainGameBoard() = default;
  virtual void setLevel(const std::shared_ptr<TLevel>& level) = 0;
  // One frame of input and board rules; the board draws its own background.
  virtual void update() = 0;
  virtual void draw() = 0;
  // The tile the player has selected, or null.
  virtual std::shared_ptr<TTile> clicked() const = 0;
  virtual void clearClicked() = 0;
  virtual void startDrawing() = 0;
  virtual void startDrawingBack() = 0;
  virtual void hideMe() = 0;
  // The tiles' own animations only: used while another screen runs over the game.
  virtual void updateTiles() = 0;
  virtual void shuffleTiles() = 0;
  virtual void useVanish(int row, int col, int power) = 0;
  virtual bool isBonus(int id) const = 0;
  // A level starts with nothing in the air.
  virtual void clearFlights() = 0;
  // Lands every flight at once, so no tile is left in the air when the level is left.
  virtual void finishFlights() = 0;
};
