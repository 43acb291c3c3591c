// The quest's own level files, read from the asset folder with the game's catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "datafile/TRCMFile.h"
#include "match3/QuestAssetsFixture.h"
#include "match3/TLevelManager.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

constexpr float kTopBar = 50.0f;

using QuestLevelsTest = QuestAssetsFixture;

int idsInText(const std::string& text) {
  std::istringstream in(text);
  int count = 0;
  for (std::string part; in >> part;) ++count;
  return count;
}

void checkFitsScreen(const TLevel& level) {
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      const TTile& t = *level.tileAt(row, col);
      EXPECT_TRUE(t.x1 >= 0 && t.x2 <= 800 && t.y1 >= kTopBar && t.y2 <= 600)
          << "cell " << row << ", " << col << " at " << t.x1 << ", " << t.y1;
    }
}

void checkBorder(const TLevel& level) {
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      const bool border = row == 0 || col == 0 || row == level.rows - 1 || col == level.cols - 1;
      if (!border) continue;
      EXPECT_FALSE(level.isAvailable(row, col)) << row << ", " << col;
    }
}

// Every cell refills from a creator straight above it, through cells of the playing area.
void checkCreatorsReachEveryCell(const TLevel& level) {
  std::set<const TTile*> creators;
  for (const auto& tile : level.tileCreators) {
    EXPECT_EQ(tile->available, 1) << "creator " << tile->r << ", " << tile->c;
    creators.insert(tile.get());
  }
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      if (!level.isAvailable(row, col)) continue;
      int up = row;
      while (up >= 0 && level.isAvailable(up, col) && !creators.count(level.tileAt(up, col).get()))
        --up;
      EXPECT_TRUE(up >= 0 && level.isAvailable(up, col)) << "cell " << row << ", " << col;
    }
}

void checkCells(const TLevel& level, const TTileCatalog& catalog) {
  std::set<const TTileData*> kinds;
  for (const auto& kind : level.availableTiles) kinds.insert(kind.get());
  int plates = 0;
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      const TTile& t = *level.tileAt(row, col);
      if (!t.available) continue;
      SCOPED_TRACE(std::to_string(row) + ", " + std::to_string(col));
      ASSERT_NE(t.tileBack, nullptr);
      EXPECT_GE(t.tileBack->id, 1);
      if (t.tileBack->id > 1) ++plates;
      // Each hit must find the next plate down to the plain cell.
      for (int m = t.matches; m > 0; --m) EXPECT_NE(catalog.getTileBackByMatches(m - 1), nullptr);
      EXPECT_TRUE(kinds.count(t.td.get())) << "kind " << t.tileId();
      EXPECT_GE(t._lancuch, 0);
      EXPECT_LE(t._lancuch, 2);
    }
  EXPECT_GT(plates, 0) << "nothing to clear";
}

void checkNoReadyLine(const TLevel& level) {
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      const auto kindAt = [&](int r, int c) {
        const auto t = level.tileAt(r, c);
        return t && t->td ? t->td.get() : nullptr;
      };
      const TTileData* kind = kindAt(row, col);
      if (!kind) continue;
      EXPECT_FALSE(kindAt(row, col + 1) == kind && kindAt(row, col + 2) == kind)
          << row << ", " << col;
      EXPECT_FALSE(kindAt(row + 1, col) == kind && kindAt(row + 2, col) == kind)
          << row << ", " << col;
    }
}

}  // namespace

TEST_F(QuestLevelsTest, EveryQuestLevelIsWellFormed) {
  ASSERT_GE(manager->zestawyQuest.size(), 2u);
  const std::set<std::string> musics = {"level1", "level2", "level3", "level4", "level5"};
  for (const auto& set : manager->zestawyQuest) {
    // The day tree shows before levels 4 and 8: a set is 8 levels.
    ASSERT_EQ(set->levels.size(), 8u) << set->url;
    for (size_t n = 0; n < set->levels.size(); ++n) {
      const std::string url = set->levels[n]->url;
      SCOPED_TRACE(url);
      ASSERT_EQ(platform::FileType(url), 1);
      TRCMFile file;
      file.Load(url);
      ::testing::internal::CaptureStdout();
      const auto level = manager->loadLevel(url);
      ::testing::internal::GetCapturedStdout();
      EXPECT_EQ(level->typ, "MATCH-3");
      EXPECT_GE(level->rows, 3);
      EXPECT_GE(level->cols, 3);
      EXPECT_TRUE(musics.count(level->musicID)) << level->musicID;
      EXPECT_NE(level->backGround, nullptr);
      EXPECT_EQ(level->czas, level->maxCzas);
      // Clocks are set from the level bot's runs (scripts/check-levels); these only catch a
      // slip of the pen.
      EXPECT_GE(level->maxCzas, 45);
      EXPECT_LE(level->maxCzas, 600);
      // Every listed kind exists.
      EXPECT_EQ(level->availableTiles.size(),
                static_cast<size_t>(idsInText(file.getString("level::availableTiles", 0))));
      EXPECT_EQ(level->availableBonuses.size(),
                static_cast<size_t>(idsInText(file.getString("level::availableBonuses", 0))));
      EXPECT_GE(level->availableTiles.size(), 3u);
      EXPECT_LE(level->availableTiles.size(), 7u);
      for (const auto& kind : level->availableTiles) EXPECT_LT(kind->id, 100);
      for (const auto& kind : level->availableBonuses) EXPECT_GT(kind->id, 100);
      checkFitsScreen(*level);
      checkBorder(*level);
      checkCreatorsReachEveryCell(*level);
      checkCells(*level, *catalog);
      checkNoReadyLine(*level);
    }
  }
}

TEST_F(QuestLevelsTest, TheFirstLevelsStartGently) {
  const auto set = manager->getZestaw(-1, 1);
  ASSERT_NE(set, nullptr);
  for (int n = 1; n <= 8; ++n) {
    SCOPED_TRACE(n);
    ::testing::internal::CaptureStdout();
    const auto level = manager->QUEST_loadLevel(1, n);
    ::testing::internal::GetCapturedStdout();
    ASSERT_NE(level, nullptr);
    // Bonus kinds come from the third level on.
    EXPECT_EQ(level->availableBonuses.empty(), n < 3);
    if (n > 2) continue;
    EXPECT_LE(level->availableTiles.size(), 4u);
    for (int row = 0; row < level->rows; ++row)
      for (int col = 0; col < level->cols; ++col) {
        EXPECT_EQ(level->tileAt(row, col)->_lancuch, 0);
        EXPECT_LE(level->tileAt(row, col)->matches, 1);
      }
  }
}

namespace {

// What the quest holds, level by level in playing order.
struct QuestLevel {
  int set = 0, number = 0;
  std::shared_ptr<TLevel> level;
};

std::vector<QuestLevel> wholeQuest(TLevelManager& manager) {
  std::vector<QuestLevel> quest;
  ::testing::internal::CaptureStdout();
  for (const auto& set : manager.zestawyQuest)
    for (int n = 1; n <= int(set->levels.size()); ++n)
      quest.push_back({set->id, n, manager.QUEST_loadLevel(set->id, n)});
  ::testing::internal::GetCapturedStdout();
  return quest;
}

// The board as drawn: each cell's tileset and chain, row by row.
std::vector<std::vector<int>> drawing(const TLevel& level) {
  std::vector<std::vector<int>> cells(size_t(level.rows));
  for (int row = 0; row < level.rows; ++row)
    for (int col = 0; col < level.cols; ++col) {
      const auto tile = level.tileAt(row, col);
      cells[size_t(row)].push_back(tile->tileBackId() * 10 + tile->_lancuch);
    }
  return cells;
}

std::vector<int> bonusIds(const TLevel& level) {
  std::vector<int> ids;
  for (const auto& kind : level.availableBonuses) ids.push_back(kind->id);
  return ids;
}

}  // namespace

TEST_F(QuestLevelsTest, TheQuestBringsInEveryBonusKindOneAfterAnother) {
  const auto quest = wholeQuest(*manager);
  ASSERT_GE(quest.size(), 40u);
  std::vector<int> known;
  for (const QuestLevel& q : quest) {
    SCOPED_TRACE(std::to_string(q.set) + "-" + std::to_string(q.number));
    const std::vector<int> ids = bonusIds(*q.level);
    // What came before stays, in the same order, and at most one new kind joins it.
    ASSERT_GE(ids.size(), known.size());
    EXPECT_LE(ids.size(), known.size() + 1);
    EXPECT_TRUE(std::equal(known.begin(), known.end(), ids.begin()));
    known = ids;
  }
  std::set<int> all;
  for (const auto& kind : catalog->bonusy()) all.insert(kind->id);
  EXPECT_EQ(std::set<int>(known.begin(), known.end()), all);
}

TEST_F(QuestLevelsTest, TheSetsChangeTheirLooksAndGrowHarder) {
  const auto quest = wholeQuest(*manager);
  std::set<int> chainLevels, backgrounds;
  std::set<std::string> musics;
  bool twoLayers = false;
  size_t firstKinds = 0;
  for (size_t i = 0; i < quest.size(); ++i) {
    const QuestLevel& q = quest[i];
    const TLevel& level = *q.level;
    SCOPED_TRACE(std::to_string(q.set) + "-" + std::to_string(q.number));
    backgrounds.insert(level.backGroundId);
    musics.insert(level.musicID);
    for (int row = 0; row < level.rows; ++row)
      for (int col = 0; col < level.cols; ++col) {
        const auto tile = level.tileAt(row, col);
        if (tile->_lancuch > 0) chainLevels.insert(tile->_lancuch);
        if (tile->matches > 1) twoLayers = true;
      }
    if (q.number == 1) {
      // Each set opens with at least as many kinds as the one before.
      EXPECT_GE(level.availableTiles.size(), firstKinds);
      firstKinds = level.availableTiles.size();
    } else {
      // Within a set, no level has fewer kinds than the one before it, and the look of the
      // board changes from level to level.
      const TLevel& before = *quest[i - 1].level;
      EXPECT_GE(level.availableTiles.size(), before.availableTiles.size());
      EXPECT_NE(drawing(level), drawing(before));
    }
  }
  EXPECT_EQ(chainLevels, (std::set<int>{1, 2}));
  EXPECT_TRUE(twoLayers);
  EXPECT_EQ(backgrounds.size(), 4u);
  EXPECT_EQ(musics.size(), 5u);
}

// The tutorial's first hint points at this swap on the first level: two tiles side by side in
// the second row of plates, which makes a row of three and a column of four over five plates.
TEST_F(QuestLevelsTest, TheTutorialsFirstMoveMakesLinesOnPlates) {
  ::testing::internal::CaptureStdout();
  const auto level = manager->QUEST_loadLevel(1, 1);
  ::testing::internal::GetCapturedStdout();
  ASSERT_NE(level, nullptr);
  const auto a = level->tileAt(3, 3);
  const auto b = level->tileAt(3, 4);
  ASSERT_TRUE(a && b && a->td && b->td);
  // Before the swap neither tile stands in a line.
  EXPECT_TRUE(level->checkSimpleMatch(a).empty());
  EXPECT_TRUE(level->checkSimpleMatch(b).empty());
  std::swap(a->td, b->td);
  TLevel::TileList hit = level->checkSimpleMatch(a);
  const TLevel::TileList other = level->checkSimpleMatch(b);
  hit.insert(hit.end(), other.begin(), other.end());
  EXPECT_EQ(hit.size(), 7u);
  const auto plates = std::count_if(hit.begin(), hit.end(),
                                    [](const auto& tile) { return tile->tileBackId() > 1; });
  EXPECT_EQ(plates, 5);
}
