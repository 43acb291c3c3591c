// The services a program hands its screens, for tests: a frame timer, one mouse sampler, the
// shared themes and a click sound that stays silent unless a test plugs in its own.
#pragma once

#include <functional>

#include "core/TDeltaTime.h"
#include "gui/GuiSounds.h"
#include "gui/ScreenContext.h"
#include "gui/TMouse.h"
#include "gui/TThemeList.h"

namespace testsupport {

class TestScreenContext : public ScreenContext {
 public:
  TDeltaTime timer;
  TMouse pointer;
  TThemeList themeList;
  NullGuiSounds silence;
  IGuiSounds* clickSound = &silence;
  // What the program would run per frame after the mouse (the music, for instance).
  std::function<void()> afterMouse;
  int saves = 0;

  TestScreenContext() { timer.SetFPS(60.0f); }

  TDeltaTime& deltaTime() override { return timer; }
  void updateFrameServices() override {
    pointer.update();
    if (afterMouse) afterMouse();
  }
  void saveAll() override { ++saves; }
  TMouse& mouse() override { return pointer; }
  IGuiSounds& guiSounds() override { return *clickSound; }
  TThemeList& themes() override { return themeList; }
};

}  // namespace testsupport
