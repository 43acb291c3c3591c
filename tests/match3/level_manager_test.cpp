#include <gtest/gtest.h>

#include "CatalogFixture.h"
#include "match3/TLevelManager.h"
#include "platform/files.h"

namespace {

// The fixture quest list names its files relative to tests/data/match3.
class LevelManagerTest : public CatalogFixture {
 protected:
  void SetUp() override {
    CatalogFixture::SetUp();
    ASSERT_TRUE(platform::ChangeDir(data("")));
    manager = std::make_unique<TLevelManager>(catalog);
    capturedStdout([&] {
      manager->_setupQuestSets("quest/zestawy.dat");
      manager->_setupFreeSets();
      manager->_setupLevelsData();
    });
  }

  std::unique_ptr<TLevelManager> manager;
};

}  // namespace

TEST_F(LevelManagerTest, QuestSetsListTheirLevelsInOrder) {
  ASSERT_EQ(manager->zestawyQuest.size(), 2u);
  EXPECT_EQ(manager->zestawyQuest[0]->id, 7);
  EXPECT_EQ(manager->zestawyQuest[0]->url, "quest/set7.dat");
  ASSERT_EQ(manager->zestawyQuest[0]->levels.size(), 2u);
  EXPECT_EQ(manager->zestawyQuest[0]->levels[1]->url, "level-basic.lvl");
  for (const auto& folder : manager->zestawyFree) EXPECT_TRUE(folder.empty());
}

TEST_F(LevelManagerTest, SetsAndLevelsAreFoundByIdAndPosition) {
  // Sets are found by their id, not by their place in the list.
  EXPECT_EQ(manager->getZestaw(-1, 3), manager->zestawyQuest[1]);
  EXPECT_EQ(manager->getZestaw(-1, 7), manager->zestawyQuest[0]);
  struct Case {
    int folder, set, n;
    const char* id;  // null: no such level
  };
  const Case cases[] = {
      {-1, 7, 1, "7-1"},   {-1, 7, 2, "7-2"},   {-1, 3, 1, "3-1"},  {-1, 7, 0, nullptr},
      {-1, 7, 3, nullptr}, {-1, 1, 1, nullptr}, {0, 7, 1, nullptr}, {2, 7, 1, nullptr},
      {3, 7, 1, nullptr},  {-2, 7, 1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.folder) + " " + std::to_string(c.set) + " " +
                 std::to_string(c.n));
    const auto data = manager->getLevelDataFromSet(c.folder, c.set, c.n);
    if (!c.id) {
      EXPECT_EQ(data, nullptr);
      continue;
    }
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->id, c.id);
  }
}

TEST_F(LevelManagerTest, QuestLevelsLoadOnTheScreenCentre) {
  std::shared_ptr<TLevel> level;
  capturedStdout([&] { level = manager->QUEST_loadLevel(7, 2); });
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->id, 4);
  // Centre (400, 340) of the 800 x 600 picture: 6 columns, 5 rows of 42 px.
  EXPECT_FLOAT_EQ(level->levelX, 400.0f - 5 * 21.0f);
  EXPECT_FLOAT_EQ(level->levelY, 340.0f - 5 * 21.0f);

  std::string out = capturedStdout([&] { level = manager->QUEST_loadLevel(7, 3); });
  EXPECT_EQ(level, nullptr);
  EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
}

TEST_F(LevelManagerTest, MissingQuestListGivesNoSets) {
  capturedStdout([&] { manager->_setupQuestSets("quest/none.dat"); });
  EXPECT_TRUE(manager->zestawyQuest.empty());
  EXPECT_EQ(manager->getZestaw(-1, 7), nullptr);
}
