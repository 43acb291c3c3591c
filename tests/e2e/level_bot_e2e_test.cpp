// The level bot playing quest levels in the real game, and its recorded input replayed
// without it.
#include <gtest/gtest.h>

#include <string>

#include "e2e/GameRun.h"
#include "support/TempDir.h"

namespace {

std::string questLevel(const std::string& name) { return "data/levels/" + name + ".lvl"; }

// Enough frames for the longest of these clocks, the closing screens and some to spare.
constexpr int kFrames = 60 * 600;

TEST(LevelBotEndToEnd, WinsThreeQuestLevelsAndTheFirstRecordReplaysToTheSameEnd) {
  // The first level, one with chains and bonuses, and one of islands with two-layer plates.
  for (const char* name : {"zestaw1/level01", "zestaw1/level05", "zestaw2/level05"}) {
    SCOPED_TRACE(name);
    e2e::GameRun run;
    run.timeoutSeconds = 600;
    run.environment = "GLIMMERFIR_BOT=1 GLIMMERFIR_RECORD='" + run.path("bot.input") + "'";
    const std::string out = run.run(questLevel(name), kFrames);
    EXPECT_EQ(run.exitCode(), 0) << out;
    const std::string bot = e2e::lineAfter(out, "LEVEL BOT : ");
    EXPECT_EQ(bot.rfind("WON", 0), 0u) << out;
    const std::string end = e2e::lineAfter(out, "LEVEL END : ");
    EXPECT_EQ(end.rfind("WIN-INFO", 0), 0u) << out;
    // The first run is replayed from its record, without the bot.
    if (std::string(name) != "zestaw1/level01") continue;
    e2e::GameRun replay;
    replay.timeoutSeconds = 600;
    const std::string input = testsupport::ReadFile(run.path("bot.input"));
    EXPECT_NE(input.find(" press 1"), std::string::npos);
    EXPECT_NE(input.find(" close"), std::string::npos);
    // The record counts the process's frames; the run counts from the level's first.
    const std::string again =
        replay.run(questLevel(name), kFrames, e2e::shifted(input, -e2e::kLevelStart));
    EXPECT_EQ(replay.exitCode(), 0) << again;
    EXPECT_EQ(e2e::lineAfter(again, "LEVEL END : "), end);
    EXPECT_EQ(again.find("LEVEL BOT"), std::string::npos);
  }
}

}  // namespace
