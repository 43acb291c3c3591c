#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/TDim.h"
#include "platform/platform.h"
#include "screens/ITutorialWorld.h"
#include "screens/TAkcja.h"
#include "screens/TArrow.h"
#include "screens/TWarunek.h"

class TTutorial;

// One hint of the tutorial: a panel of text lines with an OK button and arrows, shown once
// its conditions hold, performing its actions as it shows, and ended by its dismissal rule.
class TTutorialHint {
 public:
  explicit TTutorialHint(TTutorial& owner) : owner_(owner) {}

  int id = 0;
  std::string killer;  // "MATCH", "CLICK", "PICK" or "PLAYER_TREE_PUT"
  std::vector<TWarunek> warunki;
  std::vector<std::string> teksty;
  std::vector<TArrow> strzalki;
  std::vector<TAkcja> akcje;
  platform::Image gfx;
  std::shared_ptr<TDim> dim = createDim(0, 0);
  float a = 0, da = 0;
  int startY = 0;
  int wykonany = 0;
  int goKill = 0;
  int activateTime = 0;

  // An arrow by the first tile of that bonus kind, and the panel beside it; without such a
  // tile the hint shows as it is, with no arrow.
  void createStrzalkaNaBonus(int bonusId);
  void execute();
  void countPositions();
  void reset();
  void kill();
  void _updateKiller();
  void _updateAlpha();
  void _updateArrows();
  void _updateButton();
  void update();
  // True (and the hint is now the active one) when its conditions hold on `screen`.
  bool check(TutorialScreen screen);
  // Whether the hint's screen and level conditions hold on `screen`: it is due there now or
  // later in the visit, whatever its other conditions wait for.
  bool belongsTo(TutorialScreen screen) const;
  void draw() const;

 private:
  bool holds(const TWarunek& condition, TutorialScreen screen) const;
  void perform(const TAkcja& action);
  bool killerHolds() const;
  bool started() const;
  TTutorial& owner_;
};
