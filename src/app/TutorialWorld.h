#pragma once
#include "screens/ITutorialWorld.h"

class TMainGame;
class TProfileManager;
class TTreeScreen;

// The tutorial's view of the game: the main game, the tree screen and the current player.
class TutorialWorld : public ITutorialWorld {
 public:
  TutorialWorld(TMainGame& game, TTreeScreen& tree, TProfileManager& profiles)
      : game_(game), tree_(tree), profiles_(profiles) {}

  float fade(TutorialScreen screen) const override;
  int startTime(TutorialScreen screen) const override;
  void restartClocks(int now) override;
  int questLevel() const override;
  std::vector<int>* hintFlags() override;
  bool eventMatch() const override;
  bool eventSpecTileMatch() const override;
  bool eventChainMatch() const override;
  bool isBonus(int id) const override;
  bool levelDrawn() const override;
  void showMove(int row1, int col1, int row2, int col2, const std::string& kier) override;
  void holdMoveHint() override;
  void lightUp() override;
  void lightDown() override;
  std::optional<TutorialTile> tileWithBonus(int id) const override;
  std::optional<TutorialTile> tileOfKind(const std::shared_ptr<TTileData>& kind) const override;
  bool treePut() const override;
  bool playerPicked() const override;
  void setPlayButton(int visible, int active) override;
  void setProductsActive(int active) override;

 private:
  TMainGame& game_;
  TTreeScreen& tree_;
  TProfileManager& profiles_;
};
