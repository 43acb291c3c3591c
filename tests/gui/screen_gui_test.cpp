#include <gtest/gtest.h>

#include "core/TEkran.h"
#include "gui/GuiFixture.h"

namespace {

using ScreenGuiTest = guitest::GuiFixture;

TEST_F(ScreenGuiTest, TheScreensAlphaReachesEveryControlAndItsContextsMouseDrivesTheGui) {
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  TEkran screen(*context);
  screen.Gui = loadText("BUTTON ok { GFX = b.png POSITION = \"100 100\" }\nTEXT t { TXT = a }");
  screen.alpha = 0.4f;
  moveTo(100, 100);
  press();
  screen.updateCommon();  // samples the mouse of the context the screen was built with
  screen._updateGui();
  for (const auto& control : screen.Gui->_listaObiektow) {
    EXPECT_FLOAT_EQ(control->_alpha, 0.4f);
    EXPECT_FLOAT_EQ(control->_dAlpha, 0.4f);
  }
  EXPECT_EQ(context->pointer.leftPressed, 1);
  EXPECT_EQ(screen.Gui->clickedItem("ok"), 1);
  render(*screen.Gui);
  screen._drawMouse();  // no pointer picture: the platform's pointer shows
  EXPECT_NE(platform::ScreenPixel(100, 100) & 0xFFFFFF, 0u);
}

}  // namespace
