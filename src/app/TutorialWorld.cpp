#include "app/TutorialWorld.h"

#include "gui/TGui.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "match3/TTile.h"
#include "player/TProfileManager.h"
#include "tree/TTreeScreen.h"

namespace {

std::optional<TutorialTile> spotOf(const std::shared_ptr<TTile>& tile) {
  if (!tile) return std::nullopt;
  return TutorialTile{tile->x, tile->y, tile->td};
}

}  // namespace

float TutorialWorld::fade(TutorialScreen screen) const {
  return screen == TutorialScreen::MainGame ? game_.fade : tree_.fade;
}

int TutorialWorld::startTime(TutorialScreen screen) const {
  return screen == TutorialScreen::MainGame ? game_._startTime : tree_._startTime;
}

void TutorialWorld::restartClocks(int now) {
  game_._startTime = now;
  tree_._startTime = now;
}

int TutorialWorld::questLevel() const {
  return profiles_.profile ? profiles_.profile->nrLeveluQuest : 0;
}

std::vector<int>* TutorialWorld::hintFlags() {
  return profiles_.profile ? &profiles_.profile->hintsDone : nullptr;
}

bool TutorialWorld::eventMatch() const { return game_.EVENT_MATCH != 0; }

bool TutorialWorld::eventSpecTileMatch() const { return game_.EVENT_SPEC_TILE_MATCH != 0; }

bool TutorialWorld::eventChainMatch() const { return game_.EVENT_CHAIN_MATCH != 0; }

bool TutorialWorld::isBonus(int id) const { return game_.isBonus(id) != 0; }

bool TutorialWorld::levelDrawn() const { return game_.level && game_.level->drawing == 0; }

void TutorialWorld::showMove(int row1, int col1, int row2, int col2, const std::string& kier) {
  if (!game_.tileMatch) return;
  game_.tileMatch->start = 0;
  game_.setMatch(row1, col1, row2, col2, kier);
  game_.tileMatch->time = platform::MilliSecs();
}

void TutorialWorld::holdMoveHint() {
  if (game_.tileMatch) game_.tileMatch->reset();
}

void TutorialWorld::lightUp() {
  if (game_.level) game_.level->_lightUpAll();
}

void TutorialWorld::lightDown() {
  if (game_.level) game_.level->_lightDownAll();
}

std::optional<TutorialTile> TutorialWorld::tileWithBonus(int id) const {
  return game_.level ? spotOf(game_.level->getTileWithBonus(id)) : std::nullopt;
}

std::optional<TutorialTile> TutorialWorld::tileOfKind(
    const std::shared_ptr<TTileData>& kind) const {
  return game_.level ? spotOf(game_.level->findTileByTileData(kind)) : std::nullopt;
}

bool TutorialWorld::treePut() const { return tree_.EVENT_TREE_PUT != 0; }

bool TutorialWorld::playerPicked() const { return tree_.EVENT_PLAYER_PICKED != 0; }

void TutorialWorld::setPlayButton(int visible, int active) {
  if (!tree_.Gui) return;
  if (auto play = tree_.Gui->getItem("play")) play->setState(visible, active);
}

void TutorialWorld::setProductsActive(int active) { tree_.productsActive = active; }
