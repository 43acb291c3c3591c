#pragma once
#include <memory>
#include <string>

class TLevel;
class TTile;
class TMouse;

// The player's hand on the board: presses select, a second press on a neighbour or a drag of
// 8 pixels swaps, a press on the selected tile deselects it (and fires a selected bonus).
// Runs the board's frame from inside its own update. Owned by the main game screen.
//
// Driving it, once per frame after its mouse sampler (TMouse::update) has run:
//   level->connect(<the main game, an IBoardListener>, <IBoardSounds>);
//   match3.setLevel(level);            // when a level is shown; its tiles read our mouse
//   match3.update();                   // the board's whole frame, then the mouse
//   match3.draw();                     // background, plates, frame, tiles, flights
// The selected tile (for the selection marker) is match3.clicked.
class TMatch3Game {
 public:
  std::shared_ptr<TLevel> level;
  std::string state;
  std::shared_ptr<TTile> over;
  std::shared_ptr<TTile> clicked;
  float mx = 0, my = 0;
  std::shared_ptr<TTile> lastOver;
  std::shared_ptr<TTile> _over;
  explicit TMatch3Game(const TMouse& mouse) : mouse_(mouse) {}

  // One frame: the board's update, then the mouse.
  void update();
  void setLevel(const std::shared_ptr<TLevel>& newLevel);
  void draw();

  void setClicked(const std::shared_ptr<TTile>& tile);
  void odznacz();
  void clickTile(const std::shared_ptr<TTile>& tile);
  void setChange(const std::shared_ptr<TTile>& a, const std::shared_ptr<TTile>& b);
  int checkIfBonus(const std::shared_ptr<TTile>& tile);
  int checkClickedTilePosition(const std::shared_ptr<TTile>& tile) const;
  static int checkTilesPositionRange(const TTile& a, const TTile& b);
  void checkMove2();
  void move();

 private:
  const TMouse& _mouse() const { return mouse_; }
  const TMouse& mouse_;  // the sampler read each frame
};
