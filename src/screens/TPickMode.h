#pragma once
#include <memory>

#include "core/TEkran.h"

class ScreenContext;
class TGui;

// The question before a new quest: is the game to be relaxed (no clock)? "yes" or Enter
// answers 1, "no" or Escape 0. The screen behind it is drawn, not updated.
class TPickMode : public TEkran {
 public:
  std::shared_ptr<TGui> gui;

  explicit TPickMode(ScreenContext& screen);

  void setup() override;
  virtual void prepare(TEkran* behind);
  // 1: relaxed, 0: timed.
  virtual int mainLoop(TEkran* behind);

  void update() override;
  void draw() override;

  // The answer given this frame: 1, 0, or -1 while there is none.
  int answer() const;

 private:
  ScreenContext& screen_;
};
