#pragma once
#include <functional>

#include "core/TEkran.h"

class ScreenContext;

// The question whether a profile really goes: "OK" or Enter confirms, "cancel" or Escape
// keeps the profile.
class TDeleteProfile : public TEkran {
 public:
  int wynik = 0;  // 1 confirmed, 0 not

  // screen: the frame and GUI services; it outlives the dialog.
  explicit TDeleteProfile(ScreenContext& screen);

  void setup() override;
  virtual void _drawBack();
  virtual void prepare();
  // Runs the dialog over `screen` (drawn behind it, not updated) until it has faded out;
  // `behind` keeps what moves behind it moving, if anything. 1 confirmed, 0 cancelled.
  virtual int mainLoop(TEkran* screen, std::function<void()> behind = {});

  void update() override;
  void draw() override;

 private:
  void _control();
  void answer(int confirmed);
  ScreenContext& screen_;
  std::function<void()> updateBehind_;
};
