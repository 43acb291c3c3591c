// The name entry and the delete confirmation, driven frame by frame through the platform's
// injected input, over a plain night backdrop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "datafile/AssetNames.h"
#include "effects/TFlyText.h"
#include "gui/TBMFont.h"
#include "gui/TButton.h"
#include "gui/TDim.h"
#include "gui/TGui.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "screens/TDeleteProfile.h"
#include "screens/TEnterText.h"
#include "screens/TProfileDialogs.h"
#include "support/AppFixture.h"

namespace {

// What stands behind the dialogs: a plain night-blue screen.
class Backdrop : public TEkran {
 public:
  using TEkran::TEkran;
  void draw() override {
    platform::SetBlend(platform::SOLIDBLEND);
    platform::SetAlpha(1);
    platform::SetColor(0x14, 0x26, 0x4F);
    platform::DrawRect(0, 0, 800, 600);
    platform::SetBlend(platform::ALPHABLEND);
  }
};

constexpr int kShownFrame = 25;  // the dialogs have faded in by then
constexpr int kGiveUpFrame = 600;

// A dialog with a script of input events by frame and a hook after each drawing.
template <class Dialog>
class Scripted : public Dialog {
 public:
  using Dialog::Dialog;
  std::map<int, std::function<void()>> script;
  std::function<void()> afterDraw;
  int frames = 0;

  void update() override {
    if (auto step = script.find(frames); step != script.end()) step->second();
    if (frames == kGiveUpFrame) {
      ADD_FAILURE() << "the dialog did not close";
      this->alpha = this->dAlpha = 0.0f;
    }
    ++frames;
    Dialog::update();
  }
  void draw() override {
    Dialog::draw();
    if (afterDraw) afterDraw();
  }

  // A dialog closes on the frame of the click, before the button is let go: let it go.
  void restart() {
    platform::InjectMouseButton(1, false);
    script.clear();
    afterDraw = nullptr;
    frames = 0;
  }
  // Types `input` from frame `from` on, one event every other frame: '\b', '\r' and '\x1b'
  // are the Backspace, Enter and Escape keys, anything else a typed character.
  void typeAt(int from, const std::string& input) {
    int frame = from;
    for (const char ch : input) {
      const int code = static_cast<unsigned char>(ch);
      if (code == '\b' || code == '\r' || code == 0x1b) {
        script[frame] = [code] { platform::InjectKey(code, true); };
        script[frame + 1] = [code] { platform::InjectKey(code, false); };
      } else {
        script[frame] = [code] { platform::InjectChar(code); };
      }
      frame += 2;
    }
  }
  void clickAt(int frame, float x, float y) {
    script[frame] = [x, y] {
      platform::InjectMouseMove(int(x), int(y));
      platform::InjectMouseButton(1, true);
    };
    script[frame + 1] = [] { platform::InjectMouseButton(1, false); };
  }
  void clickButton(int frame, const std::string& buttonId) {
    auto button = this->Gui->getItem(buttonId);
    ASSERT_TRUE(button && button->dim) << buttonId;
    clickAt(frame, button->dim->x + button->dim->w / 2, button->dim->y + button->dim->h / 2);
  }
};

class ProfileDialogsTest : public testsupport::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    if (HasFatalFailure()) return;
    App::get().globalSnd().setup();
    title = std::make_unique<Backdrop>(App::get());
    enterText = std::make_unique<Scripted<TEnterText>>(App::get());
    deleteProfile = std::make_unique<Scripted<TDeleteProfile>>(App::get());
    testing::internal::CaptureStdout();
    enterText->setup();
    deleteProfile->setup();
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(log.find("BLAD"), std::string::npos) << log;
  }
  void TearDown() override {
    enterText.reset();
    deleteProfile.reset();
    title.reset();
    AppFixture::TearDown();
  }

  // Neither the Enter nor the Escape that closed a dialog may reach the screen below.
  static void expectNoKeyLeft(const std::string& what) {
    EXPECT_EQ(platform::KeyHit(platform::key::ENTER), 0) << what;
    EXPECT_EQ(platform::KeyHit(platform::key::ESCAPE), 0) << what;
    EXPECT_EQ(platform::GetChar(), 0) << what;
  }

  std::unique_ptr<Backdrop> title;
  std::unique_ptr<Scripted<TEnterText>> enterText;
  std::unique_ptr<Scripted<TDeleteProfile>> deleteProfile;
};

TEST_F(ProfileDialogsTest, NameEntryKeepsLettersAndDigitsUpToTwelve) {
  struct Case {
    const char* what;
    const char* initial;
    int noCancel;
    const char* typed;
    const char* expect;
  };
  const Case cases[] = {
      {"letters and digits", "", 0, "Ann7\r", "Ann7"},
      {"spaces and punctuation are dropped", "", 0, "A b-c.!_\t@\r", "Abc"},
      {"backspace removes the last", "", 0, "Noel\b\r", "Noe"},
      {"backspace on empty stays empty", "", 0, "\b\bX\r", "X"},
      {"twelve at most", "", 0, "ABCDEFGHIJKLMNOP\r", "ABCDEFGHIJKL"},
      {"enter on empty does nothing", "", 0, "\rZ\r", "Z"},
      {"escape cancels", "Holly", 0, "Ivy\x1b", "//"},
      {"the initial text is kept", "Holly", 0, "2\r", "Holly2"},
      {"a long initial text takes no more", "ABCDEFGHIJKLMN", 0, "X\r", "ABCDEFGHIJKLMN"},
      {"no way out without cancel", "Ann", 1, "\x1b\be\r", "Ane"},
  };
  for (const Case& c : cases) {
    enterText->restart();
    enterText->typeAt(kShownFrame, c.typed);
    const std::string got = enterText->mainloop(title.get(), {}, "", c.initial, c.noCancel);
    EXPECT_EQ(got, c.expect) << c.what;
    expectNoKeyLeft(c.what);
  }
}

TEST_F(ProfileDialogsTest, NameEntryIgnoresInputUntilFadedIn) {
  // A character and an Enter while the dialog fades in change nothing: the name stays
  // empty, the dialog open, and what is typed once it is in counts.
  enterText->typeAt(1, "Q\r");
  int behindFrames = 0;
  enterText->script[6] = [&] {
    EXPECT_LT(enterText->alpha, 1.0f);
    EXPECT_EQ(enterText->entry, "");
  };
  enterText->typeAt(kShownFrame, "R\r");
  EXPECT_EQ(enterText->mainloop(
                title.get(), [&] { ++behindFrames; }, "", "", 0),
            "R");
  EXPECT_EQ(behindFrames, enterText->frames) << "what moves behind runs every frame";
}

TEST_F(ProfileDialogsTest, NameEntryButtons) {
  auto ok = enterText->Gui->getItem("ok");
  auto cancel = enterText->Gui->getItem("cancel");
  ASSERT_TRUE(ok && cancel);

  // "ok" is hidden while the entry is empty and confirms once there is a name.
  enterText->script[kShownFrame] = [&] { EXPECT_FALSE(ok->_v || ok->_a); };
  enterText->typeAt(kShownFrame + 1, "Fir");
  enterText->script[kShownFrame + 8] = [&] { EXPECT_TRUE(ok->_v && ok->_a); };
  enterText->clickButton(kShownFrame + 10, "ok");
  EXPECT_EQ(enterText->mainloop(title.get(), {}, "", "", 0), "Fir");

  enterText->restart();
  enterText->clickButton(kShownFrame, "cancel");
  EXPECT_EQ(enterText->mainloop(title.get(), {}, "", "Fir", 0), "//");

  // With noCancel the cancel button is gone: a click where it stands does nothing.
  enterText->restart();
  enterText->script[kShownFrame - 1] = [&] { EXPECT_FALSE(cancel->_v || cancel->_a); };
  enterText->clickButton(kShownFrame, "cancel");
  enterText->typeAt(kShownFrame + 4, "\r");
  EXPECT_EQ(enterText->mainloop(title.get(), {}, "", "Fir", 1), "Fir");

  // And it comes back for the next opening that offers it.
  enterText->restart();
  enterText->typeAt(kShownFrame, "\x1b");
  EXPECT_EQ(enterText->mainloop(title.get(), {}, "", "Fir", 0), "//");
  EXPECT_TRUE(cancel->_v && cancel->_a);
}

TEST_F(ProfileDialogsTest, DeleteConfirmationAnswers) {
  struct Case {
    const char* what;
    std::function<void(Scripted<TDeleteProfile>&)> input;
    int expect;
  };
  const Case cases[] = {
      {"enter confirms", [](auto& d) { d.typeAt(kShownFrame, "\r"); }, 1},
      {"escape keeps", [](auto& d) { d.typeAt(kShownFrame, "\x1b"); }, 0},
      {"OK confirms", [](auto& d) { d.clickButton(kShownFrame, "OK"); }, 1},
      {"cancel keeps", [](auto& d) { d.clickButton(kShownFrame, "cancel"); }, 0},
      {"an enter while fading in is dropped",
       [](auto& d) {
         d.typeAt(3, "\r");
         d.typeAt(kShownFrame + 5, "\x1b");
       },
       0},
  };
  for (const Case& c : cases) {
    deleteProfile->restart();
    c.input(*deleteProfile);
    int behindFrames = 0;
    EXPECT_EQ(deleteProfile->mainLoop(title.get(), [&] { ++behindFrames; }), c.expect) << c.what;
    EXPECT_EQ(behindFrames, deleteProfile->frames) << c.what;
    EXPECT_GT(deleteProfile->frames, 2 * 20) << c.what << ": it fades in and out";
    expectNoKeyLeft(c.what);
  }
}

TEST_F(ProfileDialogsTest, TheProfileManagerReachesBothDialogs) {
  TProfileDialogs dialogs(*enterText, *deleteProfile);
  IProfileDialogs& asked = dialogs;
  enterText->typeAt(kShownFrame, "Bell9\r");
  EXPECT_EQ(asked.askName(title.get(), {}, "", "", 1), "Bell9");
  deleteProfile->typeAt(kShownFrame, "\r");
  EXPECT_EQ(asked.confirmDelete(title.get(), {}), 1);
}

// Each dialog over the backdrop, saved beside the build for a look.
TEST_F(ProfileDialogsTest, EachDialogShowsOverTheBackdrop) {
  platform::SetAlwaysRender(true);
  const std::string dir = GLIMMERFIR_PREVIEW_DIR;
  platform::CreateDir(dir);
  platform::Cls();
  title->draw();
  const uint32_t cardOnly = platform::ScreenPixel(400, 200);

  // The caret: a white block 16 pixels wide right of the name, shown every other half second.
  auto longestWhiteRun = [] {
    int longest = 0, run = 0;
    for (int x = TEnterText::kEntryX; x < 800; ++x) {
      run = platform::ScreenPixel(x, TEnterText::kCaretY + 11) == 0xFFFFFFFFu ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    return longest;
  };
  bool caretSeen = false, caretHidden = false;
  enterText->typeAt(kShownFrame, "Holly");
  enterText->afterDraw = [&] {
    if (enterText->frames < kShownFrame + 12 || enterText->alpha < 1.0f) return;
    if (enterText->switch_ == 0) {
      EXPECT_LT(longestWhiteRun(), TEnterText::kCaretW);
      caretHidden = true;
      return;
    }
    EXPECT_EQ(longestWhiteRun(), TEnterText::kCaretW);
    if (caretSeen) return;
    caretSeen = true;
    platform::SaveScreenshot(dir + "/enter-text.png");
    EXPECT_NE(platform::ScreenPixel(400, 200), cardOnly) << "the panel covers the card";
  };
  enterText->typeAt(kShownFrame + 80, "\r");
  EXPECT_EQ(enterText->mainloop(title.get(), {}, "", "", 0), "Holly");
  EXPECT_TRUE(caretSeen && caretHidden) << "the caret blinks";

  deleteProfile->afterDraw = [&] {
    if (deleteProfile->frames != kShownFrame) return;
    platform::SaveScreenshot(dir + "/delete-profile.png");
    EXPECT_NE(platform::ScreenPixel(400, 200), cardOnly) << "the panel covers the card";
  };
  deleteProfile->typeAt(kShownFrame + 2, "\x1b");
  EXPECT_EQ(deleteProfile->mainLoop(title.get()), 0);
  platform::SetAlwaysRender(false);
}

}  // namespace

namespace {

// The profile manager's layout: every button it asks for, none of them over the four name
// rows (a button there would take the clicks that pick a player), all inside the panel.
TEST_F(ProfileDialogsTest, ProfileManagerLayoutKeepsItsButtonsOffTheRows) {
  testing::internal::CaptureStdout();
  auto gui = loadGui(assets::GUI_PROFILE_MANAGER, App::get());
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(log.find("BLAD"), std::string::npos) << log;
  auto panel = gui->getItem("panel");
  ASSERT_TRUE(panel && panel->dim);
  const float rowsX1 = 309, rowsY1 = 200, rowsX2 = 309 + 270, rowsY2 = 200 + 4 * 24;
  for (const char* id : {"NEW", "RENAME", "DELETE", "OK", "CANCEL", "UP", "DOWN"}) {
    auto button = gui->getItemAs<TButton>(id);
    ASSERT_TRUE(button && button->dim) << id;
    const TDim& d = *button->dim;
    EXPECT_GT(d.w, 20) << id << " has its picture";
    const bool clear = d.x2 <= rowsX1 || d.x1 >= rowsX2 || d.y2 <= rowsY1 || d.y1 >= rowsY2;
    EXPECT_TRUE(clear) << id << " lies over the rows";
    EXPECT_TRUE(d.x1 >= panel->dim->x1 && d.x2 <= panel->dim->x2 && d.y1 >= panel->dim->y1 &&
                d.y2 <= panel->dim->y2)
        << id << " lies outside the panel";
  }

  // A look at it with four players, the way the manager lays out their names.
  gui->setGuiAlpha(1);
  for (int frame = 0; frame < 30; ++frame) {  // the pictures' animations start
    gui->update();
    platform::Flip(-1);
  }
  platform::SetAlwaysRender(true);
  platform::Cls();
  title->draw();
  gui->draw();
  auto font = TBMFont::Create(assets::FONT_DIR, assets::FONT_WHITESMALL);
  const char* const names[] = {"Holly", "Ivy", "Nicholas2024", "Bell"};
  for (int r = 0; r < 4; ++r) TFlyText::drawMyText(names[r], 442, 200 + 24 * r, font.get(), 1);
  platform::CreateDir(GLIMMERFIR_PREVIEW_DIR);
  platform::SaveScreenshot(std::string(GLIMMERFIR_PREVIEW_DIR) + "/profile-manager.png");
  platform::SetAlwaysRender(false);
}

}  // namespace
