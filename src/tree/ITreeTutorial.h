#pragma once

// The tutorial's per-frame hooks in the tree screen.
class ITreeTutorial {
 public:
  virtual ~ITreeTutorial() = default;
  virtual void update() = 0;
  virtual void draw() = 0;
  // Whether the screen's buttons (play, next, previous, eye) may be used now.
  virtual bool guiAllowed() const = 0;
  // Leaving the screen: the hint on screen starts to go.
  virtual void closeHint() = 0;
};

// No tutorial: every button works.
class TNoTreeTutorial : public ITreeTutorial {
 public:
  void update() override {}
  void draw() override {}
  bool guiAllowed() const override { return true; }
  void closeHint() override {}
};
