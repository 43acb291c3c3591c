// The options dialog, driven frame by frame with injected input.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "gui/TGui.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "support/AppFixture.h"
#include "support/TestScreenContext.h"

namespace {

// The dialog with a script of input events by frame.
class ScriptedOptions : public TOptions {
 public:
  using TOptions::TOptions;
  std::map<int, std::function<void()>> script;
  int frames = 0;

  void update() override {
    if (auto step = script.find(frames); step != script.end()) step->second();
    ++frames;
    TOptions::update();
  }

  void clickAt(int frame, float x, float y) {
    script[frame] = [x, y] {
      platform::InjectMouseMove(int(x), int(y));
      platform::InjectMouseButton(1, true);
    };
    script[frame + 1] = [] { platform::InjectMouseButton(1, false); };
  }
  void escapeAt(int frame) {
    script[frame] = [] { platform::InjectKey(platform::key::ESCAPE, true); };
    script[frame + 1] = [] { platform::InjectKey(platform::key::ESCAPE, false); };
  }
};

class OptionsDialogTest : public testsupport::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    if (HasFatalFailure()) return;
    App::get().globalSnd().setup();
    dialog = std::make_unique<ScriptedOptions>(App::get(), App::get().globalSnd());
    dialog->setup();
  }
  void TearDown() override {
    dialog.reset();
    AppFixture::TearDown();
  }

  std::unique_ptr<ScriptedOptions> dialog;
  testsupport::TestScreenContext behindContext;
  TEkran behind{behindContext};
};

TEST_F(OptionsDialogTest, TheSeventhMusicLampSetsSevenTenthsAndEscapeClosesAndSaves) {
  dialog->clickAt(25, TOptions::lampX(7), TOptions::lampY(0));
  int clicks = -1;
  dialog->script[27] = [&] {
    clicks = App::get().globalSnd().getSoundData("click")->playingCount();
  };
  dialog->escapeAt(30);
  int behindFrames = 0;
  dialog->mainLoop(&behind, [&] { ++behindFrames; });
  EXPECT_EQ(dialog->musicVol, 7);
  EXPECT_FLOAT_EQ(App::get().globalSnd().musicVol, 0.7f);
  EXPECT_EQ(clicks, 1) << "the lamp clicks (nothing else was pressed)";
  EXPECT_NEAR(dialog->frames, 50, 2) << "about 20 frames in and 20 out around the clicks";
  EXPECT_EQ(behindFrames, dialog->frames) << "what moves behind the dialog runs every frame";
  EXPECT_NE(testsupport::ReadFile(TOptions::settingsFile()).find("musicVolume = 7"),
            std::string::npos);
}

TEST_F(OptionsDialogTest, SoundLampsAndTheStepButtonsKeepToTheScale) {
  struct Case {
    const char* button;
    int music, sound;  // before
    int expectMusic, expectSound;
  };
  const Case cases[] = {
      {"minus1", 0, 5, 0, 5},  {"plus1", 9, 5, 10, 5}, {"plus1", 10, 5, 10, 5},
      {"plus2", 5, 10, 5, 10}, {"minus2", 5, 1, 5, 0},
  };
  for (const Case& c : cases) {
    dialog->script.clear();
    dialog->frames = 0;
    dialog->musicVol = c.music;
    dialog->soundVol = c.sound;
    auto button = dialog->Gui->getItem(c.button);
    ASSERT_TRUE(button && button->dim) << c.button;
    dialog->clickAt(25, button->dim->x + button->dim->w / 2, button->dim->y + button->dim->h / 2);
    dialog->escapeAt(30);
    dialog->mainLoop(&behind);
    EXPECT_EQ(dialog->musicVol, c.expectMusic) << c.button << " " << c.music;
    EXPECT_EQ(dialog->soundVol, c.expectSound) << c.button << " " << c.sound;
  }
  dialog->script.clear();
  dialog->frames = 0;
  dialog->clickAt(25, TOptions::lampX(3), TOptions::lampY(1));
  dialog->escapeAt(30);
  dialog->mainLoop(&behind);
  EXPECT_EQ(dialog->soundVol, 3);
}

TEST_F(OptionsDialogTest, TheScreenButtonShowsTheModeAndSwitchesIt) {
  dialog->fullScreen = 1;
  dialog->script[24] = [this] {
    EXPECT_TRUE(dialog->Gui->getItem("on")->_v);
    EXPECT_FALSE(dialog->Gui->getItem("off")->_v);
  };
  dialog->clickAt(25, 460, 360);
  dialog->script[28] = [this] {
    EXPECT_EQ(dialog->fullScreen, 0);
    EXPECT_FALSE(dialog->Gui->getItem("on")->_v);
    EXPECT_TRUE(dialog->Gui->getItem("off")->_v);
  };
  dialog->clickAt(40, 400, 428);  // ok
  dialog->mainLoop(&behind);
  EXPECT_EQ(dialog->fullScreen, 0);
  EXPECT_TRUE(platform::GraphicsOpen());
  EXPECT_NE(testsupport::ReadFile(TOptions::settingsFile()).find("fullScreen = 0"),
            std::string::npos);
}

}  // namespace
