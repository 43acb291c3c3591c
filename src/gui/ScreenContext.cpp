#include "gui/ScreenContext.h"

#include "gui/TGui.h"
#include "gui/TMouse.h"

void ScreenContext::drawPointer() { mouse().draw(); }

void ScreenContext::drawGui(TGui& gui) { gui.draw(); }

void ScreenContext::updateGui(TGui& gui, float alpha) {
  gui.setGuiAlpha(alpha);
  gui.update();
}
