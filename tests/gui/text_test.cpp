#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/GuiFixture.h"
#include "gui/TButton.h"
#include "gui/TText.h"
#include "gui/TTextEntry.h"

namespace {

using guitest::GuiFixture;

const char* const kParagraph =
    "Snow fell softly over the quiet village while warm lights glowed in every window of "
    "the little houses under the hill";

struct LineOf {
  std::vector<TextPiece> pieces;
  float left() const { return pieces.front().x; }
  float right() const { return pieces.back().x + float(platform::TextWidth(pieces.back().text)); }
};

std::vector<LineOf> linesOf(const std::vector<TextPiece>& pieces) {
  std::vector<LineOf> lines;
  for (const auto& piece : pieces) {
    if (lines.empty() || lines.back().pieces.front().y != piece.y) lines.push_back({});
    lines.back().pieces.push_back(piece);
  }
  return lines;
}

std::string joined(const LineOf& line) {
  std::string text;
  for (const auto& piece : line.pieces) text += (text.empty() ? "" : " ") + piece.text;
  return text;
}

TEST(TextLayout, LinesBreakGreedilyAndAlignInTheBox) {
  platform::InitHeadless();
  const float x = 30, y = 40, box = 260;
  struct Case {
    int align;
    // Where a line of width w starts; justified lines also end at the box's right edge.
    float (*left)(float boxX, float boxW, float w, bool last);
  };
  const Case cases[] = {
      {ALIGN_LEFT, [](float boxX, float, float, bool) { return boxX; }},
      {ALIGN_RIGHT,
       [](float boxX, float boxW, float w, bool) { return float(int(boxX + boxW - w)); }},
      {ALIGN_CENTER,
       [](float boxX, float boxW, float w, bool) { return float(int(boxX + boxW / 2 - w / 2)); }},
      {ALIGN_JUSTIFY, [](float boxX, float, float, bool) { return boxX; }},
  };
  for (const auto& c : cases) {
    std::vector<TextPiece> pieces;
    const float height = TText::layoutText(kParagraph, x, y, box, c.align, 3, &pieces);
    const auto lines = linesOf(pieces);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(height, float(lines.size()) * (platform::TextHeight("A") + 3));
    std::string all;
    for (size_t i = 0; i < lines.size(); ++i) {
      const bool last = i + 1 == lines.size();
      const std::string text = joined(lines[i]);
      all += (all.empty() ? "" : " ") + text;
      const float width = float(platform::TextWidth(text));
      EXPECT_LE(width, box) << text;
      EXPECT_EQ(lines[i].pieces.front().y, y + float(i) * (platform::TextHeight("A") + 3));
      if (!last) {  // the next word would not have fitted
        const std::string next = joined(lines[i + 1]).substr(0, joined(lines[i + 1]).find(' '));
        EXPECT_GT(platform::TextWidth(std::string(text).append(" ").append(next)), box) << text;
      }
      EXPECT_EQ(lines[i].left(), c.left(x, box, width, last)) << c.align << ": " << text;
      if (c.align == ALIGN_JUSTIFY && !last) {
        EXPECT_NEAR(lines[i].right(), x + box, 1.0f) << text;  // flush right
      }
    }
    EXPECT_EQ(all, kParagraph);
    if (c.align == ALIGN_JUSTIFY) {
      EXPECT_EQ(lines.back().pieces.size(), 1u);  // the last line is drawn as one left run
    }
  }
}

TEST(TextLayout, AOneWordJustifiedLineAndAnOverlongWordKeepTheirPlace) {
  platform::InitHeadless();
  std::vector<TextPiece> pieces;
  TText::layoutText("Incomprehensibilities fit", 0, 0, 20, ALIGN_JUSTIFY, 0, &pieces);
  ASSERT_EQ(pieces.size(), 2u);  // each word on a line of its own, none dropped
  EXPECT_EQ(pieces[0].text, "Incomprehensibilities");
  EXPECT_EQ(pieces[0].x, 0);
  EXPECT_EQ(pieces[1].text, "fit");
}

TEST_F(GuiFixture, ATextWithoutABoxWidthNeverWraps) {
  auto gui =
      loadText("TEXT t { TXT = \"" + std::string(kParagraph) +
               "\" POSITION = \"5 5\" ALIGN = CENTER }\n"
               "TEXT u { TXT = \"a b\" POSITION = \"5 50 300\" ALIGN = SIDEWAYS RGB = \"1 2 3\" "
               "SHADOW = \"9 9 9\" }");
  auto t = gui->getItemAs<TText>("t");
  auto u = gui->getItemAs<TText>("u");
  ASSERT_TRUE(t && u);
  EXPECT_EQ(t->dim->w, TText::NO_WRAP);
  EXPECT_EQ(t->countH(), float(platform::TextHeight("A")));
  EXPECT_EQ(t->_align, ALIGN_CENTER);
  EXPECT_EQ(u->dim->w, 300);
  EXPECT_EQ(u->_align, ALIGN_LEFT);  // an unknown name leaves the alignment
  EXPECT_EQ(u->rgb->b, 3);
  EXPECT_EQ(u->_shadow, 1);
  EXPECT_EQ(u->shRGB->r, 9);
}

TEST_F(GuiFixture, ATextDrawsItsShadowOnePixelDownRight) {
  auto gui = loadText(
      "TEXT t { TXT = \"IIII\" POSITION = \"100 100\" RGB = \"255 0 0\" SHADOW = \"0 0 255\" }");
  platform::SetAlwaysRender(true);
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  gui->draw();
  int red = 0, blue = 0;
  for (int y = 95; y < 130; ++y) {
    for (int x = 95; x < 160; ++x) {
      const uint32_t p = platform::ScreenPixel(x, y);
      if ((p & 0xFF0000) > 0x800000 && (p & 0xFF) < 0x40) ++red;
      if ((p & 0xFF) > 0x80 && (p & 0xFF0000) < 0x400000) ++blue;
    }
  }
  platform::SetAlwaysRender(false);
  EXPECT_GT(red, 0);
  EXPECT_GT(blue, 0);  // the shadow shows beside the text
}

class EntryTest : public GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    gui = loadText("TEXTENTRY name { POSITION = \"100 100 120\" WIDTH = 4 }");
    entry = gui->getItemAs<TTextEntry>("name");
  }
  void type(const std::vector<int>& characters) {
    for (int c : characters) platform::InjectChar(c);
    frames(*gui, int(characters.size()));
  }
  std::shared_ptr<TGui> gui;
  std::shared_ptr<TTextEntry> entry;
};

TEST_F(EntryTest, TypingBackspaceAndTheLimit) {
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->_maxZnakow, 4);
  EXPECT_EQ(entry->dim->w, 120);
  struct Step {
    std::vector<int> typed;
    const char* text;
  };
  const Step steps[] = {
      {{8}, ""},  // Backspace on an empty entry
      {{'A', 'b'}, "Ab"},
      {{0xF3}, "Ab\xC3\xB3"},            // one letter, two bytes
      {{'x', 'y', 'z'}, "Ab\xC3\xB3x"},  // past the limit: ignored
      {{8, 8}, "Ab"},
      {{9, 27}, "Ab"},  // Tab and Escape are not text
  };
  for (const auto& s : steps) {
    type(s.typed);
    EXPECT_EQ(entry->getTxt(), s.text);
  }
  entry->setState(1, 0);
  type({'q'});
  EXPECT_EQ(entry->getTxt(), "Ab");  // an inactive entry takes nothing
}

TEST_F(EntryTest, EnterClicksTheEntry) {
  type({'o', 'k'});
  EXPECT_EQ(gui->clickedItem("name"), 0);
  platform::InjectChar(13);
  frame(*gui);
  EXPECT_EQ(gui->clickedItem("NAME"), 1);
  EXPECT_EQ(entry->getTxt(), "ok");
}

TEST_F(EntryTest, TheCaretBlinksEvery300MsAndHidesWhileInactive) {
  std::vector<int> toggles;
  int last = entry->_trigger;
  for (int i = 0; i < 120; ++i) {
    frame(*gui);
    if (entry->_trigger != last) toggles.push_back(platform::MilliSecs());
    last = entry->_trigger;
  }
  ASSERT_GE(toggles.size(), 6u);
  for (size_t i = 1; i < toggles.size(); ++i) {
    EXPECT_GE(toggles[i] - toggles[i - 1], 300);
    EXPECT_LE(toggles[i] - toggles[i - 1], 317);
  }
  auto caretPixels = [&] {
    platform::SetAlwaysRender(true);
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    gui->draw();
    int lit = 0;
    for (int x = 100; x < 120; ++x) lit += (platform::ScreenPixel(x, 102) & 0xFFFFFF) != 0;
    platform::SetAlwaysRender(false);
    return lit;
  };
  entry->_trigger = 1;
  EXPECT_GT(caretPixels(), 0);
  entry->_a = 0;
  EXPECT_EQ(caretPixels(), 0);
}

TEST_F(EntryTest, ALongTextShowsItsTailAfterTwoDots) {
  entry->setTxt("Christopher Columbus");
  const std::string shown = entry->shownText();
  ASSERT_EQ(shown.substr(0, 2), "..");
  EXPECT_LE(platform::TextWidth(shown), 120);
  const std::string tail = shown.substr(2);
  EXPECT_EQ(std::string("Christopher Columbus").substr(20 - tail.size()), tail);
  // One more letter of the text would not have fitted.
  const std::string longer = std::string("Christopher Columbus").substr(20 - tail.size() - 1);
  EXPECT_GT(platform::TextWidth(".." + longer), 120);
  entry->setTxt("Ann");
  EXPECT_EQ(entry->shownText(), "Ann");
}

}  // namespace

namespace {

using guitest::GuiFixture;

TEST_F(GuiFixture, BracketedCaptionsNameALineOfATextFileBesideTheGuiFile) {
  testsupport::WriteFile(dir / "txt/words.txt", "Merry\nWinter nights\n");
  auto gui = loadText(
      "TEXT a { TXT = \"[txt/words.txt|2]\" }\n"
      "TEXT b { TXT = \"[txt/words.txt|3]\" }\n"
      "TEXT c { TXT = \"[plain]\" }\n"
      "BUTTON d { TYP = TEXT_BUTTON TXT = \"[txt/words.txt|1]\" }\n");
  EXPECT_EQ(gui->getItemAs<TText>("a")->_txt, "Winter nights");
  EXPECT_EQ(gui->getItemAs<TText>("b")->_txt, "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(gui->getItemAs<TText>("c")->_txt, "[plain]");
  EXPECT_EQ(gui->getItemAs<TButton>("d")->_txt, "Merry");
}

}  // namespace
