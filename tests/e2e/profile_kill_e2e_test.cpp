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
  // Name, PLAY, win, summary, PLAY, win, summary: a save at the new quest, on leaving each
  // tree screen and after each won level.
  const std::string script =
      "30 key 13\n80 char \"Ann\"\n100 key 13\n"
      "200 move 730 550\n201 press 1\n203 release 1\n400 keydown 87\n402 keyup 87\n"
      "660 key 27\n800 press 1\n802 release 1\n900 press 1\n902 release 1\n"
      "1100 keydown 87\n1102 keyup 87\n1360 key 27\n";
  profilesFolder = run.path("xdg") + "/Glimmerfir/Profiles/";
  profilesFile = profilesFolder + "profiles.dat";
  int lastStamp = 0, kills = 0;
  for (const char* after : {"0.2", "0.27", "0.34", "0.41", "0.48", "0.55", "0.62", "0.69", "0.76",
                            "0.83", "0.9", "1.0"}) {
    SCOPED_TRACE(after);
    run.killAfter = after;
    const std::string out = run.run("", 1500, script);
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
