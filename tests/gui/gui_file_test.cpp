#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/GuiFixture.h"
#include "gui/GuiUtil.h"
#include "gui/TButton.h"
#include "gui/TGui.h"
#include "gui/TText.h"
#include "gui/TTheme.h"
#include "platform/files.h"

namespace {

using guitest::GuiFixture;
using Tokens = std::vector<std::string>;

struct TokenCase {
  const char* text;
  Tokens tokens;
};

TEST(GuiTokens, SplitAtWhiteSpaceOutsideQuotes) {
  const TokenCase cases[] = {
      {"BUTTON play { TYP = SIMPLE_BUTTON }",
       {"BUTTON", "play", "{", "TYP", "=", "SIMPLE_BUTTON", "}"}},
      {"POSITION = \"400  300\"", {"POSITION", "=", "400  300"}},
      {"TXT = \" Hello world \"", {"TXT", "=", "Hello world"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\tX\r\n=\n\n\"\"  Y", {"X", "=", "Y"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(tokenizeGui(c.text), c.tokens) << c.text;
}

TEST(GuiTokens, DeclarationsEndWhereTheBraceDepthReturnsToZero) {
  const auto declarations = splitGuiDeclarations(
      tokenizeGui("BAR b { M m { A = 1 } } TEXT t { TXT = x } FONT f { SIZE = 3"));
  ASSERT_EQ(declarations.size(), 3u);
  EXPECT_EQ(declarations[0].size(), 11u);
  EXPECT_EQ(declarations[1], (Tokens{"TEXT", "t", "{", "TXT", "=", "x", "}"}));
  EXPECT_EQ(declarations[2].back(), "3");  // an unclosed last declaration keeps its tokens
}

TEST(GuiTokens, ADeclarationWithoutANameLosesItsFirstBodyToken) {
  testing::internal::CaptureStdout();
  const auto declarations = TGui::stworzListyTokenow("BUTTON { TYP = TEXT_BUTTON TXT = hi }");
  const std::string out = testing::internal::GetCapturedStdout();
  ASSERT_EQ(declarations.size(), 1u);
  EXPECT_EQ(declarations[0].name, "{");
  EXPECT_EQ(guiEntry(declarations[0].entries, "TYP"), "");
  EXPECT_NE(out.find(" >> BLAD! << : Nieprawidlowy wpis :TEXT_BUTTON"), std::string::npos) << out;
}

TEST(GuiTokens, AWrongSeparatorIsReportedAndTheNextTokenStillTaken) {
  testing::internal::CaptureStdout();
  const auto d = TGui::stworzListyTokenow("TEXT t { TXT : hello RGB = \"1 2 3\" }");
  const std::string out = testing::internal::GetCapturedStdout();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(guiEntry(d[0].entries, "txt"), "hello");
  EXPECT_EQ(guiEntry(d[0].entries, "RGB"), "1 2 3");
  EXPECT_NE(out.find(" >> BLAD! << : Nieprawidlowy wpis ::"), std::string::npos) << out;
}

TEST(GuiTokens, OnlyBarBodiesNestDeclarations) {
  const auto d = TGui::stworzListyTokenow(
      "BAR menu { POSITION = \"0 0\" FILE plik { TXT = Open SUB more { A = 1 } B = 2 } }");
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(guiEntry(d[0].entries, "POSITION"), "0 0");
  ASSERT_EQ(d[0].nested.size(), 1u);
  const TSmallObject& file = *d[0].nested[0];
  EXPECT_EQ(file._typ, "FILE");
  EXPECT_EQ(file._name, "plik");
  ASSERT_EQ(file._tokeny.size(), 3u);
  EXPECT_EQ(std::get<TSimpleEntry>(file._tokeny[0])._value, "Open");
  const auto& sub = std::get<std::shared_ptr<TSmallObject>>(file._tokeny[1]);
  EXPECT_EQ(sub->_name, "more");
  EXPECT_EQ(std::get<TSimpleEntry>(file._tokeny[2])._typ, "B");
}

TEST_F(GuiFixture, AMissingFileIsReportedAndGivesAnEmptyGui) {
  testing::internal::CaptureStdout();
  auto gui = loadGui(dir / "nothing.gui", *context);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(gui->_listaObiektow.empty());
  EXPECT_NE(out.find(" >> BLAD! << : Plik : " + dir.path() + "/nothing.gui nie istenieje!"),
            std::string::npos)
      << out;
}

// Files a designer broke must say so rather than show an empty screen.
TEST_F(GuiFixture, BrokenFilesAreReportedToTheDesigner) {
  struct Case {
    const char* what;
    std::string text;
    std::string message;  // empty: nothing is reported
  };
  const std::string utf16 = std::string("T\0E\0X\0T\0 \0t\0 \0{\0 \0}\0", 20);
  const Case cases[] = {
      {"sound", "TEXT t { TXT = hi }", ""},
      {"empty", "", "case.gui declares nothing"},
      {"blank", " \n\t\n", "case.gui declares nothing"},
      {"cut off", "TEXT t { TXT = hi } TEXT u { TXT = ", "case.gui : TEXT u - unbalanced braces"},
      {"stray brace", "TEXT t { TXT = hi } }", "case.gui : } - unbalanced braces"},
      {"latin-1", "TEXT t { TXT = caf\xe9 }", "case.gui is not UTF-8 text"},
      {"utf-16 without its mark", utf16, "case.gui is not UTF-8 text"},
      {"utf-16 without its mark, read as nothing", utf16, "case.gui declares nothing"},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStdout();
    loadText(c.text, "case.gui");
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string prefix = " >> BLAD! << : Plik : " + dir.path() + "/";
    if (c.message.empty())
      EXPECT_EQ(out.find(" >> BLAD! << "), std::string::npos) << c.what << ": " << out;
    else
      EXPECT_NE(out.find(prefix + c.message), std::string::npos) << c.what << ": " << out;
  }
}

TEST_F(GuiFixture, AFifoInPlaceOfAGuiFileIsReportedWithoutWaiting) {
  ASSERT_EQ(mkfifo((dir / "fifo.gui").c_str(), 0600), 0);
  testing::internal::CaptureStdout();
  auto gui = loadGui(dir / "fifo.gui", *context);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(gui->_listaObiektow.empty());
  EXPECT_NE(out.find(" >> BLAD! << : Plik : " + dir.path() + "/fifo.gui : is not a regular file"),
            std::string::npos)
      << out;
}

TEST_F(GuiFixture, PathsInsideTheFileAreRelativeToItsFolder) {
  guitest::writeSheet(dir / "pics/b.png", 40, 20, 1);
  const std::string before = platform::CurrentDir();
  auto gui = loadText("BUTTON b { GFX = pics/b.png POSITION = \"100 100\" }");
  EXPECT_EQ(platform::CurrentDir(), before);
  auto button = gui->getItemAs<TButton>("B");
  ASSERT_TRUE(button);
  EXPECT_TRUE(button->_image);
  EXPECT_EQ(button->dim->w, 40);
}

TEST_F(GuiFixture, BuilderErrorsAreShownAndAddNothing) {
  struct Case {
    const char* gui;
    const char* message;
    size_t controls;
  };
  const Case cases[] = {
      {"BUTTON b { TYP = ROUND_BUTTON }", "Unknown button type : 'ROUND_BUTTON' !", 0},
      {"FONT f { SIZE = 20 }", "Nie podano scierzki do czcionki.", 0},
      {"FONT f { URL = missing.ttf }", "Nie moge znalezc czcionki : missing.ttf", 0},
      {"TEXT t { FONT = nofont TXT = a }", "Nie znaleziono czcionki : nofont", 1},
      {"THEME t { }", "No path for theme file!", 0},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStdout();
    auto gui = loadText(c.gui);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find(std::string(" >> BLAD! << : ") + c.message), std::string::npos)
        << c.gui << "\n"
        << out;
    EXPECT_EQ(gui->_listaObiektow.size(), c.controls) << c.gui;
    EXPECT_TRUE(gui->_fonts.empty());
  }
}

// A damaged or hand-edited number must not reach an int conversion out of range (undefined,
// and fatal under the sanitizers): bad numbers read as 0, huge ones stop at a billion.
TEST_F(GuiFixture, NumbersOutOfRangeAreHeldWithinABillion) {
  const struct {
    const char* text;
    float number;
  } cases[] = {{"12.7", 12.7f}, {"1e40", 1e9f}, {"-1e40", -1e9f},
               {"nan", 0.0f},   {"inf", 1e9f},  {"x", 0.0f}};
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(guiNumber(c.text), c.number) << c.text;
    EXPECT_EQ(guiInt(c.text), static_cast<int>(c.number)) << c.text;
  }
  auto gui = loadText("TEXT t { TXT = a POSITION = \"1e40 -1e40\" RGB = \"1e40 nan -1e40\" }");
  auto text = gui->getItemAs<TText>("T");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->dim->x, 1e9f);
  EXPECT_EQ(text->dim->y, -1e9f);
  EXPECT_EQ(text->rgb->g, 0);

  testsupport::WriteFile(dir / "theme.txt", "TEMAT {\nBELKA {\ntextRGB = 1e40, -1e40, 3\n}\n}\n");
  auto theme = TTheme::loadTheme(dir / "theme.txt");
  EXPECT_EQ(theme->textRGB->r, std::numeric_limits<int>::max());
  EXPECT_EQ(theme->textRGB->g, std::numeric_limits<int>::min());
  EXPECT_EQ(theme->textRGB->b, 3);
}

TEST_F(GuiFixture, ABadFontUrlAlsoCountsAsNoUrl) {
  testing::internal::CaptureStdout();
  loadText("FONT f { URL = missing.ttf }");
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Nie podano scierzki do czcionki."), std::string::npos) << out;
}

TEST_F(GuiFixture, SameIdsFindTheFirstAndTheLaterClickWins) {
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  auto gui = loadText(
      "BUTTON twin { GFX = b.png POSITION = \"100 100\" }\n"
      "BUTTON TWIN { GFX = b.png POSITION = \"110 100\" }\n"
      "BUTTON other { GFX = b.png POSITION = \"300 300\" }\n");
  ASSERT_EQ(gui->_listaObiektow.size(), 3u);
  EXPECT_EQ(gui->getItem("Twin"), gui->_listaObiektow[0]);
  EXPECT_EQ(gui->getItem("none"), nullptr);
  moveTo(105, 100);
  frame(*gui);
  press();
  frame(*gui);
  EXPECT_EQ(gui->_clicked, "TWIN");
  EXPECT_EQ(gui->clickedItem("twin"), 1);
  EXPECT_EQ(gui->clickedItem("other"), 0);
  frame(*gui);
  EXPECT_EQ(gui->_clicked, "");  // a click lasts one frame
  EXPECT_EQ(gui->_over, "TWIN");
}

TEST_F(GuiFixture, PointerOnTheRightAndBottomEdgesIsInside) {
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  auto gui = loadText("BUTTON b { GFX = b.png POSITION = \"100 100\" }");
  auto button = gui->getItem("b");
  ASSERT_TRUE(button);  // the cell spans 80..120 across and 90..110 down
  struct Point {
    int x, y, inside;
  };
  const Point points[] = {{80, 90, 1},  {120, 110, 1}, {120, 90, 1}, {80, 110, 1}, {100, 100, 1},
                          {79, 100, 0}, {121, 100, 0}, {100, 89, 0}, {100, 111, 0}};
  for (const auto& p : points) {
    moveTo(p.x, p.y);
    frame(*gui);
    EXPECT_EQ(button->_over, p.inside) << p.x << "," << p.y;
  }
}

TEST_F(GuiFixture, AShortcutKeyClicksEvenAHiddenControlButNeverAnInactiveOne) {
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  auto gui = loadText(
      "BUTTON hidden { GFX = b.png POSITION = \"100 100\" VISIBLE = FALSE }\n"
      "BUTTON off { GFX = b.png POSITION = \"300 100\" ACTIVE = NO }\n");
  auto hidden = gui->getItem("hidden");
  auto off = gui->getItem("off");
  hidden->setKey('P');
  off->setKey('Q');
  moveTo(100, 100);  // an invisible control is never under the pointer
  frame(*gui);
  EXPECT_EQ(hidden->_over, 0);
  platform::InjectKey('P', true);
  platform::InjectKey('Q', true);
  frame(*gui);
  EXPECT_EQ(gui->clickedItem("hidden"), 1);
  EXPECT_EQ(off->_clicked, 0);
  platform::InjectKey('P', false);
  frame(*gui);
  EXPECT_EQ(gui->clickedItem("hidden"), 0);
}

TEST_F(GuiFixture, EveryClickPlaysTheClickSoundOnce) {
  auto sounds = std::make_shared<guitest::RecordingSounds>();
  context->clickSound = sounds.get();
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  auto gui = loadText("BUTTON b { GFX = b.png POSITION = \"100 100\" }");
  moveTo(100, 100);
  frames(*gui, 3);
  EXPECT_EQ(sounds->clicks, 0);
  press();
  frames(*gui, 3);  // held: still one click
  EXPECT_EQ(sounds->clicks, 1);
  release();
  moveTo(500, 500);
  frame(*gui);
  press();
  frame(*gui);  // a press away from every control is no click
  EXPECT_EQ(sounds->clicks, 1);
}

TEST_F(GuiFixture, LeftControlLReloadsTheFile) {
  auto gui = loadText("TEXT a { TXT = one }");
  auto first = gui->getItem("a");
  testsupport::WriteFile(dir / "t.gui", "TEXT a { TXT = two }\nTEXT b { TXT = three }");
  platform::InjectKey('L', true);
  frame(*gui);  // L alone does nothing
  EXPECT_EQ(gui->_listaObiektow.size(), 1u);
  platform::InjectKey('L', false);
  platform::InjectKey(platform::key::LCONTROL, true);
  platform::InjectKey('L', true);
  frame(*gui);
  ASSERT_EQ(gui->_listaObiektow.size(), 2u);
  EXPECT_NE(gui->getItem("a"), first);
  EXPECT_EQ(gui->getItemAs<TText>("a")->_txt, "two");
  std::filesystem::remove(dir / "t.gui");
  platform::InjectKey('L', false);
  platform::InjectKey('L', true);
  testing::internal::CaptureStdout();
  frame(*gui);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("nie istenieje!"), std::string::npos) << out;
  EXPECT_EQ(gui->_listaObiektow.size(), 2u);  // a vanished file keeps what is on screen
}

TEST_F(GuiFixture, GuiAlphaReachesEveryControlAndInvisibleOnesAreNotDrawn) {
  guitest::writeSheet(dir / "b.png", 40, 20, 1);
  auto gui = loadText(
      "BUTTON shown { GFX = b.png POSITION = \"100 100\" }\n"
      "BUTTON gone { GFX = b.png POSITION = \"300 100\" VISIBLE = FALSE }\n");
  gui->setGuiAlpha(0.25f);
  for (const auto& control : gui->_listaObiektow) {
    EXPECT_EQ(control->_alpha, 0.25f);
    EXPECT_EQ(control->_dAlpha, 0.25f);
  }
  gui->setGuiAlpha(1.0f);
  platform::SetAlwaysRender(true);
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  gui->draw();
  EXPECT_EQ(platform::ScreenPixel(100, 100), guitest::kCellColors[0]);
  EXPECT_EQ(platform::ScreenPixel(300, 100) & 0xFFFFFF, 0u);
  platform::SetAlwaysRender(false);
}

}  // namespace
