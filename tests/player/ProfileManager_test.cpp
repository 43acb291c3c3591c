#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "datafile/TRCMFile.h"
#include "player/ProfileFixture.h"

namespace {

using profiletest::ProfileFixture;
using testsupport::ReadFile;

class ProfileManagerTest : public ProfileFixture {
 protected:
  // A manager as a fresh start of the game has it, with its list read.
  std::unique_ptr<TProfileManager> start() {
    auto m = std::make_unique<TProfileManager>(context, *this, dialogs);
    ::testing::internal::CaptureStdout();
    m->loadProfiles();
    ::testing::internal::GetCapturedStdout();
    return m;
  }
  // Adds players through the dialog's NEW and confirms with OK.
  void addPlayers(TProfileManager& m, std::initializer_list<const char*> names) {
    m.prepare();
    for (const char* n : names) {
      dialogs.names.push_back(n);
      m.goNEW();
    }
    m.goOK();
  }
  std::vector<std::string> savedNames() {
    TRCMFile list(profilesFile);
    std::vector<std::string> names;
    for (int k = 1; k <= int(list.getFloat("Profiles::i")); ++k)
      names.push_back(list.getString("Profiles::Profile" + std::to_string(k)));
    return names;
  }
};

TEST_F(ProfileManagerTest, AQuitBeforeTheListIsReadLeavesItAlone) {
  addPlayers(*start(), {"Holly", "Ivy"});
  const std::string before = ReadFile(profilesFile);
  // The game closed while it was still loading: the manager has not read the list yet.
  TProfileManager loading(context, *this, dialogs);
  EXPECT_TRUE(loading.saveAll());
  EXPECT_EQ(ReadFile(profilesFile), before);
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"Holly", "Ivy"}));
}

TEST_F(ProfileManagerTest, APlayerWhoseProfileFileIsLostStaysTheCurrentPlayer) {
  addPlayers(*start(), {"Holly"});
  auto m = start();
  ASSERT_TRUE(m->profile);
  const std::string url = m->profile->url;
  std::filesystem::remove(url);
  std::filesystem::remove(url + ".bak");
  // The list still names her: her name stays with her, and a save keeps her the current one.
  auto lost = start();
  ASSERT_TRUE(lost->profile);
  EXPECT_EQ(lost->profile->name, "Holly");
  EXPECT_TRUE(lost->saveAll());
  auto next = start();
  ASSERT_TRUE(next->profile);
  EXPECT_EQ(next->profile->name, "Holly");
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"Holly"}));
}

TEST_F(ProfileManagerTest, AListEntryWithoutANameIsNoPlayer) {
  addPlayers(*start(), {"Holly"});
  // A damaged list: the current player's id is lost and an unnamed entry comes first.
  testsupport::WriteFile(profilesFile,
                         "Profiles {\n\ti = 2\n\tActProfile = \"1-\"\n\tProfile1 = \"\", \"\"\n"
                         "\tProfile2 = \"Holly\", \"72-79-76-76-89-\"\n}\n");
  auto m = start();
  ASSERT_EQ(m->profiles.size(), 1u);
  ASSERT_TRUE(m->profile) << "the first real player becomes the current one";
  EXPECT_EQ(m->profile->name, "Holly");
  EXPECT_TRUE(m->saveAll());
  auto next = start();
  ASSERT_TRUE(next->profile);
  EXPECT_EQ(next->profile->name, "Holly");
}

TEST_F(ProfileManagerTest, FirstStartWritesAnEmptyListThenAsksForTheFirstPlayer) {
  auto m = start();
  EXPECT_FALSE(m->profile);
  TRCMFile list(profilesFile);
  EXPECT_EQ(list.getFloat("Profiles::i"), 0.0f);
  EXPECT_NE(ReadFile(profilesFile).find("i = 0"), std::string::npos);
  EXPECT_EQ(list.getString("Profiles::ActProfile"), "NULL");

  // Escape on the name entry of a first start cannot leave the game without a player.
  dialogs.names = {"//", "Ann"};
  m->createNewProfile(nullptr, {});
  EXPECT_EQ(dialogs.asked, 2);
  ASSERT_TRUE(m->profile);
  EXPECT_EQ(m->profile->stars, 10);
  EXPECT_EQ(m->profile->nrZestawuQuest, 1);
  EXPECT_EQ(m->profile->nrLeveluQuest, 1);
  EXPECT_EQ(m->profile->canResumeQuest(), 0);
  TRCMFile saved(profilesFile);
  EXPECT_EQ(saved.getString("Profiles::ActProfile"), "65-78-78-");
  EXPECT_EQ(saved.getString("Profiles::Profile1", 1), "65-78-78-");
  EXPECT_EQ(platform::FileType(profilesFolder + "65-78-78-/profile.dat"), 1);

  // The next start finds Ann again.
  auto next = start();
  ASSERT_TRUE(next->profile);
  EXPECT_EQ(next->profile->name, "Ann");
  EXPECT_EQ(next->profile->stars, 10);
}

TEST_F(ProfileManagerTest, RowsScrollWithinTheList) {
  auto m = start();
  addPlayers(*m, {"A", "B", "C", "D"});
  m->prepare();
  m->UP();
  EXPECT_EQ(m->startN, 0);  // four players fit
  addPlayers(*m, {"E", "F"});
  m->prepare();
  const int expected[] = {1, 2, 2};
  for (int e : expected) {
    m->UP();
    EXPECT_EQ(m->startN, e);
  }
  m->DOWN();
  m->DOWN();
  m->DOWN();
  EXPECT_EQ(m->startN, 0);
  // The rows under the pointer: row r is 24 pixels from y 200.
  EXPECT_EQ(m->rowAt(310, 200), 0);
  EXPECT_EQ(m->rowAt(578, 295), 3);
  EXPECT_EQ(m->rowAt(308, 200), -1);
  EXPECT_EQ(m->rowAt(400, 296), -1);
}

TEST_F(ProfileManagerTest, DeletingThePickedPlayerPicksTheFirstAndOkSavesTheList) {
  auto m = start();
  addPlayers(*m, {"Ann", "Bob", "Cid"});
  EXPECT_EQ(m->profile->name, "Cid");
  m->prepare();
  ASSERT_EQ(m->clicked, m->_profile);
  m->goDELETE();
  ASSERT_TRUE(m->_profile);
  EXPECT_EQ(m->_profile->name, "Ann");
  EXPECT_EQ(m->clicked, m->_profile);
  m->goOK();
  EXPECT_EQ(m->profile->name, "Ann");
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"Ann", "Bob"}));
  // The deleted player's files stay on disk.
  EXPECT_EQ(platform::FileType(profilesFolder + "67-73-68-/profile.dat"), 1);

  // The last player cannot be deleted.
  m->prepare();
  m->goDELETE();
  m->goDELETE();
  EXPECT_EQ(m->_profilesList.size(), 1u);
}

TEST_F(ProfileManagerTest, RenameKeepsThePlayersProgressAndCancelKeepsTheOldNames) {
  auto m = start();
  addPlayers(*m, {"Ann"});
  m->profile->stars = 77;
  m->saveAll();

  m->prepare();
  dialogs.names = {"Anna"};
  m->goRENAME();
  m->goCANCEL();
  EXPECT_EQ(savedNames(), std::vector<std::string>{"Ann"});

  m->prepare();
  dialogs.names = {"Anna"};
  m->goRENAME();
  m->goOK();
  EXPECT_EQ(savedNames(), std::vector<std::string>{"Anna"});
  auto next = start();
  ASSERT_TRUE(next->profile);
  EXPECT_EQ(next->profile->name, "Anna");
  EXPECT_EQ(next->profile->stars, 77);  // still read from the folder made for Ann
}

TEST_F(ProfileManagerTest, ColoursTellTheRowsApart) {
  auto m = start();
  addPlayers(*m, {"Ann", "Bob", "Cid"});
  m->prepare();
  const TProfileData* picked = m->_profile.get();
  const TProfileData* other = m->_profilesList[0].get();
  m->clicked = nullptr;
  EXPECT_EQ(m->rowColour(picked).b, 250);  // the current player
  m->clicked = m->_profile;
  EXPECT_EQ(m->rowColour(picked).r, 255);  // current and chosen
  m->over = m->_profilesList[0];
  EXPECT_EQ(m->rowColour(other).g, 255);  // under the pointer only: white
  EXPECT_EQ(m->rowColour(other).b, 255);
  m->clicked = m->over;
  EXPECT_EQ(m->rowColour(other).b, 0);  // under the pointer and chosen: yellow
  m->over = nullptr;
  EXPECT_EQ(m->rowColour(other).r, 0);  // chosen only: green
  EXPECT_EQ(m->rowColour(m->_profilesList[1].get()).r, 200);
}

TEST_F(ProfileManagerTest, NewPlayerStaysOnTheListWhenTheDialogIsCancelled) {
  auto m = start();
  addPlayers(*m, {"Ann"});
  m->prepare();
  dialogs.names = {"Bob"};
  m->goNEW();
  m->goCANCEL();
  EXPECT_EQ(m->profile->name, "Bob");
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"Ann", "Bob"}));
}

TEST_F(ProfileManagerTest, NamesDifferingOnlyInCaseAreRefused) {
  auto m = start();
  addPlayers(*m, {"Ann", "Bob"});
  m->prepare();
  ::testing::internal::CaptureStdout();
  dialogs.names = {"ANN"};
  m->goNEW();
  m->clicked = m->_profilesList[1];  // Bob
  dialogs.names = {"ann"};
  m->goRENAME();
  const std::string said = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(m->_profilesList.size(), 2u);
  EXPECT_EQ(m->_profilesList[1]->name, "Bob");
  EXPECT_NE(said.find("There is a player called Ann already"), std::string::npos) << said;
  // A player may change the case of their own name.
  m->clicked = m->_profilesList[0];
  dialogs.names = {"ANN"};
  m->goRENAME();
  EXPECT_EQ(m->_profilesList[0]->name, "ANN");
}

TEST_F(ProfileManagerTest, DamagedListIsReadFromItsKeptCopy) {
  auto m = start();
  addPlayers(*m, {"Ann", "Bob"});
  m->saveAll();  // the list of two is now also the kept copy
  testsupport::WriteFile(profilesFile, "Profiles {\n\ti = 2");  // cut short
  auto next = start();
  ASSERT_EQ(next->profiles.size(), 2u);
  ASSERT_TRUE(next->profile);
  EXPECT_EQ(next->profile->name, "Bob");
}

TEST_F(ProfileManagerTest, FailedSaveIsReportedOnce) {
  auto m = start();
  addPlayers(*m, {"Ann"});
  // A folder where the list file should be: nothing can replace it.
  std::filesystem::remove(profilesFile);
  platform::CreateDir(profilesFile);
  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(m->saveAll());
  EXPECT_FALSE(m->saveAll());
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Napotkano problem : could not save the list of players"), std::string::npos)
      << out;
  // One message to the player, however often it fails.
  size_t notices = 0;
  for (size_t at = out.find("could not be saved"); at != std::string::npos;
       at = out.find("could not be saved", at + 1))
    ++notices;
  EXPECT_EQ(notices, 1u) << out;
}

}  // namespace

namespace {

// The dialog over the title card's night sky, as a player sees it, kept in the preview folder.
TEST_F(ProfileManagerTest, DialogShowsTheRowsInTheirColours) {
  auto m = start();
  addPlayers(*m, {"Ann", "Bob", "Cid", "Dora", "Eve"});
  ::testing::internal::CaptureStdout();
  m->setup();
  ::testing::internal::GetCapturedStdout();
  m->prepare();
  m->clicked = m->_profilesList[1];
  platform::SetAlwaysRender(true);
  for (int f = 0; f < 40; ++f) {
    platform::SetClsColor(0x14, 0x26, 0x4F);
    platform::Cls();
    m->update();
    m->draw();
    platform::Flip(-1);
  }
  EXPECT_EQ(m->alpha, 1.0f);
  // Somewhere along each of the four rows the name's letters show.
  for (int r = 0; r < TProfileManager::kRows; ++r) {
    int lit = 0;
    for (int x = 400; x < 490; ++x)
      for (int y = 204 + 24 * r; y < 220 + 24 * r; ++y) {
        const uint32_t c = platform::ScreenPixel(x, y);
        lit += std::max({c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF}) > 0xC0 ? 1 : 0;
      }
    EXPECT_GT(lit, 10) << "row " << r;
  }
  std::filesystem::create_directories(GLIMMERFIR_PREVIEW_DIR);
  platform::SaveScreenshot(std::string(GLIMMERFIR_PREVIEW_DIR) + "/profile-manager-rows.png");
  platform::SetAlwaysRender(false);
}

}  // namespace
