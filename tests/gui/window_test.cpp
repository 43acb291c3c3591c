#include <gtest/gtest.h>

#include <string>

#include "gui/GuiFixture.h"
#include "gui/TText.h"
#include "gui/TTheme.h"
#include "gui/TWindow.h"

namespace {

using guitest::GuiFixture;

// Piece colours of the test theme, in the theme's piece order.
constexpr uint32_t kPieceColors[9] = {0xFF100000, 0xFF200000, 0xFF300000, 0xFF400000, 0xFF500000,
                                      0xFF600000, 0xFF700000, 0xFF800000, 0xFF0000F0};

class WindowTest : public GuiFixture {
 protected:
  // Corners 10 x 12, edges 4 wide or high, centre 4 x 4, in a theme folder of its own.
  void writeTheme() {
    const char* names[9] = {"lu", "u", "ru", "r", "rd", "d", "ld", "l", "c"};
    const int sizes[9][2] = {{10, 12}, {4, 12},  {10, 12}, {10, 4}, {10, 12},
                             {4, 12},  {10, 12}, {10, 4},  {4, 4}};
    for (int i = 0; i < 9; ++i) {
      guitest::writeSolid(dir / ("theme/" + std::string(names[i]) + ".png"), sizes[i][0],
                          sizes[i][1], kPieceColors[i]);
    }
    testsupport::WriteFile(dir / "theme/t.txt",
                           "TEMAT {\n\tOKNO {\n\t\tleftUp = \"lu.png\"\n\t\tUp = \"u.png\"\n"
                           "\t\trightUp = \"ru.png\"\n\t\tright = \"r.png\"\n"
                           "\t\trightdown = \"rd.png\"\n\t\tdown = \"d.png\"\n"
                           "\t\tleftdown = \"ld.png\"\n\t\tleft = \"l.png\"\n"
                           "\t\tsrodek = \"c.png\"\n\t}\n}\n");
  }
};

TEST_F(WindowTest, NinePiecesFillTheWindowEdgeToEdge) {
  writeTheme();
  auto gui = loadText(
      "THEME frost { URL = theme/t.txt }\n"
      "WINDOW w { POSITION = \"100 50 200 120\" THEME = FROST }\n");
  auto w = gui->getItemAs<TWindow>("w");
  ASSERT_TRUE(w && w->theme);
  EXPECT_EQ(w->theme->id, "FROST");
  EXPECT_EQ(gui->_theme, w->theme);
  EXPECT_FLOAT_EQ(w->skala[0], (200 - 20) / 4.0f);
  EXPECT_FLOAT_EQ(w->skala[1], (120 - 24) / 4.0f);
  EXPECT_FLOAT_EQ(w->skala[2], (200 - 20) / 4.0f);
  EXPECT_FLOAT_EQ(w->skala[3], (120 - 24) / 4.0f);
  EXPECT_EQ(w->incX, 10);
  EXPECT_EQ(w->decX, 10);
  render(*gui);
  struct Probe {
    int x, y, piece;
  };
  const Probe probes[] = {{100, 50, 0},  {299, 50, 2},  {299, 169, 4}, {100, 169, 6},
                          {200, 52, 1},  {200, 167, 5}, {102, 110, 7}, {297, 110, 3},
                          {200, 110, 8}, {111, 63, 8},  {288, 156, 8}};
  for (const auto& p : probes) {
    EXPECT_EQ(platform::ScreenPixel(p.x, p.y), kPieceColors[p.piece]) << p.x << "," << p.y;
  }
  EXPECT_EQ(platform::ScreenPixel(300, 110) & 0xFFFFFF, 0u);  // nothing past x + w
  EXPECT_EQ(platform::ScreenPixel(200, 170) & 0xFFFFFF, 0u);  // nor past y + h
}

TEST_F(WindowTest, ThemesAreFoundInTheGuiThenGloballyThenTheCurrentThenTheDefault) {
  writeTheme();
  auto first = loadText("THEME a { URL = theme/t.txt }", "a.gui");
  auto global = first->_themes.front();
  auto gui = loadText(
      "WINDOW byGlobalId { POSITION = \"0 0 50 50\" THEME = a }\n"
      "THEME b { URL = theme/t.txt }\n"
      "WINDOW unknownId { POSITION = \"0 0 50 50\" THEME = zzz }\n"
      "WINDOW noId { POSITION = \"0 0 50 50\" }\n",
      "b.gui");
  EXPECT_EQ(gui->getItemAs<TWindow>("byGlobalId")->theme, global);
  EXPECT_EQ(gui->getItemAs<TWindow>("unknownId")->theme, gui->_theme);
  EXPECT_EQ(gui->getItemAs<TWindow>("noId")->theme, gui->_theme);
  auto fallback = TTheme::loadDefault(dir / "theme/t.txt", "temat1", context->themes());
  auto plain = loadText("WINDOW w { POSITION = \"0 0 50 50\" }", "c.gui");
  EXPECT_EQ(plain->getItemAs<TWindow>("w")->theme, fallback);
  EXPECT_EQ(context->themes().find("TEMAT1"), fallback);
}

TEST_F(WindowTest, AWindowWithoutAThemeIsReportedAndDrawsNothingNotEvenItsChildren) {
  testing::internal::CaptureStdout();
  auto gui = loadText(
      "WINDOW w { POSITION = \"10 10 100 100\" }\n"
      "TEXT label { TXT = WWWW POSITION = \"5 5\" }\n");
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find(" >> BLAD! << : No theme for window object!"), std::string::npos) << out;
  auto w = gui->getItemAs<TWindow>("w");
  ASSERT_TRUE(w);
  auto label = gui->getItem("label");
  gui->_listaObiektow.pop_back();
  w->dodajObiekt(label);
  render(*gui);
  for (int y = 10; y < 40; ++y) {
    for (int x = 10; x < 80; ++x) ASSERT_EQ(platform::ScreenPixel(x, y) & 0xFFFFFF, 0u);
  }
}

TEST_F(WindowTest, ChildrenMoveAndReactAtTheWindowsOffset) {
  writeTheme();
  guitest::writeSheet(dir / "b.png", 20, 20, 1);
  auto gui = loadText(
      "THEME t { URL = theme/t.txt }\n"
      "WINDOW w { POSITION = \"200 100 200 200\" }\n"
      "BUTTON ok { GFX = b.png POSITION = \"50 50\" }\n");
  auto w = gui->getItemAs<TWindow>("w");
  auto ok = gui->getItem("ok");
  gui->_listaObiektow.pop_back();
  w->dodajObiekt(ok);
  moveTo(250, 150);  // the child's centre on screen
  frame(*gui);
  EXPECT_EQ(ok->_over, 1);
  EXPECT_EQ(gui->_over, "w");  // the window is what the GUI reports
  render(*gui);
  EXPECT_EQ(platform::ScreenPixel(250, 150), guitest::kCellColors[0]);
  w->move(100, 0);
  EXPECT_EQ(w->dim->x1, 300);
  frame(*gui);
  EXPECT_EQ(ok->_over, 0);
}

}  // namespace
