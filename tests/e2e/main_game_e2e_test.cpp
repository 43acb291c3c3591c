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

const std::string kLevel = std::string(GLIMMERFIR_TEST_DATA) + "/levels/three-plates.lvl";

// The top bar's slots and the places of the pictures on the board.
constexpr Region kTimeSlot{71, 4, 80, 24};
constexpr Region kPointsSlot{247, 4, 80, 24};
constexpr Region kBoardCentre{290, 300, 220, 80};
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
  const std::string out = run.run(shortClockLevel(run, 3), 400);
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
}

TEST(MainGameEndToEnd, TheWinKeyShowsTheBannerAndLeadsToTheNextLevel) {
  e2e::GameRun run;
  run.allowCheats();
  run.shot(190, "playing.png");
  run.shot(480, "banner.png");
  const std::string out = run.run(kLevel, 560, "200 keydown 87\n202 keyup 87\n");
  EXPECT_EQ(run.exitCode(), 0) << out;
  expectInOrder(out, {"WHERE : MAIN-GAME", "LEVEL END : WIN-INFO POINTS : 0 STARS : 0 TIME : 01:29",
                      "WHERE : GET-NEXT-QUEST-LEVEL", "WHERE : TREE-SCREEN", "WHERE : MAIN-MENU"});

  const auto playing = platform::LoadPixmap(run.path("playing.png"));
  const auto banner = platform::LoadPixmap(run.path("banner.png"));
  ASSERT_TRUE(playing && banner);
  EXPECT_GT(changedPixels(playing, banner, kBannerPlace), 8000);
  // The bar has slid out: its slots are gone from the top of the screen.
  EXPECT_GT(changedPixels(playing, banner, kPointsSlot), 400);
}

}  // namespace
