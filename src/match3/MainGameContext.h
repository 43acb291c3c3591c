#pragma once

class IBoardSounds;
class IMainGameOverlays;
class IMainGameProfile;
class IMainGameSounds;
class IMainGameTutorial;

// Who the main game screen talks to besides the board, answered by the program. The screen is
// built before most of them exist, so it asks each time it needs one.
class MainGameContext {
 public:
  virtual ~MainGameContext() = default;
  virtual IMainGameProfile& profile() = 0;
  virtual IMainGameOverlays& overlays() = 0;
  virtual IMainGameTutorial& tutorial() = 0;
  virtual IMainGameSounds& sounds() = 0;
  // What the board plays through.
  virtual IBoardSounds& boardSounds() = 0;
};
