// The loading screen's dots and fades, and the intro's timing and skipping, with the real
// pictures on the headless platform's virtual clock.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/Globals.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "screens/TIntro.h"
#include "screens/TLoadingScreen.h"
#include "support/TestScreenContext.h"

namespace {

int brightness(uint32_t pixel) {
  return int((pixel >> 16) & 255) + int((pixel >> 8) & 255) + int(pixel & 255);
}

// Every frame it draws, with the steps done and the brightness of each dot.
class RecordedLoading : public TLoadingScreen {
 public:
  using TLoadingScreen::TLoadingScreen;
  struct Frame {
    int done;
    float delta;
    std::vector<int> dots;
  };
  std::vector<Frame> frames;
  void draw2() override {
    TLoadingScreen::draw2();
    Frame f{p, ::delta, {}};
    for (int i = 1; i <= maxProgress; ++i)
      f.dots.push_back(brightness(platform::ScreenPixel(int(dotX(i)), int(dotY()))));
    frames.push_back(std::move(f));
  }
};

class StartScreensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cwd = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    platform::SetAlwaysRender(true);
  }
  void TearDown() override {
    platform::SetAlwaysRender(false);
    platform::ChangeDir(cwd);
  }
  testsupport::TestScreenContext context;
  std::string cwd;
};

TEST_F(StartScreensTest, EachStepLightsOneMoreDot) {
  std::vector<int> ran;
  std::array<TLoadingScreen::Step, TLoadingScreen::kSteps> work;
  for (int k = 0; k < TLoadingScreen::kSteps; ++k)
    work[size_t(k)] = [&ran, k] { ran.push_back(k); };
  // The last step is a long one: three seconds of loading.
  work[6] = [&ran] {
    ran.push_back(6);
    platform::Delay(3000);
  };
  RecordedLoading loading(context, work);
  ASSERT_TRUE(loading.dot[1]) << "the dot picture";
  EXPECT_EQ(loading.dotY(), 505);
  loading.loadAll();
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));

  // The first frame showing each count: k bright dots, the rest faint. Before the first step
  // (the fade-in's last frame) all seven are faint.
  std::vector<size_t> firstWith(TLoadingScreen::kSteps + 1, loading.frames.size());
  for (size_t f = 0; f < loading.frames.size(); ++f)
    if (firstWith[size_t(loading.frames[f].done)] == loading.frames.size())
      firstWith[size_t(loading.frames[f].done)] = f;
  ASSERT_GT(firstWith[1], 0u);
  std::vector<std::vector<int>> shown{loading.frames[firstWith[1] - 1].dots};
  for (int k = 1; k <= TLoadingScreen::kSteps; ++k) {
    ASSERT_LT(firstWith[size_t(k)], loading.frames.size()) << k;
    shown.push_back(loading.frames[firstWith[size_t(k)]].dots);
  }
  const int lit = shown.back()[0];
  for (int k = 0; k <= TLoadingScreen::kSteps; ++k)
    for (int i = 1; i <= TLoadingScreen::kSteps; ++i) {
      const int b = shown[size_t(k)][size_t(i - 1)];
      if (i <= k)
        EXPECT_NEAR(b, lit, 30) << "dot " << i << " after step " << k << " is bright";
      else
        EXPECT_LT(b, lit - 150) << "dot " << i << " after step " << k << " is faint";
    }

  // The fade-out after the long last step: its first frame moves by one ordinary frame, and it
  // ends in black after about twenty frames.
  const size_t fadeOut = firstWith[TLoadingScreen::kSteps] + 1;
  ASSERT_LT(fadeOut + 1, loading.frames.size());
  EXPECT_LE(loading.frames[fadeOut].delta, 1.05f);
  EXPECT_NEAR(loading.frames[fadeOut + 1].delta, 1.0f, 0.05f);
  const size_t fadeFrames = loading.frames.size() - fadeOut;
  EXPECT_GE(fadeFrames, 20u);
  EXPECT_LE(fadeFrames, 23u);
  EXPECT_LT(brightness(platform::ScreenPixel(int(loading.dotX(1)), int(loading.dotY()))), 20)
      << "black at the end";
}

TEST_F(StartScreensTest, FadeInStartsWithAnOrdinaryFrameAfterALongWait) {
  RecordedLoading loading(context, {});
  platform::Delay(4000);  // the intro and the window took their time
  loading.PART1();
  // The wait shows in no step: the first frame follows the warm-up at once, the next one
  // is an ordinary frame later.
  ASSERT_GE(loading.frames.size(), 3u);
  EXPECT_LE(loading.frames[0].delta, 1.05f);
  EXPECT_NEAR(loading.frames[1].delta, 1.0f, 0.05f);
  EXPECT_EQ(loading.frames.back().done, 1);
}

TEST_F(StartScreensTest, IntroTimeline) {
  struct Case {
    int ms;
    float veil, title;
  };
  // Dark at the start and the end; the title in from 0.9 s to 2.4 s.
  const Case cases[] = {{0, 1, 0},    {600, 0.5f, 0},  {1650, 0, 0.5f}, {2400, 0, 1},
                        {4000, 0, 1}, {4500, 0.5f, 1}, {5000, 1, 1}};
  for (const Case& c : cases) {
    EXPECT_NEAR(TIntro::veilAt(c.ms), c.veil, 0.01f) << c.ms;
    EXPECT_NEAR(TIntro::titleAt(c.ms), c.title, 0.01f) << c.ms;
  }
}

TEST_F(StartScreensTest, IntroPlaysAboutFiveSecondsOrUntilSkipped) {
  TIntro intro(context);
  testing::internal::CaptureStdout();
  intro.load();
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(log.find("BLAD"), std::string::npos) << log;
  ASSERT_TRUE(intro.village && intro.title && intro.glow && intro.bell);

  platform::SetAlwaysRender(false);  // only the timing matters here
  int start = platform::MilliSecs();
  intro.play(1.0f);
  EXPECT_NEAR(platform::MilliSecs() - start, TIntro::kLengthMs, 40);

  struct Skip {
    const char* what;
    std::function<void()> press;
  };
  const Skip skips[] = {
      {"Space", [] { platform::InjectKey(platform::key::SPACE, true); }},
      {"Enter", [] { platform::InjectKey(platform::key::ENTER, true); }},
      {"a left click", [] { platform::InjectMouseButton(1, true); }},
  };
  for (const Skip& skip : skips) {
    start = platform::MilliSecs();
    skip.press();
    platform::InjectKey(platform::key::ESCAPE, true);  // pending input is dropped after it
    intro.play(1.0f);
    EXPECT_LT(platform::MilliSecs() - start, 100) << skip.what;
    EXPECT_EQ(platform::KeyHit(platform::key::ESCAPE), 0) << skip.what;
    platform::InjectKey(platform::key::SPACE, false);
    platform::InjectKey(platform::key::ENTER, false);
    platform::InjectKey(platform::key::ESCAPE, false);
    platform::InjectMouseButton(1, false);
    EXPECT_EQ(platform::MouseHit(1), 0) << skip.what;
  }
}

}  // namespace
