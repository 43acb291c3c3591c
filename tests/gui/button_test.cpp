#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/GuiFixture.h"
#include "gui/TButton.h"
#include "gui/TMouse.h"

namespace {

using guitest::GuiFixture;

class ButtonTest : public GuiFixture {
 protected:
  // A 40 x 20 cell sheet of the given kind centred on (100, 100).
  std::shared_ptr<TButton> make(const std::string& kind, int cells, const std::string& extra = "") {
    guitest::writeSheet(dir / "sheet.png", 40, 20, cells);
    gui = loadText("BUTTON b { TYP = " + kind + " GFX = sheet.png POSITION = \"100 100\" " + extra +
                   " }");
    return gui->getItemAs<TButton>("b");
  }
  std::shared_ptr<TGui> gui;
};

struct HoverCase {
  const char* kind;
  int cells;
  int settleAway;            // frames away from the button first
  std::vector<float> scale;  // _buttonScale after each frame over the button
  std::vector<float> blend;  // _buttonAlpha after each frame over the button
};

TEST_F(ButtonTest, HoverGrowsSimpleButtonsAndFadesInTheBlendCell) {
  const HoverCase cases[] = {
      {"SIMPLE_BUTTON", 1, 1, {1.05f, 1.1f, 1.1f}, {1, 1, 1}},
      {"BLEND_BUTTON", 2, 13, {1, 1, 1}, {0.08f, 0.16f, 0.24f}},
      {"FSTEP_BUTTON", 4, 1, {1, 1, 1}, {1, 1, 1}},
  };
  for (const auto& c : cases) {
    auto b = make(c.kind, c.cells);
    ASSERT_TRUE(b) << c.kind;
    moveTo(500, 500);
    frames(*gui, c.settleAway);
    if (std::string(c.kind) == "BLEND_BUTTON") {
      EXPECT_FLOAT_EQ(b->_buttonAlpha, 0.0f);
    }
    moveTo(100, 100);
    for (size_t i = 0; i < c.scale.size(); ++i) {
      frame(*gui);
      EXPECT_NEAR(b->_buttonScale, c.scale[i], 1e-5) << c.kind << " frame " << i;
      EXPECT_NEAR(b->_buttonAlpha, c.blend[i], 1e-5) << c.kind << " frame " << i;
    }
  }
}

TEST_F(ButtonTest, AClickSnapsASimpleButtonBack) {
  auto b = make("SIMPLE_BUTTON", 1);
  moveTo(100, 100);
  frames(*gui, 3);
  press();
  frame(*gui);
  EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f);  // snapped to 1.0, then eased once toward 1.1
  moveTo(500, 500);
  release();
  frames(*gui, 2);
  EXPECT_FLOAT_EQ(b->_buttonScale, 1.0f);
}

TEST_F(ButtonTest, FourStepCellsFollowThePointerAndTheButton) {
  auto b = make("FSTEP_BUTTON", 4);
  struct Step {
    int x, y;
    bool down;
    int frames;
    int cell;
  };
  // Held through the first 100 ms too: no fall back to the over cell before the hold counts.
  const Step steps[] = {{500, 500, false, 1, 0}, {100, 100, false, 1, 1}, {100, 100, true, 1, 2},
                        {100, 100, true, 3, 2},  {100, 100, true, 6, 2},  {100, 100, false, 1, 1},
                        {130, 100, false, 1, 0}};
  bool down = false;
  for (const auto& s : steps) {
    moveTo(s.x, s.y);
    if (s.down != down) s.down ? press() : release();
    down = s.down;
    frames(*gui, s.frames);
    EXPECT_EQ(b->stateCell(), s.cell) << s.x << " down " << s.down;
  }
  b->setState(1, 0);
  frame(*gui);
  EXPECT_EQ(b->stateCell(), 3);
}

TEST_F(ButtonTest, FourStepBlendCrossFadesOverToPressedInTwentyFrames) {
  auto b = make("FSTEP_BLEND_BUTTON", 4);
  moveTo(100, 100);
  frames(*gui, 25);
  EXPECT_EQ(b->_new4StepB, 1.0f);
  EXPECT_FLOAT_EQ(b->_newAlpha, 1.0f);
  press();
  frame(*gui);
  EXPECT_EQ(b->_old4StepB, 1.0f);
  EXPECT_EQ(b->_new4StepB, 2.0f);
  EXPECT_FLOAT_EQ(b->_newAlpha, 0.05f);
  frames(*gui, 18);
  EXPECT_NEAR(b->_newAlpha, 0.95f, 1e-4);
  frame(*gui);
  EXPECT_FLOAT_EQ(b->_newAlpha, 1.0f);
  EXPECT_EQ(b->_new4StepB, 2.0f);
  release();
  moveTo(500, 500);
  frame(*gui);
  EXPECT_EQ(b->_old4StepB, 2.0f);
  EXPECT_EQ(b->_new4StepB, 0.0f);
  b->setState(1, 0);
  frame(*gui);
  EXPECT_EQ(b->_new4StepB, 3.0f);
}

TEST_F(ButtonTest, CellsAreCutAlongTheDirectionAndCentredOnThePosition) {
  struct Case {
    const char* kind;
    int cells;
    bool sideBySide;
  };
  const Case cases[] = {
      {"BLEND_BUTTON", 2, true}, {"FSTEP_BUTTON", 4, false}, {"FSTEP_BLEND_BUTTON", 4, true}};
  for (const auto& c : cases) {
    // A file per case: a run decodes each picture once.
    const std::string sheet = std::string(c.kind) + ".png";
    guitest::writeSheet(dir / sheet, 40, 20, c.cells, c.sideBySide);
    gui = loadText(std::string("BUTTON b { TYP = ") + c.kind + " GFX = " + sheet +
                   " POSITION = \"50 60\" " + (c.sideBySide ? "" : "DIR = V") + " }");
    auto b = gui->getItemAs<TButton>("b");
    ASSERT_TRUE(b && b->_image) << c.kind;
    EXPECT_EQ(platform::ImageFrames(b->_image), c.cells) << c.kind;
    EXPECT_EQ(b->dim->x1, 30);
    EXPECT_EQ(b->dim->x2, 70);
    EXPECT_EQ(b->dim->y1, 50);
    EXPECT_EQ(b->dim->y2, 70);
  }
}

TEST_F(ButtonTest, TextButtonsGrowAndHoldingKeepsThemAtRest) {
  gui = loadText("BUTTON t { TYP = TEXT_BUTTON TXT = \"Play now\" POSITION = \"200 200\" }");
  auto b = gui->getItemAs<TButton>("t");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->dim->w, platform::TextWidth("Play now"));
  EXPECT_EQ(b->dim->x1, 200 - b->dim->w / 2);
  moveTo(200, 200);
  frames(*gui, 2);
  EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f);
  press();
  frames(*gui, 3);
  EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f);  // held back to 1.0 each frame, then eased once
}

TEST_F(ButtonTest, TheWaveSkipsBlanksAndWrapsAfterTheLastLetter) {
  gui = loadText("BUTTON w { TYP = TEXT_SPEC_BUTTON1 TXT = \"ab c\" POSITION = \"200 200\" }");
  auto b = gui->getItemAs<TButton>("w");
  ASSERT_TRUE(b);
  moveTo(int(b->dim->x1) + 1, int(b->dim->y1) + 1);
  std::vector<int> visited;
  for (int i = 0; i < 60; ++i) {
    frame(*gui);
    const int index = int(b->_chrN);
    if (visited.empty() || visited.back() != index) visited.push_back(index);
    for (int letter = 0; letter < 4; ++letter) {
      if (letter != index) {
        EXPECT_EQ(b->_textScale[letter], 1.0f);
      }
    }
  }
  // 0.08 per frame: 12.5 frames per letter; the blank (index 2) is never the wave's letter.
  EXPECT_EQ(visited, (std::vector<int>{0, 1, 3, 0, 1}));
  moveTo(10, 10);
  frame(*gui);
  EXPECT_EQ(b->_chrN, 0.0f);
}

TEST(ButtonWave, LetterScaleRisesThenFallsAcrossItsTurn) {
  struct Case {
    float chrN, scale;
  };
  const Case cases[] = {{0.25f, 1.5f}, {0.5f, 2.5f}, {0.75f, 1.0f}};
  for (const auto& c : cases) {
    TButton b;
    b._typ = TEXT_SPEC_BUTTON1;
    b._txt = "xyz";
    b._over = 1;
    b._chrN = c.chrN;
    delta = 0.0f;  // the wave stays where it is
    const TMouse idle;
    b.updateClass(idle, 0, 0);
    EXPECT_NEAR(b._textScale[0], c.scale, 1e-4) << c.chrN;
  }
  delta = 1.0f;
}

}  // namespace
