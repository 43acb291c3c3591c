#pragma once

#include "core/FrameContext.h"
#include "gui/GuiContext.h"

// Everything a screen is built with: the frame steps and the GUI services. The pointer and
// GUI hooks of the frame are answered here from the GUI side; the rest is the program's.
class ScreenContext : public FrameContext, public GuiContext {
 public:
  void drawPointer() override;
  void drawGui(TGui& gui) override;
  void updateGui(TGui& gui, float alpha) override;
};
