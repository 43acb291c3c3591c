#pragma once
#include <array>
#include <functional>

#include "core/TEkran.h"
#include "platform/platform.h"

// The loading screen: the game's resources load in seven steps behind a picture with a row of
// seven dots, one lit per finished step. The first step fades the picture in from black and the
// last fades it out. It has no frame loop: each step ends by drawing one frame, and the window
// is polled between steps so that it keeps answering.
class TLoadingScreen : public TEkran {
 public:
  static constexpr int kSteps = 7;
  using Step = std::function<void()>;

  platform::Image back;
  platform::Image loadTxt;
  std::array<platform::Image, 2>
      dot;  // [0] the unlit dot (only its width is used), [1] the lit one
  int p = 0;
  int maxProgress = kSteps;

  // Loads the four pictures; `work` is what each step loads, in order.
  TLoadingScreen(FrameContext& frame, std::array<Step, kSteps> work);

  void PART1();
  void PART2();
  void PART3();
  void PART4();
  void PART5();
  void PART6();
  void PART7();
  // The seven steps in their order.
  void loadAll();

  void progress();
  void draw() override;
  virtual void draw2();
  void fadeMeUp();
  void fadeMeDown();

  // Where dot i (1 … maxProgress) is centred, and whether it is lit.
  float dotX(int i) const;
  float dotY() const;
  bool lit(int i) const { return i <= p; }

 private:
  void _drawBack();
  void _drawProgress();
  void runStep(int index);
  // Draws frames with a black veil going from `from` by `rate` a frame until it is past 0 or 1.
  void fadeBlack(float from, float rate);
  std::array<Step, kSteps> work_;
};
