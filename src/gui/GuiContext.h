#pragma once

class IGuiSounds;
class TMouse;
class TThemeList;

// What a GUI reads while it loads and runs: the frame's mouse sampler, the click sound and the
// themes shared by every screen. The program implements it; tests use their own.
class GuiContext {
 public:
  virtual ~GuiContext() = default;
  virtual TMouse& mouse() = 0;
  virtual IGuiSounds& guiSounds() = 0;
  virtual TThemeList& themes() = 0;
};
