#pragma once
#include <string>

// What the main game screen reads from the current player's profile.
class IMainGameProfile {
 public:
  virtual ~IMainGameProfile() = default;
  virtual int mode() const = 0;  // 0 timed, anything else relaxed
  virtual int nrLeveluQuest() const = 0;
  virtual void save() = 0;
};

// The screens that run their own loops over the main game: the in-game menu, the lose screen
// and the win screen.
class IMainGameOverlays {
 public:
  virtual ~IMainGameOverlays() = default;
  virtual std::string inGameMenu() = 0;  // "RESUME", "RESTART" or "MAIN-MENU"
  virtual std::string loseScreen() = 0;  // "RESTART" or "MAIN-MENU-RESTART"
  virtual void winScreen() = 0;
};

// The tutorial's per-frame hooks in the main game.
class IMainGameTutorial {
 public:
  virtual ~IMainGameTutorial() = default;
  virtual void update() = 0;
  virtual void draw() = 0;
  // A hint is on screen: the board takes no mouse input meanwhile.
  virtual bool hintShown() const = 0;
};
