#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "gui/GuiFixture.h"
#include "gui/TButton.h"
#include "gui/TRGMFont.h"
#include "gui/TTextEntry.h"
#include "gui/TTheme.h"
#include "gui/TWindow.h"

namespace {

// The gallery declares one of every control over the game's own pictures.
class GalleryTest : public guitest::GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    std::filesystem::create_directory_symlink(std::string(GLIMMERFIR_ASSET_DIR) + "/gfx",
                                              dir / "gfx");
    std::filesystem::copy_file(std::string(GLIMMERFIR_TEST_DATA) + "/gui/gallery.gui",
                               dir / "gallery.gui");
    testing::internal::CaptureStdout();
    gui = loadGui(dir / "gallery.gui", *context);
    errors = testing::internal::GetCapturedStdout();
  }
  // The screen as a screen draws it: its night-blue clear colour and the GUI.
  void show(const std::string& shotName) {
    platform::SetAlwaysRender(true);
    platform::SetClsColor(0x0B, 0x16, 0x33);
    platform::Cls();
    gui->draw();
    if (const char* out = std::getenv("GLIMMERFIR_GALLERY_OUT")) {
      platform::SaveScreenshot(std::string(out) + "/" + shotName + ".png");
    }
  }
  uint32_t sheetPixel(const std::string& sheet, int cell, int x, int y) {
    auto pixmap = platform::LoadPixmap(std::string(GLIMMERFIR_ASSET_DIR) + "/" + sheet);
    return platform::ReadPixel(pixmap, cell * 180 + x, y);
  }
  std::shared_ptr<TGui> gui;
  std::string errors;
};

TEST_F(GalleryTest, EveryControlLoadsWhereItIsDeclared) {
  EXPECT_EQ(errors.find("BLAD"), std::string::npos) << errors;
  ASSERT_EQ(gui->_fonts.size(), 2u);
  ASSERT_TRUE(gui->_theme);
  struct Rect {
    const char* id;
    float x1, y1, x2, y2;
  };
  const Rect rects[] = {
      {"panel", 40, 30, 760, 570},     {"simple", 70, 114, 250, 166}, {"blend", 310, 114, 490, 166},
      {"fstep", 550, 114, 730, 166},   {"fblend", 70, 189, 250, 241}, {"anim", 310, 189, 490, 241},
      {"twinkle", 376, 262, 424, 310}, {"off", 550, 264, 730, 316},
  };
  for (const auto& r : rects) {
    auto control = gui->getItem(r.id);
    ASSERT_TRUE(control) << r.id;
    EXPECT_EQ(control->dim->x1, r.x1) << r.id;
    EXPECT_EQ(control->dim->y1, r.y1) << r.id;
    EXPECT_EQ(control->dim->x2, r.x2) << r.id;
    EXPECT_EQ(control->dim->y2, r.y2) << r.id;
  }
  auto text = gui->getItemAs<TButton>("text");
  platform::SetImageFont(TRGMFont::getByID("title", gui.get())->_font);
  EXPECT_EQ(text->dim->w, platform::TextWidth("Options"));
  platform::SetImageFont(nullptr);
  for (const char* id : {"heading", "left", "right", "center", "justify", "name", "menu", "wave"}) {
    EXPECT_TRUE(gui->getItem(id)) << id;
  }
}

TEST_F(GalleryTest, ScriptedPointerShowsOverAndPressedCells) {
  const std::string sheet = "gfx/gui/buttons/blue_fstep.png";
  moveTo(5, 5);
  frames(*gui, 2);
  show("gallery-rest");
  EXPECT_EQ(platform::ScreenPixel(640, 140), sheetPixel(sheet, 0, 90, 26));
  EXPECT_EQ(platform::ScreenPixel(640, 290),
            sheetPixel("gfx/gui/buttons/red_fstep.png", 3, 90, 26));
  moveTo(640, 140);
  frame(*gui);
  show("gallery-over");
  EXPECT_EQ(platform::ScreenPixel(640, 140), sheetPixel(sheet, 1, 90, 26));
  EXPECT_NE(sheetPixel(sheet, 1, 90, 26), sheetPixel(sheet, 0, 90, 26));
  press();
  frames(*gui, 3);
  show("gallery-pressed");
  EXPECT_EQ(platform::ScreenPixel(640, 140), sheetPixel(sheet, 2, 90, 26));
  EXPECT_EQ(gui->_over, "fstep");
  release();
  moveTo(400, 215);
  frames(*gui, 2);
  auto anim = gui->getItemAs<TButton>("anim");
  EXPECT_EQ(anim->_animData.animName[anim->aktAnim], "OVER");
  show("gallery-anim-over");
  EXPECT_EQ(platform::ScreenPixel(400, 215), sheetPixel(sheet, 1, 90, 26));
  moveTo(160, 215);
  frames(*gui, 22);
  for (const unsigned char c : std::string("Noel")) platform::InjectChar(c);
  frames(*gui, 4);
  EXPECT_EQ(gui->getItemAs<TTextEntry>("name")->getTxt(), "Noel");
  show("gallery-fblend-over");
  EXPECT_EQ(platform::ScreenPixel(160, 215),
            sheetPixel("gfx/gui/buttons/red_fstep.png", 1, 90, 26));
}

}  // namespace
