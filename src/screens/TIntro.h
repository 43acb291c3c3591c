#pragma once
#include <array>
#include <vector>

#include "core/TEkran.h"
#include "platform/platform.h"

// The opening before the game loads: the snowy village at night comes out of the dark, the
// title lettering fades in as a bell rings, a few lights twinkle about it, and all fades to
// black again, about five seconds in all. Space, Enter or a left click ends it at once.
class TIntro : public TEkran {
 public:
  static constexpr int kLengthMs = 5000;

  platform::Image village, title, glow;
  platform::Sound bell;

  explicit TIntro(FrameContext& frame);

  // Loads its pictures and the bell (the loaders report what is missing).
  void load();
  // Plays the intro with the bell at `volume` (0 … 1); afterwards the clear colour is black
  // and pending keys and clicks are dropped.
  void play(float volume);

  void update() override;
  void draw() override;

  // The picture at a moment of the intro (milliseconds from its start): how dark the veil over
  // the village is, and how strongly the title shows.
  static float veilAt(int ms);
  static float titleAt(int ms);
  // The player asked to skip it this frame.
  static bool skipHit();

 private:
  struct Flake {
    float x, y, speed, size, sway;
  };
  struct Twinkle {
    float x, y, phase;
  };
  void makeScene();
  void drawSnow() const;
  void drawTwinkles(float strength) const;

  int start_ = 0;
  int now_ = 0;
  bool rung_ = false;
  float volume_ = 1.0f;
  std::vector<Flake> flakes_;
  std::vector<Twinkle> twinkles_;
};
