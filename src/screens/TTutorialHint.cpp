#include "screens/TTutorialHint.h"

#include <algorithm>
#include <cstdlib>

#include "core/Ease.h"
#include "core/Globals.h"
#include "effects/TFlyText.h"
#include "gui/GuiSounds.h"
#include "gui/GuiUtil.h"
#include "gui/TBMFont.h"
#include "gui/TButton.h"
#include "screens/TTutorial.h"

namespace {

// A parameter written as text, as an integer; 0 when it is not a number.
int paramInt(const std::string& text) {
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

bool hasCondition(const TTutorialHint& hint, const std::string& name) {
  return std::any_of(hint.warunki.begin(), hint.warunki.end(),
                     [&](const TWarunek& w) { return w.name == name; });
}

}  // namespace

void TTutorialHint::createStrzalkaNaBonus(int bonusId) {
  const auto tile = owner_.world().tileWithBonus(bonusId);
  if (!tile) {
    countPositions();
    return;
  }
  TArrow arrow;
  arrow.standBy(tile->x, tile->y);
  arrow.tile = tile->kind;
  arrow.reset();
  strzalki.push_back(arrow);
  const int w = owner_.panelWidth(), h = owner_.panelHeight();
  dim->x = arrow.x < 400 ? arrow.x + 50 : arrow.x - float(w) - 50;
  dim->y = arrow.y < 300 ? arrow.y : arrow.y - float(h);
  countPositions();
}

void TTutorialHint::execute() {
  activateTime = 0;
  for (const TAkcja& action : akcje) perform(action);
}

void TTutorialHint::perform(const TAkcja& action) {
  ITutorialWorld& world = owner_.world();
  if (action.name == "SET_TILE_MATCH") {
    world.showMove(paramInt(action.p1), paramInt(action.p2), paramInt(action.p3),
                   paramInt(action.p4), action.p5);
  } else if (action.name == "LIGHT_UP") {
    world.lightUp();
  } else if (action.name == "DELAY") {
    activateTime = platform::MilliSecs() + paramInt(action.p1);
  } else if (action.name == "SET_TREE_BUTTON_PLAY_STATE") {
    world.setPlayButton(paramInt(action.p1), paramInt(action.p2));
  } else if (action.name == "SET_TREE_PRODUCT_STATE") {
    world.setProductsActive(paramInt(action.p1));
  } else if (action.name == "MAKE_ARROW") {
    if (action.p1 == "BONUS") createStrzalkaNaBonus(paramInt(action.p2));
  } else if (action.name == "HIDE_WINDOW") {
    a = 0;
    da = 0;
    goKill = 0;
  }
}

void TTutorialHint::countPositions() {
  const int w = owner_.panelWidth(), h = owner_.panelHeight();
  if (TButton* button = owner_.okButton.get()) {
    if (!button->dim) button->dim = createDim(0, 0);
    button->dim->x = dim->x + float(w / 2);
    button->dim->y = dim->y + float(h - 35);
    button->countDims();
  }
  startY = int(dim->y - 11 + float(h / 2) - 8.0f * float(teksty.size()));
}

void TTutorialHint::reset() {
  a = 0;
  da = 1;
  goKill = 0;
  for (TArrow& arrow : strzalki) arrow.reset();
  countPositions();
}

void TTutorialHint::kill() {
  da = 0;
  for (TArrow& arrow : strzalki) arrow.da = 0;
  if (goKill) return;
  goKill = 1;
  for (const TAkcja& action : akcje)
    if (action.name == "LIGHT_UP") owner_.world().lightDown();
}

bool TTutorialHint::started() const { return platform::MilliSecs() >= activateTime; }

bool TTutorialHint::killerHolds() const {
  const ITutorialWorld& world = owner_.world();
  if (killer == "MATCH") return world.eventMatch();
  if (killer == "CLICK") return owner_.okButton && owner_.okButton->_clicked;
  if (killer == "PICK") return world.playerPicked();
  if (killer == "PLAYER_TREE_PUT") return world.treePut();
  return false;
}

void TTutorialHint::_updateKiller() {
  if (killerHolds()) kill();
}

void TTutorialHint::_updateAlpha() {
  if (started()) a = easeToward(a, da, 0.06f * delta);
}

void TTutorialHint::_updateArrows() {
  if (!started()) return;
  for (TArrow& arrow : strzalki) arrow.update(owner_.world());
}

void TTutorialHint::_updateButton() {
  TButton* button = owner_.okButton.get();
  if (!button) return;
  button->_alpha = a;
  button->_dAlpha = a;
  // A button nobody can see does not take clicks (a hidden hint, or one not yet begun).
  if (started() && a > 0) {
    button->update(owner_.mouse(), 0, 0);
  } else {
    button->_clicked = 0;
    button->_over = 0;
  }
  if (!button->_clicked) return;
  da = 0;
  owner_.sounds().playClick();
}

void TTutorialHint::update() {
  if (id != 6) owner_.world().holdMoveHint();
  _updateButton();
  _updateAlpha();
  _updateArrows();
  _updateKiller();
  if (a == 0 && da == 0 && goKill == 1) {
    owner_.markDone(*this);
    owner_.world().restartClocks(platform::MilliSecs());
  }
}

bool TTutorialHint::holds(const TWarunek& condition, TutorialScreen screen) const {
  const ITutorialWorld& world = owner_.world();
  const std::string& name = condition.name;
  const int param = paramInt(condition.param);
  if (name == "MAIN_GAME") return screen == TutorialScreen::MainGame && world.questLevel() == param;
  if (name == "MAIN_GAME_SCREEN") return screen == TutorialScreen::MainGame;
  if (name == "TREE_SCREEN") return screen == TutorialScreen::Tree && world.questLevel() == param;
  if (name == "PLAYER_TREE_PUT") return world.treePut();
  if (name == "SPEC_TILE_MATCH") return world.eventSpecTileMatch();
  if (name == "CHAIN_MATCH") return world.eventChainMatch();
  if (name == "TIME_ELAPSED") return platform::MilliSecs() - world.startTime(screen) >= param;
  if (name == "LEVEL_DRAWED") return world.levelDrawn();
  if (name == "HINT_EXECUTED") {
    const TTutorialHint* other = owner_.getHintById(param);
    return other && other->wykonany;
  }
  if (name == "BONUS_SHOWED") return world.isBonus(param);
  if (name == "ANY_BONUS_HINT_EXECUTED") {
    return std::any_of(owner_.tutorialHints.begin(), owner_.tutorialHints.end(), [](const auto& h) {
      return h->wykonany && hasCondition(*h, "BONUS_SHOWED");
    });
  }
  return true;
}

bool TTutorialHint::belongsTo(TutorialScreen screen) const {
  return std::all_of(warunki.begin(), warunki.end(), [&](const TWarunek& condition) {
    const bool placing = condition.name == "MAIN_GAME" || condition.name == "MAIN_GAME_SCREEN" ||
                         condition.name == "TREE_SCREEN";
    return !placing || holds(condition, screen);
  });
}

bool TTutorialHint::check(TutorialScreen screen) {
  if (wykonany) return false;
  for (const TWarunek& condition : warunki)
    if (!holds(condition, screen)) return false;
  reset();
  owner_.activeHint = this;
  execute();
  return true;
}

void TTutorialHint::draw() const {
  for (const TArrow& arrow : strzalki) arrow.draw(owner_.arrow);
  platform::SetAlpha(a);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetColor(255, 255, 255);
  platform::SetRotation(0);
  if (owner_.panel) platform::DrawImage(owner_.panel, dim->x, dim->y);
  const int centre = int(dim->x + float(owner_.panelWidth() / 2));
  TBMFont* font = owner_.font.get();
  for (size_t k = 0; k < teksty.size(); ++k) {
    const int top = startY + 16 * int(k);
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(0.3f * a);
    TFlyText::drawMyText(teksty[k], centre + 2, top + 2, font, 1);
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(a);
    TFlyText::drawMyText(teksty[k], centre, top, font, 1);
  }
  if (owner_.okButton) owner_.okButton->draw(0, 0);
}
