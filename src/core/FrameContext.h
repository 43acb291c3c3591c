#pragma once

class TDeltaTime;
class TGui;

// The per-frame steps every screen shares, and what they need from the layers above: the
// program implements the hooks (mouse sampling, music, the GUI, saving), every screen is built
// with a reference to it. The hooks run only inside frames, so the program may create the
// objects behind them after the screens.
class FrameContext {
 public:
  virtual ~FrameContext() = default;

  // Timer update, `delta` refresh and window events.
  void updateDeltaTime();
  // The first call of every screen's update: timing, mouse, music, and the quit test.
  void updateCommon();
  // Saves profiles and settings and ends the program; callable from any frame.
  [[noreturn]] void quitGame();

  virtual TDeltaTime& deltaTime() = 0;
  // The shared per-frame services after the timer: mouse sampling, music cross-fade.
  virtual void updateFrameServices() = 0;
  // Everything that must survive the end of the program: profiles and settings.
  virtual void saveAll() = 0;
  // The pointer layer, on top of everything a screen draws.
  virtual void drawPointer() = 0;
  virtual void drawGui(TGui& gui) = 0;
  // Hands the screen's opacity to every control, then updates the GUI.
  virtual void updateGui(TGui& gui, float alpha) = 0;
};

// Left Alt + F4 or a close request for the window.
bool quitRequested();
