#pragma once
#include <memory>
#include <string>

#include "core/TEkran.h"
#include "platform/platform.h"

class ScreenContext;
class TBMFont;
class TMainGame;
class TProfileManager;

// The summary of a won level: a panel spins in over the game and the counts of stars
// collected, the time bonus, the points bonus and the stars earned fly onto it letter by
// letter. The stars earned and the points go into the current profile as the screen opens.
// A click or Escape sends the letters back; the screen ends when the last one has left.
class TWinScreen : public TEkran {
 public:
  platform::Image img;
  int toExit = 0;
  std::shared_ptr<TBMFont> font1, font2;
  std::string txtStarsCollected, txtTimeBonus, txtScoreBonus, txtEarnedStars, txtClick;

  // screen: the frame and GUI services; game: the won level, drawn behind; profiles: whose
  // current profile is paid. All outlive the screen.
  TWinScreen(ScreenContext& screen, TMainGame& game, TProfileManager& profiles);

  void setup() override;
  virtual void _drawBack();
  virtual void _drawText();
  virtual void _updateBack();
  virtual void createTextsNormal();
  virtual void createTextsRelaxed();
  virtual void createTexts();
  virtual void prepare();
  virtual std::string mainLoop();
  virtual void goExit();

  void update() override;
  void draw() override;

  // One star per 500 points; one per 40 whole seconds left on the clock.
  static int przeliczPunkty(int points);
  static int przeliczCzas(float seconds);

  // What the last win paid: the stars earned (collected and bonuses) and the points.
  int earnedStars() const { return earned_; }

 private:
  struct Row;
  void layRow(const Row& row);
  void layClickPrompt();
  void pay(int earned);
  ScreenContext& screen_;
  TMainGame& game_;
  TProfileManager& profiles_;
  int earned_ = 0;
  bool leaving_ = false;
};
