#pragma once

// The tutorial's per-frame hooks in the main game.
class IMainGameTutorial {
 public:
  virtual ~IMainGameTutorial() = default;
  virtual void update() = 0;
  virtual void draw() = 0;
  // A hint is on screen: the board takes no mouse input meanwhile.
  virtual bool hintShown() const = 0;
};

// No tutorial: nothing to show, never in the board's way.
class TNoTutorial : public IMainGameTutorial {
 public:
  void update() override {}
  void draw() override {}
  bool hintShown() const override { return false; }
};
