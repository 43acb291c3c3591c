#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Frame.h"
#include "app/TEkran.h"
#include "gui/GuiFixture.h"

namespace {

class ScreenGuiTest : public guitest::GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    App::create();
  }
  void TearDown() override {
    App::destroy();
    GuiFixture::TearDown();
  }
};

TEST_F(ScreenGuiTest, TheScreensAlphaReachesEveryControlAndTheAppMouseDrivesTheGui) {
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  TEkran screen;
  screen.Gui = loadText("BUTTON ok { GFX = b.png POSITION = \"100 100\" }\nTEXT t { TXT = a }");
  screen.alpha = 0.4f;
  moveTo(100, 100);
  press();
  updateCommon();  // samples the program's mouse
  screen._updateGui();
  for (const auto& control : screen.Gui->_listaObiektow) {
    EXPECT_FLOAT_EQ(control->_alpha, 0.4f);
    EXPECT_FLOAT_EQ(control->_dAlpha, 0.4f);
  }
  EXPECT_EQ(&TMouse::current(), &App::get().mouse());
  EXPECT_EQ(screen.Gui->clickedItem("ok"), 1);
  render(*screen.Gui);
  screen._drawMouse();  // no pointer picture: the platform's pointer shows
  EXPECT_NE(platform::ScreenPixel(100, 100) & 0xFFFFFF, 0u);
}

}  // namespace
