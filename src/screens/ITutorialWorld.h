// What the tutorial reads and sets on the two screens it runs on: the main game with its
// board, and the tree screen with its shop.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TTileData;

enum class TutorialScreen { MainGame, Tree };

// A tile on the board as the tutorial's arrows see it: where it is and its kind.
struct TutorialTile {
  float x = 0, y = 0;
  std::shared_ptr<TTileData> kind;
};

class ITutorialWorld {
 public:
  virtual ~ITutorialWorld() = default;

  // Both screens.
  virtual float fade(TutorialScreen screen) const = 0;
  virtual int startTime(TutorialScreen screen) const = 0;
  // Both screens' clocks restart: "TIME_ELAPSED" counts from `now`.
  virtual void restartClocks(int now) = 0;
  virtual int questLevel() const = 0;
  // The current player's hint flags, indexed by hint id - 1; null without a player.
  virtual std::vector<int>* hintFlags() = 0;

  // The main game and its board.
  virtual bool eventMatch() const = 0;
  virtual bool eventSpecTileMatch() const = 0;
  virtual bool eventChainMatch() const = 0;
  virtual bool isBonus(int id) const = 0;
  // The game has a level whose tiles have finished coming in.
  virtual bool levelDrawn() const = 0;
  // Shows the move hint on the swap of [row1, col1] and [row2, col2] at once.
  virtual void showMove(int row1, int col1, int row2, int col2, const std::string& kier) = 0;
  // Holds the board's own move hint back (hidden, due again later).
  virtual void holdMoveHint() = 0;
  virtual void lightUp() = 0;
  virtual void lightDown() = 0;
  virtual std::optional<TutorialTile> tileWithBonus(int id) const = 0;
  virtual std::optional<TutorialTile> tileOfKind(const std::shared_ptr<TTileData>& kind) const = 0;

  // The tree screen.
  virtual bool treePut() const = 0;
  virtual bool playerPicked() const = 0;
  virtual void setPlayButton(int visible, int active) = 0;
  virtual void setProductsActive(int active) = 0;
};
