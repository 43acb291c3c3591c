// The real game killed without warning at many moments of a quest that saves again and
// again: after every kill the player's files read back whole, the profile with the board of
// its own save, never an empty or half-written one.
#include <gtest/gtest.h>

#include <string>

#include "datafile/TRCMFile.h"
#include "e2e/GameRun.h"
#include "match3/TLevel.h"
#include "player/ProfileFixture.h"

namespace {

class ProfileKillTest : public profiletest::ProfileFixture {};

TEST_F(ProfileKillTest, EveryKillLeavesAWholeProfile) {
  e2e::GameRun run;
  run.allowCheats();
  // Name, PLAY, the first tree visit, win, summary, the next visit, win, summary: a save at the
  // new quest, on leaving each tree screen and after each won level.
  const std::string script = e2e::firstStartToLevel(
      e2e::winThenNextLevel(250) +
      e2e::shifted("0 keydown 87\n2 keyup 87\n260 key 27\n", 250 + e2e::kNextPlayAfterWin + 250));
  profilesFolder = run.path("xdg") + "/Glimmerfir/Profiles/";
  profilesFile = profilesFolder + "profiles.dat";
  int lastStamp = 0, kills = 0;
  // Moments from the first frames to the end of a slow (sanitised, loaded) run: a fast build
  // finishes early and is cut by the first half, a slow one by the second.
  for (const char* after : {"0.2", "0.28", "0.38", "0.5", "0.65", "0.85", "1.1", "1.4", "1.9",
                            "2.6", "3.6", "5", "7", "10", "13"}) {
    SCOPED_TRACE(after);
    run.killAfter = after;
    const std::string out = run.run("", e2e::kFirstStartPlay + 1500, script);
    if (run.exitCode() != 0) ++kills;
    if (platform::FileType(profilesFile) != 1) continue;  // killed before the first save
    TProfileManager manager(context, *this, dialogs);
    ::testing::internal::CaptureStdout();
    manager.loadProfiles();
    const std::string log = ::testing::internal::GetCapturedStdout();
    if (manager.profiles.empty() && lastStamp == 0) continue;  // killed before the name was given
    ASSERT_EQ(manager.profiles.size(), 1u) << log << out;
    ASSERT_TRUE(manager.profile) << log;
    const TProfile& profile = *manager.profile;
    EXPECT_EQ(profile.name, "Ann");
    EXPECT_GE(profile.nrLeveluQuest, 1);
    EXPECT_GE(profile.saveStamp, lastStamp);  // never an older save than one already read
    lastStamp = profile.saveStamp;
    TRCMFile file(profile.url);
    if (file.getFloat("Profile::questLevel") != 0) {
      EXPECT_TRUE(profile.questLevel) << "no board of save " << profile.saveStamp << "\n" << log;
    }
    EXPECT_EQ(log.find("starts afresh"), std::string::npos) << log;
  }
  EXPECT_GT(kills, 6);  // most runs really were cut off
  EXPECT_GT(lastStamp, 3);
}

}  // namespace
