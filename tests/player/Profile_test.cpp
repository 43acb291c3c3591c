#include <gtest/gtest.h>

#include <filesystem>

#include "datafile/TRCMFile.h"
#include "match3/TLevel.h"
#include "player/ProfileFixture.h"
#include "tree/DecorationFactory.h"
#include "tree/TBombkaData.h"
#include "tree/TOzdobkaData.h"

namespace {

using profiletest::ProfileFixture;
using testsupport::ReadFile;
using testsupport::WriteFile;

class ProfileTest : public ProfileFixture {
 protected:
  TProfilePtr freshProfile(const std::string& name) {
    auto entry = createProfileData(name, TProfileData(name, "").getMyID());
    auto profile = std::make_shared<TProfile>(*this);
    profile->name = name;
    profile->url = entry->url;
    return profile;
  }
  TProfilePtr reload(const TProfile& profile) {
    ::testing::internal::CaptureStdout();
    auto again = loadProfile(TProfileData(profile.name, profile.url), *this);
    log = ::testing::internal::GetCapturedStdout();
    return again;
  }
  std::string log;
};

TEST_F(ProfileTest, IdSpellsTheUpperCasedNameInCodeUnits) {
  const struct {
    const char* name;
    const char* id;
  } cases[] = {{"Ann", "65-78-78-"}, {"ann", "65-78-78-"}, {"Bob7", "66-79-66-55-"}, {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(TProfileData(c.name, "").getMyID(), c.id) << c.name;
  // A damaged list cannot send a profile's folder elsewhere: the id is taken from the name.
  const auto entry = createProfileData("Ann", "../../elsewhere");
  EXPECT_EQ(entry->url, profilesFolder + "65-78-78-/profile.dat");
  EXPECT_EQ(platform::FileType(profilesFolder + "65-78-78-"), 2);
}

TEST_F(ProfileTest, SavedProfileReadsBackWithItsLevelAndEveryKindOfDecoration) {
  auto profile = freshProfile("Ann");
  profile->QUEST_startNew();
  profile->QUEST_getLevelAndZestaw();
  ASSERT_TRUE(profile->questLevel);
  profile->questLevel->czas = 123;  // the seconds left
  profile->stars = 37;
  profile->score = 1234;
  profile->mode = 1;
  profile->hintsDone = {1, 0, 1};
  profile->addObject(createBombka(shopCatalogue.getBombkaData(3), 345, 210));
  profile->addObject(createOzdobka(shopCatalogue.getOzdobkaData(9), 458, 100));
  profile->addObject(createLampka(shopCatalogue.getLampkaData(2), 400.75f, 300));
  profile->addObject(createDekor(shopCatalogue.getDekorData(5), 520, 545));
  profile->addObject(createLancuch(shopCatalogue.getLancuchData(1), 380, 250, 470, 262));
  ASSERT_TRUE(profile->save());
  EXPECT_NE(ReadFile(profile->url).find("elm1 = \"3\", \"BOMBKA\", \"345.000000 210.000000\""),
            std::string::npos)
      << ReadFile(profile->url);

  const auto again = reload(*profile);
  EXPECT_EQ(again->name, "Ann");
  EXPECT_EQ(again->stars, 37);
  EXPECT_EQ(again->score, 1234);
  EXPECT_EQ(again->mode, 1);
  EXPECT_EQ(again->hintsDone, profile->hintsDone);
  EXPECT_EQ(again->nrZestawuQuest, 1);
  EXPECT_EQ(again->nrLeveluQuest, 1);
  ASSERT_TRUE(again->questLevel);
  EXPECT_FLOAT_EQ(again->questLevel->czas, 123);
  EXPECT_EQ(again->canResumeQuest(), 1);
  ASSERT_EQ(again->all.size(), 5u);
  const char* kinds[] = {"BOMBKA", "OZDOBA", "LAMPKA", "DEKOR", "LANCUCH"};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(again->all[i]->data, profile->all[i]->data) << kinds[i];
    EXPECT_EQ(again->all[i]->data->typ, kinds[i]);
  }
  EXPECT_FLOAT_EQ(again->all[0]->x, 345);
  EXPECT_FLOAT_EQ(again->all[0]->y, 210);
  EXPECT_FLOAT_EQ(again->all[2]->x, 400);  // positions come back as whole pixels
  EXPECT_EQ(again->all[4]->getPosString(), profile->all[4]->getPosString());
}

TEST_F(ProfileTest, QuestRunsThroughTheSetsAndStartsOverAfterTheLast) {
  auto profile = freshProfile("Ann");
  profile->QUEST_startNew();
  EXPECT_EQ(profile->stars, 10);
  EXPECT_EQ(profile->canResumeQuest(), 0);
  profile->QUEST_getLevelAndZestaw();
  ASSERT_TRUE(profile->zestawQuest);
  const int levelsInSet = int(profile->zestawQuest->levels.size());
  profile->nrLeveluQuest = levelsInSet;
  profile->QUEST_nextLevel();
  EXPECT_EQ(profile->nrZestawuQuest, 2);
  EXPECT_EQ(profile->nrLeveluQuest, 1);
  ASSERT_TRUE(profile->questLevel);

  const int sets = int(levelManager.zestawyQuest.size());
  profile->nrZestawuQuest = sets;
  profile->QUEST_getLevelAndZestaw();
  profile->nrLeveluQuest = int(profile->zestawQuest->levels.size());
  profile->stars = 500;
  profile->score = 90000;
  profile->addObject(createBombka(shopCatalogue.getBombkaData(1), 300, 300));
  profile->QUEST_nextLevel();
  EXPECT_EQ(profile->nrZestawuQuest, 1);
  EXPECT_EQ(profile->nrLeveluQuest, 1);
  EXPECT_EQ(profile->stars, 10);
  EXPECT_EQ(profile->score, 0);
  EXPECT_TRUE(profile->all.empty());
  EXPECT_TRUE(profile->questLevel);
}

TEST_F(ProfileTest, DamagedFilesReadAsFarAsTheyGo) {
  auto profile = freshProfile("Ann");
  profile->stars = 21;
  ASSERT_TRUE(profile->save());  // the first save has nothing to keep
  profile->stars = 22;
  ASSERT_TRUE(profile->save());  // keeps the file of the first as the good copy
  EXPECT_NE(ReadFile(profile->url + ".bak").find("stars = 21"), std::string::npos);

  // A profile file cut short: the kept copy is read instead, and the log says so.
  WriteFile(profile->url, "profile {\n\tname = \"An");
  EXPECT_EQ(reload(*profile)->stars, 21);
  EXPECT_NE(log.find("damaged"), std::string::npos) << log;

  // A tree with an unknown kind, an id no product has, a count beyond the list and a position
  // that is not numbers.
  WriteFile(profile->url,
            "profile {\n\tname = \"Ann\"\n\tstars = 5.00000000\n\tchoinka {\n\t\ti = 1e10\n"
            "\t\telm1 = \"1\", \"BOMBKA\", \"10.000000 20.000000\"\n"
            "\t\telm2 = \"1\", \"ROCKET\", \"10.000000 20.000000\"\n"
            "\t\telm3 = \"999\", \"LAMPKA\", \"10.000000 20.000000\"\n"
            "\t\telm4 = \"2\", \"bombka\", \"x y\"\n"
            "\t}\n}\n");
  const auto tree = reload(*profile);
  EXPECT_EQ(tree->stars, 5);
  ASSERT_EQ(tree->all.size(), 2u);
  EXPECT_FLOAT_EQ(tree->all[0]->y, 20);
  EXPECT_FLOAT_EQ(tree->all[1]->x, 0);
  EXPECT_NE(log.find("LAMPKA 999"), std::string::npos) << log;

  // A name line whose quotes are out of place (no name entry can type one) reads without
  // them, so the name a save writes is the name read back.
  WriteFile(profile->url, "profile {\n\tname =OBAnn\", \"Lee\n\tstars = 3\n}\n");
  const auto quoted = reload(*profile);
  EXPECT_EQ(quoted->name.find('"'), std::string::npos) << quoted->name;
  ASSERT_TRUE(quoted->save());
  EXPECT_EQ(reload(*quoted)->name, quoted->name);

  // No file at all: an empty profile.
  const auto none =
      loadProfile(TProfileData("Zed", profilesFolder + "90-69-68-/profile.dat"), *this);
  EXPECT_EQ(none->stars, 0);
  EXPECT_TRUE(none->all.empty());
  EXPECT_FALSE(none->questLevel);
}

}  // namespace

namespace {

class ProfileSaveTest : public ProfileTest {
 protected:
  // Two saves of the same player with different boards: stars and the clock tell them apart.
  void twoSaves() {
    profile = freshProfile("Ann");
    profile->QUEST_startNew();
    profile->QUEST_getLevelAndZestaw();
    profile->stars = 11;
    profile->questLevel->czas = 111;
    ASSERT_TRUE(profile->save());
    profile->stars = 22;
    profile->questLevel->czas = 222;
    ASSERT_TRUE(profile->save());
    level = profile->folder() + "/questlevel.lvl";
  }
  void expectState(int stars, float czas) {
    const auto again = reload(*profile);
    EXPECT_EQ(again->stars, stars);
    ASSERT_TRUE(again->questLevel) << log;
    EXPECT_FLOAT_EQ(again->questLevel->czas, czas);
  }
  TProfilePtr profile;
  std::string level;
};

TEST_F(ProfileSaveTest, AProfileIsNeverReadWithTheBoardOfAnotherSave) {
  twoSaves();
  expectState(22, 222);
  const std::string newLevel = ReadFile(level), oldLevel = ReadFile(level + ".bak");
  const std::string newProfile = ReadFile(profile->url),
                    oldProfile = ReadFile(profile->url + ".bak");

  // Stopped after the board was written beside its file, before the profile: the old save.
  WriteFile(level + ".next", newLevel);
  WriteFile(level, oldLevel);
  WriteFile(profile->url, oldProfile);
  expectState(11, 111);
  // Stopped after the profile, before the board took its place: the new save.
  WriteFile(profile->url, newProfile);
  expectState(22, 222);
  // The profile file lost: its kept copy, with the board of that save.
  std::filesystem::remove(level + ".next");
  WriteFile(level, newLevel);
  WriteFile(profile->url, "");
  expectState(11, 111);
  // No board of that save anywhere: the level starts afresh from its level file.
  std::filesystem::remove(level + ".bak");
  const auto fresh = reload(*profile);
  EXPECT_FALSE(fresh->questLevel);
  EXPECT_NE(log.find("starts afresh"), std::string::npos) << log;
}

}  // namespace
