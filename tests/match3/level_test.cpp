#include <gtest/gtest.h>

#include "CatalogFixture.h"
#include "datafile/TRCMFile.h"
#include "match3/TLevel.h"
#include "platform/platform.h"

namespace {

using LevelTest = CatalogFixture;

std::vector<int> ids(const std::vector<std::shared_ptr<TTileData>>& kinds) {
  std::vector<int> out;
  out.reserve(kinds.size());
  for (const auto& kind : kinds) out.push_back(kind ? kind->id : -1);
  return out;
}

// One row of a grid property, as ints, for compact comparisons.
template <typename Get>
std::vector<int> rowOf(const TLevel& level, int row, Get get) {
  std::vector<int> out;
  out.reserve(static_cast<size_t>(level.cols));
  for (int col = 0; col < level.cols; ++col) out.push_back(get(*level.tileAt(row, col)));
  return out;
}

std::vector<std::pair<int, int>> creatorCells(const TLevel& level) {
  std::vector<std::pair<int, int>> out;
  out.reserve(level.tileCreators.size());
  for (const auto& tile : level.tileCreators)
    out.emplace_back(static_cast<int>(tile->r), static_cast<int>(tile->c));
  return out;
}

std::shared_ptr<TLevel> quietLoad(const std::string& path,
                                  const std::shared_ptr<TTileCatalog>& catalog) {
  std::shared_ptr<TLevel> level;
  capturedStdout([&] { level = loadLevel(path, catalog); });
  return level;
}

// A grid of plain cells, placed by the geometry step.
std::shared_ptr<TLevel> plainLevel(int rows, int cols,
                                   const std::shared_ptr<TTileCatalog>& catalog) {
  auto level = std::make_shared<TLevel>(catalog);
  level->rows = rows;
  level->cols = cols;
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col)
      level->gameField[row][col] = std::make_shared<TTile>(level.get());
  level->countMaths(200, 120);
  return level;
}

}  // namespace

TEST_F(LevelTest, LoadsTheBoardKindsCreatorsAndClock) {
  const auto level = quietLoad(data("level-basic.lvl"), catalog);
  // Keys and the type text are case-free on reading.
  EXPECT_EQ(level->typ, "MATCH-3");
  EXPECT_EQ(level->id, 4);
  EXPECT_EQ(level->url, "data/levels/basic.lvl");
  EXPECT_EQ(level->musicID, "level2");
  EXPECT_EQ(level->backGroundId, 1);
  EXPECT_EQ(level->backGround, catalog->getBackground(1));
  EXPECT_EQ(level->czas, 200);
  EXPECT_EQ(level->maxCzas, 240);
  // Stars and points of a saved level are not read back.
  EXPECT_EQ(level->starsCollected, 0);
  EXPECT_EQ(level->scoreCollected, 0);
  // Kinds in file order; the unknown kind 9 and bonus 999 are left out.
  EXPECT_EQ(ids(level->availableTiles), (std::vector<int>{2, 1}));
  EXPECT_EQ(ids(level->availableBonuses), (std::vector<int>{105, 100}));

  ASSERT_EQ(level->rows, 5);
  ASSERT_EQ(level->cols, 6);
  auto available = [](const TTile& t) { return t.available; };
  auto kind = [](const TTile& t) { return t.tileId(); };
  auto plate = [](const TTile& t) { return t.tileBackId(); };
  auto chain = [](const TTile& t) { return t._lancuch; };
  auto matches = [](const TTile& t) { return t.matches; };
  EXPECT_EQ(rowOf(*level, 0, available), (std::vector<int>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(rowOf(*level, 1, available), (std::vector<int>{0, 1, 1, 1, 1, 0}));
  EXPECT_EQ(rowOf(*level, 3, available), (std::vector<int>{0, 1, 1, 1, 0, 0}));
  EXPECT_EQ(rowOf(*level, 1, kind), (std::vector<int>{0, 1, 2, 1, 105, 0}));
  // A kind on a no-cell is dropped; 0 is an empty cell.
  EXPECT_EQ(rowOf(*level, 3, kind), (std::vector<int>{0, 1, 2, 1, 0, 0}));
  EXPECT_EQ(rowOf(*level, 2, kind), (std::vector<int>{0, 2, 0, 2, 1, 0}));
  EXPECT_EQ(level->tileAt(1, 4)->td, catalog->getBonus(105));
  // Every cell gets its tileset, the no-cell one included.
  EXPECT_EQ(rowOf(*level, 1, plate), (std::vector<int>{0, 1, 2, 4, 1, 0}));
  EXPECT_EQ(level->tileAt(0, 0)->tileBack, catalog->getTileBack(0));
  EXPECT_EQ(rowOf(*level, 1, matches), (std::vector<int>{0, 0, 1, 2, 0, 0}));
  EXPECT_EQ(rowOf(*level, 1, chain), (std::vector<int>{0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(rowOf(*level, 2, chain), (std::vector<int>{0, 2, 0, 0, 0, 0}));
  EXPECT_EQ(level->tileAt(2, 3)->_parent, level.get());
  EXPECT_EQ(level->tileAt(2, 3)->size, 2);
  EXPECT_EQ(creatorCells(*level), (std::vector<std::pair<int, int>>{{1, 4}, {1, 1}, {2, 3}}));
  EXPECT_EQ(level->tileCreators[1], level->tileAt(1, 1));
  // The frame rule reads the loaded playing area.
  EXPECT_EQ(framePieces(level->cellMask(), 3, 3, FramePass::Outer),
            (std::vector<TFramePiece>{{3, 3, 4}, {4, 4, 3}, {7, 4, 4}}));
}

TEST_F(LevelTest, GeometryOfTenColumnsAndNineRows) {
  const auto level = plainLevel(9, 10, catalog);
  EXPECT_FLOAT_EQ(level->levelW, 378.0f);
  EXPECT_FLOAT_EQ(level->levelH, 378.0f);
  EXPECT_FLOAT_EQ(level->levelX, 211.0f);
  EXPECT_FLOAT_EQ(level->levelY, 151.0f);
  EXPECT_EQ(level->WWW, 640);
  EXPECT_EQ(level->HHH, 576);
  EXPECT_EQ(level->screenW, 768);
  EXPECT_EQ(level->screenH, 704);
  EXPECT_FLOAT_EQ(level->mX, 200.0f);

  const TTile& first = *level->tileAt(0, 0);
  EXPECT_FLOAT_EQ(first.x, 211.0f);
  EXPECT_FLOAT_EQ(first.constY, 151.0f);
  EXPECT_FLOAT_EQ(first.x1, 190.0f);
  EXPECT_FLOAT_EQ(first.y2, 172.0f);
  EXPECT_FLOAT_EQ(first.constS, 1.0f);
  const TTile& last = *level->tileAt(8, 9);
  EXPECT_FLOAT_EQ(last.constX, 589.0f);
  EXPECT_FLOAT_EQ(last.y, 487.0f);
  EXPECT_FLOAT_EQ(last.w, 42.0f);

  const auto dim = level->_countSingleTilePosition(*level->tileAt(2, 3));
  EXPECT_FLOAT_EQ(dim->x, 211 + 3 * 42 - 21);
  EXPECT_FLOAT_EQ(dim->y, 151 + 2 * 42 - 21);
  EXPECT_FLOAT_EQ(dim->w, 42);
  EXPECT_FLOAT_EQ(dim->h, 42);
}

TEST_F(LevelTest, CellPitchComesFromTileKindOne) {
  auto wide = std::make_shared<TTileCatalog>();
  capturedStdout([&] { wide->loadTiles(data("tiles-wide.dat")); });
  // Its 42 px picture is 50 x 46.
  const auto level = plainLevel(9, 10, wide);
  EXPECT_FLOAT_EQ(level->levelW, 9 * 50.0f);
  EXPECT_FLOAT_EQ(level->levelH, 9 * 46.0f);
  EXPECT_FLOAT_EQ(level->levelX, 400.0f - 225.0f);
  EXPECT_FLOAT_EQ(level->levelY, 340.0f - 207.0f);
  EXPECT_FLOAT_EQ(level->tileAt(1, 1)->x2, 175.0f + 50.0f + 25.0f);
}

TEST_F(LevelTest, NewLevelIsABorderedPlainBoard) {
  const auto level = newLevel(5, 12, 10, 20, catalog);
  ASSERT_EQ(level->rows, 10);
  ASSERT_EQ(level->cols, 14);
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col) {
      const auto tile = level->tileAt(row, col);
      ASSERT_NE(tile, nullptr);
      const bool border = row == 0 || col == 0 || row == 9 || col == 13;
      EXPECT_EQ(tile->available, border ? 0 : 1) << row << ", " << col;
      EXPECT_EQ(tile->tileBackId(), border ? 0 : 1) << row << ", " << col;
      EXPECT_FLOAT_EQ(tile->backS, 1.0f);
      EXPECT_EQ(tile->td, nullptr);
    }
  EXPECT_EQ(level->czas, 360);
  EXPECT_EQ(level->maxCzas, 360);
  ASSERT_EQ(level->backGround, catalog->getBackground(1));
  EXPECT_NE(level->backGround->img, nullptr);

  struct Case {
    int rows, cols, gotRows, gotCols;
  };
  for (const Case& c : {Case{8, 8, 10, 10}, Case{0, 7, 10, 10}, Case{60, 90, 52, 52}}) {
    const auto sized = newLevel(c.rows, c.cols, 0, 0, catalog);
    EXPECT_EQ(sized->rows, c.gotRows) << c.rows;
    EXPECT_EQ(sized->cols, c.gotCols) << c.cols;
  }
}

TEST_F(LevelTest, SaveAndLoadKeepTheBoard) {
  auto level = quietLoad(data("level-basic.lvl"), catalog);
  level->czas = 123;
  level->starsCollected = 7;
  level->scoreCollected = 250;
  const std::string path = temp("saved.lvl");
  ASSERT_TRUE(level->save(path));
  EXPECT_FALSE(level->save(temp("no-such-folder/saved.lvl")));

  TRCMFile file;
  file.Load(path);
  EXPECT_EQ(file.getString("level::id", 0), "QUEST-4");
  EXPECT_EQ(file.getString("level::typ", 0), "MATCH-3");
  EXPECT_EQ(file.getString("level::availableTiles", 0), "2 1");
  EXPECT_EQ(file.getString("level::availableBonuses", 0), "105 100");
  EXPECT_FLOAT_EQ(file.getFloat("level::starsCollected", 0, 0), 7.0f);
  EXPECT_FLOAT_EQ(file.getFloat("level::actTime", 0, 0), 123.0f);

  const auto again = quietLoad(path, catalog);
  EXPECT_EQ(again->rows, level->rows);
  EXPECT_EQ(again->cols, level->cols);
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col) {
      SCOPED_TRACE(std::to_string(row) + ", " + std::to_string(col));
      const auto a = level->tileAt(row, col);
      const auto b = again->tileAt(row, col);
      EXPECT_EQ(b->available, a->available);
      EXPECT_EQ(b->td, a->td);
      EXPECT_EQ(b->tileBack, a->tileBack);
      EXPECT_EQ(b->_lancuch, a->_lancuch);
    }
  EXPECT_EQ(ids(again->availableTiles), ids(level->availableTiles));
  EXPECT_EQ(ids(again->availableBonuses), ids(level->availableBonuses));
  EXPECT_EQ(creatorCells(*again), creatorCells(*level));
  EXPECT_EQ(again->backGround, level->backGround);
  EXPECT_EQ(again->musicID, "level2");
  // The clock resumes where it stood; the url is not written and the id text is no number.
  EXPECT_EQ(again->czas, 123);
  EXPECT_EQ(again->maxCzas, 240);
  EXPECT_EQ(again->url, "");
  EXPECT_EQ(again->id, 0);
  EXPECT_EQ(again->starsCollected, 0);
}

TEST_F(LevelTest, SavedIdAndBoardDependOnTheType) {
  struct Case {
    std::string typ, idText;
    int rowsBack;
  };
  for (const Case& c : {Case{"MATCH-3", "QUEST-4", 5}, Case{"", "QUEST-4", 0},
                        Case{"HIDDEN-OBJECT", "STAGE-4", 0}}) {
    SCOPED_TRACE(c.typ);
    auto level = quietLoad(data("level-basic.lvl"), catalog);
    level->typ = c.typ;
    const std::string path = temp("typed.lvl");
    level->save(path);
    TRCMFile file;
    file.Load(path);
    EXPECT_EQ(file.getString("level::id", 0), c.idText);
    EXPECT_EQ(quietLoad(path, catalog)->rows, c.rowsBack);
  }
}

TEST_F(LevelTest, EmptyMusicIsSavedAsTheDefault) {
  auto level = newLevel(8, 8, 0, 0, catalog);
  level->typ = "MATCH-3";
  level->save(temp("music.lvl"));
  EXPECT_EQ(level->musicID, "game1");
  TRCMFile file;
  file.Load(temp("music.lvl"));
  EXPECT_EQ(file.getString("level::music", 0), "game1");
}

TEST_F(LevelTest, MissingBackgroundIsReportedWithNineDigitsAndLeftNull) {
  EXPECT_EQ(missingBackgroundMessage(3.0f), "Nie znalazlem tla: 3.00000000");
  EXPECT_EQ(missingBackgroundMessage(12.5f), "Nie znalazlem tla: 12.5000000");
  const std::string path =
      writeTemp("noback.lvl",
                "level {\n\ttyp = \"MATCH-3\"\n\tbackground = 3\n\trows = 1\n\tcols = 1\n"
                "\tfield {\n\t\trow1 = 1\n\t}\n\n}\n");
  std::shared_ptr<TLevel> level;
  const std::string out = capturedStdout([&] { level = loadLevel(path, catalog); });
  EXPECT_NE(out.find("Nie znalazlem tla: 3.00000000"), std::string::npos) << out;
  EXPECT_EQ(level->backGround, nullptr);
  EXPECT_EQ(level->backGroundId, 3);
  EXPECT_EQ(level->rows, 1);
  // Showing the level skips the background it does not have.
  ASSERT_TRUE(platform::Graphics(800, 600));
  platform::SetAlwaysRender(true);
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  level->loadBackGround();
  level->drawBackGround();
  EXPECT_EQ(platform::ScreenPixel(10, 10) & 0xFFFFFFu, 0u);
  const auto shown = newLevel(8, 8, 0, 0, catalog);
  shown->drawBackGround();
  EXPECT_EQ(platform::ScreenPixel(10, 10) & 0xFFFFFFu, 0x3366CCu);
  // Saving keeps the id the file named.
  level->save(temp("noback-saved.lvl"));
  TRCMFile file;
  file.Load(temp("noback-saved.lvl"));
  EXPECT_FLOAT_EQ(file.getFloat("level::background", 0, 0), 3.0f);
}

TEST_F(LevelTest, OversizedShortAndOutsideDataStaysInsideTheGrid) {
  struct Case {
    std::string rows, cols;
    int gotRows, gotCols;
  };
  for (const Case& c : {Case{"60", "3", 52, 3}, Case{"-2", "4", 0, 4}, Case{"2", "99", 2, 52},
                        Case{"3", "5", 3, 5}}) {
    SCOPED_TRACE(c.rows + " x " + c.cols);
    // Row entries of two values, a tile kind the catalogue lacks, creators off the board.
    const std::string path = writeTemp(
        "bad.lvl", "level {\n\trows = " + c.rows + "\n\tcols = " + c.cols +
                       "\n\ttileCreators = 3\n\ttileC1 = 70, 1\n\ttileC2 = -1, 0\n"
                       "\ttileC3 = 1, 1\n\tfield {\n\t\trow1 = 1, 1\n\t\trow2 = 1, 4\n\t}\n\n"
                       "\ttiles {\n\t\trow1 = 1, 77\n\t\trow2 = 2, 2\n\t}\n\n}\n");
    std::shared_ptr<TLevel> level;
    const std::string out = capturedStdout([&] { level = loadLevel(path, catalog); });
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
    ASSERT_EQ(level->rows, c.gotRows);
    ASSERT_EQ(level->cols, c.gotCols);
    for (int row = 0; row < level->rows; ++row)
      for (int col = 0; col < level->cols; ++col) {
        const auto tile = level->tileAt(row, col);
        ASSERT_NE(tile, nullptr);
        const bool written = row < 2 && col < 2;
        EXPECT_EQ(tile->available, written ? 1 : 0) << row << ", " << col;
      }
    if (level->rows >= 2) {
      EXPECT_EQ(level->tileAt(0, 0)->tileId(), 1);
      // Kind 77 names nothing: the cell is empty, not holding a null kind.
      EXPECT_EQ(level->tileAt(0, 1)->td, nullptr);
      EXPECT_EQ(level->tileAt(1, 1)->tileId(), 2);
      EXPECT_EQ(creatorCells(*level), (std::vector<std::pair<int, int>>{{1, 1}}));
    }
  }
}

TEST_F(LevelTest, MissingFileGivesAnEmptyBoard) {
  const auto level = quietLoad(temp("absent.lvl"), catalog);
  EXPECT_EQ(level->rows, 0);
  EXPECT_EQ(level->cols, 0);
  EXPECT_TRUE(level->availableTiles.empty());
  EXPECT_TRUE(level->tileCreators.empty());
  EXPECT_EQ(level->tileAt(0, 0), nullptr);
  EXPECT_EQ(level->size, 2);
}

// Counts and clock values from a damaged or hand-edited file: a count reads no further than
// the creators actually present (stopping at the first gap), and the clock stays in range.
TEST_F(LevelTest, DamagedCountsAndClockValuesStayWithinTheFile) {
  struct Case {
    std::string creators, actTime, maxTime;
    size_t gotCreators;
    int gotCzas, gotMaxCzas;
  };
  const Case cases[] = {
      {"1e10", "-1e10", "1e10", 2, 0, 86400},
      {"2147483647", "1e40", "-1", 2, 86400, 0},
      {"3", "90", "120", 2, 90, 120},
      {"1", "nan", "-0.5", 1, 0, 0},
      {"-7", "-2147483648", "2147483647", 0, 0, 86400},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.creators + " creators, " + c.actTime + " / " + c.maxTime + " s");
    const std::string path = writeTemp(
        "counts.lvl", "level {\n\trows = 2\n\tcols = 2\n\tactTime = " + c.actTime +
                          "\n\tmaxTime = " + c.maxTime + "\n\ttileCreators = " + c.creators +
                          "\n\ttileC1 = 0, 0\n\ttileC2 = 0, 1\n\ttileC4 = 1, 1\n"
                          "\tfield {\n\t\trow1 = 1, 1\n\t\trow2 = 1, 1\n\t}\n\n}\n");
    const auto level = quietLoad(path, catalog);
    EXPECT_EQ(level->tileCreators.size(), c.gotCreators);
    EXPECT_EQ(level->czas, c.gotCzas);
    EXPECT_EQ(level->maxCzas, c.gotMaxCzas);
  }
}
