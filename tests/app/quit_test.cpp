#include <gtest/gtest.h>

#include <string>

#include "app/App.h"
#include "core/TEkran.h"
#include "platform/platform.h"

namespace {

// A screen whose loop only runs the common update, for a given number of frames.
class LoopingScreen : public TEkran {
 public:
  LoopingScreen() : TEkran(App::get()) {}
  void update() override { updateCommon(); }
  int run(int frames) {
    int shown = 0;
    for (; shown < frames; ++shown) {
      platform::Cls();
      update();
      draw();
      platform::Flip(-1);
    }
    return shown;
  }
};

void runWithInput(void (*input)()) {
  platform::InitHeadless();
  App::create();
  platform::Graphics(800, 600, 0, 60, 0);
  LoopingScreen screen;
  screen.run(2);
  input();
  screen.run(3);
}

using QuitDeathTest = ::testing::Test;

TEST_F(QuitDeathTest, LeftAltF4EndsTheProgramFromInsideAScreen) {
  EXPECT_EXIT(runWithInput([] {
                platform::InjectKey(platform::key::LALT, true);
                platform::InjectKey(platform::key::F4, true);
              }),
              ::testing::ExitedWithCode(0), "");
}

TEST_F(QuitDeathTest, AWindowCloseEndsTheProgram) {
  EXPECT_EXIT(runWithInput([] { platform::InjectCloseRequest(); }), ::testing::ExitedWithCode(0),
              "");
}

TEST(Quit, RightAltF4DoesNothing) {
  platform::InitHeadless();
  App::create();
  platform::Graphics(800, 600, 0, 60, 0);
  LoopingScreen screen;
  platform::InjectKey(platform::key::RALT, true);
  platform::InjectKey(platform::key::F4, true);
  EXPECT_EQ(screen.run(5), 5);
  EXPECT_FALSE(quitRequested());
  App::destroy();
}

}  // namespace
