// The quest from the main menu: a first start asks the player's name, the tree screen opens
// the first quest level, and a won level leads through the tree screen to the next one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "e2e/GameRun.h"
#include "platform/platform.h"
#include "player/SoundFixture.h"

namespace {

constexpr e2e::Region kLevelSlot{584, 4, 80, 24};

size_t findAfter(const std::string& out, const std::string& line, size_t from) {
  const size_t at = out.find(line, from);
  EXPECT_NE(at, std::string::npos) << "missing \"" << line << "\" in:\n" << out;
  return at == std::string::npos ? from : at;
}

TEST(QuestEndToEnd, AFirstStartPlaysTheQuestLevelByLevel) {
  e2e::GameRun run;
  run.allowCheats();
  run.shot(e2e::kFirstStartPlay + 230, "first.png");
  run.shot(e2e::kFirstStartPlay + 1110, "second.png");
  run.recordSound("quest.wav");
  // The first player's name, PLAY and a timed quest in the main menu, the tutorial's first
  // tree visit and PLAY; then the developer's win key, Escape on the level's summary, and on
  // the next tree screen its hint read and PLAY again.
  const std::string out =
      run.run("", e2e::kFirstStartPlay + 1160, e2e::firstStartToLevel(e2e::winThenNextLevel(250)));
  EXPECT_EQ(run.exitCode(), 0) << out;
  size_t at = 0;
  for (const char* line :
       {"WHERE : MAIN-MENU", "WHERE : NEW-QUEST", "WHERE : TREE-SCREEN", "WHERE : MAIN-GAME",
        "LEVEL END : WIN-INFO", "WHERE : GET-NEXT-QUEST-LEVEL", "WHERE : TREE-SCREEN",
        "WHERE : MAIN-GAME"})
    at = findAfter(out, line, at);

  const auto first = platform::LoadPixmap(run.path("first.png"));
  const auto second = platform::LoadPixmap(run.path("second.png"));
  ASSERT_TRUE(first && second);
  // The bar shows another level number on the second level.
  EXPECT_GT(e2e::changedPixels(first, second, kLevelSlot), 20);

  // Music and effects sound all the way, and the mix never clips.
  const soundtest::Wav wav = soundtest::readWav(run.path("quest.wav"));
  ASSERT_EQ(wav.channels, 2);
  ASSERT_GE(wav.samples.size(), size_t(44100 * 2 * 13));
  int loudest = 0;
  for (int16_t sample : wav.samples) loudest = std::max(loudest, std::abs(int(sample)));
  EXPECT_LT(loudest, 32767);
  const size_t oneSecond = size_t{44100} * 2;
  // From the first whole second after the start sequence (the loading screen is quiet).
  const size_t fromSecond = size_t(run.startFrame() + 59) / 60;
  for (size_t start = fromSecond * oneSecond; start + oneSecond <= wav.samples.size();
       start += oneSecond)
    EXPECT_GT(soundtest::rmsDb(wav.samples, start, start + oneSecond), -50.0)
        << "silent second at " << start / oneSecond;
}

TEST(QuestEndToEnd, EscapeInTheMainMenuEndsTheGame) {
  e2e::GameRun run;
  run.shot(200, "late.png");  // long after the menu has faded out
  const std::string out = run.run("", 300, "30 key 27\n");
  EXPECT_EQ(run.exitCode(), 0) << out;
  EXPECT_NE(out.find("WHERE : MAIN-MENU"), std::string::npos) << out;
  EXPECT_EQ(out.find("WHERE : NEW-QUEST"), std::string::npos) << out;
  EXPECT_FALSE(platform::LoadPixmap(run.path("late.png")));
}

}  // namespace
