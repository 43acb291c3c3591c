// A level played end to end by the real game, headless: the designer's level shortcut, the
// opening, the clock, the top bar, the win banner and the loss, checked from what the game
// printed and from its screenshots.
#include <gtest/gtest.h>

#include <string>

#include "e2e/GameRun.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using e2e::changedPixels;
using e2e::colourCount;
using e2e::Region;

const std::string kLevel = std::string(GLIMMERFIR_TEST_DATA) + "/levels/two-plates.lvl";

// The top bar's slots and the places of the pictures on the board.
constexpr Region kTimeSlot{71, 4, 80, 24};
constexpr Region kPointsSlot{247, 4, 80, 24};
constexpr Region kStarsSlot{424, 4, 80, 24};
constexpr Region kBoardCentre{290, 300, 220, 80};
constexpr Region kLeftOfBoard{20, 240, 250, 100};
constexpr Region kBoard{295, 256, 210, 126};
constexpr Region kPlates{296, 299, 84, 42};
constexpr Region kBannerPlace{230, 95, 340, 70};
constexpr Region kWholeScreen{0, 0, 800, 600};

// The level with its clock set to a few seconds.
std::string shortClockLevel(const e2e::GameRun& run, int seconds) {
  std::string text = testsupport::ReadFile(kLevel);
  const std::string from = "actTime = 90";
  text.replace(text.find(from), from.size(), "actTime = " + std::to_string(seconds));
  run.writeFile("short.lvl", text);
  return run.path("short.lvl");
}

// The printed lines appear in this order.
void expectInOrder(const std::string& out, std::initializer_list<std::string> lines) {
  size_t at = 0;
  for (const std::string& line : lines) {
    const size_t found = out.find(line, at);
    ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << line << "\n" << out;
    at = found + line.size();
  }
}

TEST(MainGameEndToEnd, TheClockRunsOutAndTheLevelIsLost) {
  e2e::GameRun run;
  run.shot(22, "before-ready.png");
  run.shot(80, "ready.png");
  run.shot(160, "three-left.png");
  run.shot(200, "two-left.png");
  run.shot(290, "last-second.png");
  run.shot(380, "times-up.png");
  // MAINMENU on the lose screen once it has come up.
  const std::string out =
      run.run(shortClockLevel(run, 3), 700, "490 move 400 395\n500 press 1\n502 release 1\n");
  EXPECT_EQ(run.exitCode(), 0) << out;
  expectInOrder(
      out, {"WHERE : MAIN-GAME", "LEVEL END : MAIN-MENU-RESTART POINTS : 0 STARS : 0 TIME : 00:00",
            "WHERE : MAIN-MENU-RESTART", "WHERE : MAIN-MENU"});
  EXPECT_EQ(out.find("WHERE : GET-NEXT-QUEST-LEVEL"), std::string::npos);

  const auto beforeReady = platform::LoadPixmap(run.path("before-ready.png"));
  const auto ready = platform::LoadPixmap(run.path("ready.png"));
  const auto threeLeft = platform::LoadPixmap(run.path("three-left.png"));
  const auto twoLeft = platform::LoadPixmap(run.path("two-left.png"));
  ASSERT_TRUE(beforeReady && ready && threeLeft && twoLeft);
  EXPECT_GT(colourCount(ready, kWholeScreen), 200);
  EXPECT_GT(colourCount(threeLeft, kWholeScreen), 200);
  // The ready picture has come up over the board's centre.
  EXPECT_GT(changedPixels(beforeReady, ready, kBoardCentre), 3000);
  // The clock's slot changes with the seconds, the points' slot stays as it was.
  EXPECT_GT(changedPixels(threeLeft, twoLeft, kTimeSlot), 20);
  EXPECT_EQ(changedPixels(threeLeft, twoLeft, kPointsSlot), 0);
  // After the last second the times-up picture stands over the screen, wider than the board.
  const auto lastSecond = platform::LoadPixmap(run.path("last-second.png"));
  const auto timesUp = platform::LoadPixmap(run.path("times-up.png"));
  ASSERT_TRUE(lastSecond && timesUp);
  EXPECT_GT(changedPixels(lastSecond, timesUp, kLeftOfBoard), 4000);
  EXPECT_EQ(changedPixels(lastSecond, timesUp, kPointsSlot), 0);  // still over the game
}

// RESTART on the lose screen plays the same level again from its start, with a full clock.
TEST(MainGameEndToEnd, RestartAfterALossReplaysTheSameLevel) {
  e2e::GameRun run;
  run.shot(160, "first-try.png");
  run.shot(660, "second-try.png");
  const std::string out =
      run.run(shortClockLevel(run, 3), 700, "490 move 400 327\n500 press 1\n502 release 1\n");
  EXPECT_EQ(run.exitCode(), 0) << out;
  expectInOrder(out, {"WHERE : MAIN-GAME", "LEVEL END : RESTART", "WHERE : RESTART-LEVEL",
                      "WHERE : MAIN-GAME"});
  EXPECT_EQ(out.find("WHERE : MAIN-MENU-RESTART"), std::string::npos) << out;
  EXPECT_EQ(out.find("WHERE : GET-NEXT-QUEST-LEVEL"), std::string::npos) << out;
  const auto firstTry = platform::LoadPixmap(run.path("first-try.png"));
  const auto secondTry = platform::LoadPixmap(run.path("second-try.png"));
  ASSERT_TRUE(firstTry && secondTry);
  // The same board again: the points' slot as it was, the board's centre alike.
  EXPECT_EQ(changedPixels(firstTry, secondTry, kPointsSlot), 0);
}

// Two clicks swap the tiles at grid (2, 3) and (3, 3): the kind 1 comes up between two 1s on
// the plates of row 2 and clears them; the tiles above fall in and no line follows.
TEST(MainGameEndToEnd, OneSwapClearsThePlatesAndWinsTheLevel) {
  e2e::GameRun run;
  run.shot(150, "opening.png");
  run.shot(280, "before-swap.png");
  run.shot(338, "after-swap.png");
  run.shot(560, "banner.png");
  const std::string moves =
      "300 move 400 319\n301 press 1\n303 release 1\n"
      "320 move 400 361\n321 press 1\n323 release 1\n"
      "700 press 1\n702 release 1\n";  // leaves the summary
  const std::string out = run.run(kLevel, 850, moves);
  EXPECT_EQ(run.exitCode(), 0) << out;
  expectInOrder(out, {"WHERE : MAIN-GAME", "SPASOWANYCH : 3", "LEVEL END : WIN-INFO",
                      "WHERE : GET-NEXT-QUEST-LEVEL"});
  // The tile on the plain cell scores, the two on plates give a star each.
  int points = -1, stars = -1;
  ASSERT_EQ(std::sscanf(e2e::lineAfter(out, "LEVEL END : WIN-INFO").c_str(),
                        " POINTS : %d STARS : %d", &points, &stars),
            2)
      << out;
  EXPECT_GT(points, 0);
  EXPECT_EQ(stars, 2);

  const auto opening = platform::LoadPixmap(run.path("opening.png"));
  const auto before = platform::LoadPixmap(run.path("before-swap.png"));
  const auto after = platform::LoadPixmap(run.path("after-swap.png"));
  const auto banner = platform::LoadPixmap(run.path("banner.png"));
  ASSERT_TRUE(opening && before && after && banner);
  // The tiles have come in since the go signal; the plates are gone after the swap; the
  // banner has risen over the sky.
  EXPECT_GT(changedPixels(opening, before, kBoard), 3000);
  EXPECT_GT(changedPixels(before, after, kPlates), 1500);
  EXPECT_GT(changedPixels(before, banner, kBannerPlace), 8000);
  // The counters show what was won before the bar slides away.
  EXPECT_GT(changedPixels(before, after, kStarsSlot), 20);
}

TEST(MainGameEndToEnd, TheWinKeyShowsTheBannerAndLeadsToTheNextLevel) {
  e2e::GameRun run;
  run.allowCheats();
  run.shot(190, "playing.png");
  run.shot(480, "banner.png");
  // The win key; Escape on the summary; then PLAY on the tree screen between the levels.
  const std::string out = run.run(kLevel, 950,
                                  "200 keydown 87\n202 keyup 87\n500 key 27\n790 move 730 550\n"
                                  "791 press 1\n793 release 1\n850 press 1\n852 release 1\n");
  EXPECT_EQ(run.exitCode(), 0) << out;
  expectInOrder(out, {"WHERE : MAIN-GAME", "LEVEL END : WIN-INFO POINTS : 0 STARS : 0 TIME : 01:29",
                      "WHERE : GET-NEXT-QUEST-LEVEL", "WHERE : TREE-SCREEN", "WHERE : MAIN-GAME"});

  const auto playing = platform::LoadPixmap(run.path("playing.png"));
  const auto banner = platform::LoadPixmap(run.path("banner.png"));
  ASSERT_TRUE(playing && banner);
  EXPECT_GT(changedPixels(playing, banner, kBannerPlace), 8000);
  // The bar has slid out: its slots are gone from the top of the screen.
  EXPECT_GT(changedPixels(playing, banner, kPointsSlot), 400);
}

// The menu button on the bar opens the in-game menu, whose MAINMENU leaves for the main menu,
// fading to black first.
TEST(MainGameEndToEnd, TheMenuButtonLeavesForTheMainMenu) {
  e2e::GameRun run;
  run.shot(200, "playing.png");
  run.shot(235, "menu.png");
  run.shot(290, "left.png");
  const std::string out = run.run(kLevel, 350,
                                  "190 move 750 28\n205 press 1\n207 release 1\n240 move 400 "
                                  "442\n245 press 1\n247 release 1\n");
  EXPECT_EQ(run.exitCode(), 0) << out;
  expectInOrder(out, {"WHERE : MAIN-GAME", "LEVEL END : MAIN-MENU POINTS : 0 STARS : 0",
                      "WHERE : MAIN-MENU"});
  EXPECT_EQ(out.find("WHERE : MAIN-MENU-RESTART"), std::string::npos);
  const auto playing = platform::LoadPixmap(run.path("playing.png"));
  const auto menu = platform::LoadPixmap(run.path("menu.png"));
  const auto left = platform::LoadPixmap(run.path("left.png"));
  ASSERT_TRUE(playing && menu && left);
  // The menu's panel stands over the board's centre.
  EXPECT_GT(changedPixels(playing, menu, kBoardCentre), 3000);
  EXPECT_GT(changedPixels(playing, left, kWholeScreen), 100000);
}

}  // namespace
