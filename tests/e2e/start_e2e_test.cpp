// The whole start of the real game: the intro played to its end, the loading screen's steps and
// the main menu coming in, each caught in a screenshot.
#include <gtest/gtest.h>

#include <string>

#include "e2e/GameRun.h"
#include "platform/platform.h"

namespace {

constexpr e2e::Region kWhole{0, 0, 800, 600};
constexpr e2e::Region kDots{200, 490, 400, 30};
constexpr e2e::Region kTitle{150, 10, 500, 100};

TEST(StartEndToEnd, IntroThenLoadingThenTheMainMenu) {
  e2e::GameRun run;
  run.fromProcessStart = true;
  run.shot(150, "intro.png");    // the title over the village
  run.shot(326, "loading.png");  // the intro is over; the loading picture has faded in
  run.shot(420, "menu.png");     // the menu has come in from black
  const std::string out = run.run("", 430);
  EXPECT_EQ(run.exitCode(), 0) << out;
  EXPECT_NE(out.find("WHERE : MAIN-MENU"), std::string::npos) << out;

  const auto intro = platform::LoadPixmap(run.path("intro.png"));
  const auto loading = platform::LoadPixmap(run.path("loading.png"));
  const auto menu = platform::LoadPixmap(run.path("menu.png"));
  ASSERT_TRUE(intro && loading && menu);
  // Three full pictures, each its own.
  for (const auto& shot : {intro, loading, menu}) EXPECT_GT(e2e::colourCount(shot, kWhole), 60);
  EXPECT_GT(e2e::changedPixels(intro, loading, kWhole), 800 * 600 / 4);
  EXPECT_GT(e2e::changedPixels(loading, menu, kWhole), 800 * 600 / 4);
  // The loading screen's row of dots, and the menu's gold title.
  EXPECT_GT(e2e::changedPixels(loading, menu, kDots), 100);
  EXPECT_GT(e2e::colourCount(menu, kTitle), 100);
}

}  // namespace
