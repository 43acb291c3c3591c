// The screen flow's quest steps on the current profile: a new quest, the next level, a
// restart, and a lost level left for the main menu that comes back on resume.
#include <gtest/gtest.h>

#include "app/ProfileQuest.h"
#include "match3/IBoardSounds.h"
#include "match3/IMainGameOverlays.h"
#include "match3/IMainGameSounds.h"
#include "match3/IMainGameTutorial.h"
#include "match3/MainGameContext.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "player/ProfileFixture.h"

namespace {

class QuietGame : public MainGameContext, public IMainGameOverlays, public IMainGameSounds {
 public:
  explicit QuietGame(IMainGameProfile& profile) : profile_(profile) {}
  IMainGameProfile& profile() override { return profile_; }
  IMainGameOverlays& overlays() override { return *this; }
  IMainGameTutorial& tutorial() override { return tutorial_; }
  IMainGameSounds& sounds() override { return *this; }
  IBoardSounds& boardSounds() override { return boardSounds_; }
  std::string inGameMenu(TMainGame&) override { return "RESUME"; }
  std::string loseScreen(TMainGame&) override { return "MAIN-MENU-RESTART"; }
  void winScreen(TMainGame&) override {}
  void playBegin() override {}
  void playClockTick() override {}
  void playMyMusic(const std::string&) override {}

 private:
  IMainGameProfile& profile_;
  TNoTutorial tutorial_;
  TNullBoardSounds boardSounds_;
};

class ProfileQuestTest : public profiletest::ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    manager = std::make_unique<TProfileManager>(context, *this, dialogs);
    ::testing::internal::CaptureStdout();
    manager->loadProfiles();
    dialogs.names = {"Ann"};
    manager->createNewProfile(nullptr, {});
    ::testing::internal::GetCapturedStdout();
    services = std::make_unique<QuietGame>(*manager);
    game = std::make_unique<TMainGame>(context, *services);
    quest = std::make_unique<ProfileQuest>(*manager, *game);
  }
  void TearDown() override {
    quest.reset();
    game.reset();
    ProfileFixture::TearDown();
  }
  template <class Step>
  void quietly(Step step) {
    ::testing::internal::CaptureStdout();
    step();
    ::testing::internal::GetCapturedStdout();
  }

  std::unique_ptr<TProfileManager> manager;
  std::unique_ptr<QuietGame> services;
  std::unique_ptr<TMainGame> game;
  std::unique_ptr<ProfileQuest> quest;
};

TEST_F(ProfileQuestTest, LevelsFollowAndALostLevelComesBackOnResume) {
  TProfile& profile = *manager->profile;
  quietly([&] { quest->startNew(); });
  ASSERT_TRUE(game->level);
  EXPECT_EQ(game->level, profile.questLevel);
  EXPECT_EQ(profile.nrLeveluQuest, 1);

  quietly([&] { quest->prepareNextLevel(); });  // a won level
  EXPECT_EQ(profile.nrLeveluQuest, 2);
  const int secondId = game->level->id;
  const int rows = game->level->rows, cols = game->level->cols;
  EXPECT_EQ(game->level, profile.questLevel);

  // Lost, and left for the main menu: the same level is set up afresh and kept.
  game->level->czas = 0;
  quietly([&] { quest->restartCurrentLevel(); });
  EXPECT_EQ(profile.nrLeveluQuest, 2);
  EXPECT_EQ(game->level->id, secondId);
  EXPECT_GT(game->level->czas, 0);

  // The next start reads the player back and resumes that very board. (A saved board keeps no
  // level number of its own; the profile's position is the level's number.)
  auto next = std::make_unique<TProfileManager>(context, *this, dialogs);
  quietly([&] { next->loadProfiles(); });
  ASSERT_TRUE(next->profile);
  EXPECT_EQ(next->profile->nrLeveluQuest, 2);
  TMainGame otherGame(context, *services);
  ProfileQuest resumed(*next, otherGame);
  quietly([&] { resumed.resume(); });
  ASSERT_TRUE(otherGame.level);
  EXPECT_EQ(otherGame.level, next->profile->questLevel);
  EXPECT_EQ(otherGame.level->rows, rows);
  EXPECT_EQ(otherGame.level->cols, cols);
  EXPECT_EQ(next->nrLeveluQuest(), 2);
}

}  // namespace
