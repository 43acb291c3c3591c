// Reading and writing level files, and the editor's empty board.
#include <algorithm>
#include <cstdlib>

#include "datafile/FileValues.h"
#include "datafile/TRCMFile.h"
#include "match3/TLevel.h"
#include "platform/strings.h"

namespace {

const std::string kBoardTyp = "MATCH-3";

std::string rowKey(const char* group, int row) {
  return std::string("level::") + group + "::row" + std::to_string(row + 1);
}

// Grids live in a fixed 52 x 52 array: larger or negative sizes are clamped, never trusted.
int readGridSize(TRCMFile& file, const std::string& key) {
  return readInt(file, key, 0, TLevel::kMaxGrid);
}

// The clock counts whole seconds down from these; a day is far beyond any level.
constexpr int kMaxLevelSeconds = 24 * 60 * 60;

// The first cols values of a row entry; a short row reads as zeros past its end, and a
// missing one (like any missing key) as zeros throughout.
std::vector<int> readRow(TRCMFile& file, const std::string& key, int cols) {
  const int present = std::min(valueCount(file, key), cols);
  if (present > 0 && present < cols)
    reportProblem(key + " holds " + std::to_string(present) + " of " + std::to_string(cols) +
                  " values");
  std::vector<int> values(cols, 0);
  for (int col = 0; col < present; ++col) values[col] = readInt(file, key, col);
  return values;
}

std::vector<int> splitIds(const std::string& text) {
  std::vector<int> ids;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(start, end - start);
    if (!part.empty()) ids.push_back(truncToInt(std::strtof(part.c_str(), nullptr)));
    start = end + 1;
  }
  return ids;
}

using Lookup = std::shared_ptr<TTileData> (TTileCatalog::*)(int) const;

// Kinds the catalogue lacks are left out: a null kind among the choices would later be
// dropped into a cell as if it were a tile.
std::vector<std::shared_ptr<TTileData>> readKinds(TRCMFile& file, const std::string& key,
                                                  const TTileCatalog& catalog, Lookup lookup) {
  std::vector<std::shared_ptr<TTileData>> kinds;
  for (int kindId : splitIds(file.getString(key, 0))) {
    if (auto kind = (catalog.*lookup)(kindId))
      kinds.push_back(kind);
    else
      reportProblem(key + ": no kind " + std::to_string(kindId));
  }
  return kinds;
}

void readBackground(TRCMFile& file, TLevel& level) {
  const float value = file.getFloat("level::background", 0, 0);
  level.backGroundId = truncToInt(value);
  level.backGround = level.catalog().getBackground(level.backGroundId);
  if (!level.backGround) platform::Notify(missingBackgroundMessage(value));
}

struct CellCodes {
  int field = 0;
  int tile = 0;
  int chain = 0;
};

std::shared_ptr<TTile> makeCell(TLevel& level, const CellCodes& code, int row, int col) {
  const TTileCatalog& catalog = level.catalog();
  auto cell = std::make_shared<TTile>(&level);
  cell->_lancuch = std::clamp(code.chain, 0, 2);
  if (cell->_lancuch != code.chain)
    reportProblem("chain level " + std::to_string(code.chain) + " at " + std::to_string(row) +
                  ", " + std::to_string(col));
  cell->available = code.field != 0 ? 1 : 0;
  if (code.field != 0 && code.tile != 0) {
    cell->td = catalog.getTileData(code.tile);
    if (!cell->td) reportProblem("no tile kind " + std::to_string(code.tile));
  }
  cell->tileBack = catalog.getTileBack(code.field);
  if (!cell->tileBack && code.field != 0) {
    // A plate the catalogue lacks still leaves a playable cell.
    reportProblem("no tileset " + std::to_string(code.field));
    cell->tileBack = catalog.getTileBack(1);
  }
  return cell;
}

void readBoard(TRCMFile& file, TLevel& level) {
  std::vector<std::vector<int>> field, tiles, chains;
  for (int row = 0; row < level.rows; ++row) {
    field.push_back(readRow(file, rowKey("field", row), level.cols));
    tiles.push_back(readRow(file, rowKey("tiles", row), level.cols));
    chains.push_back(readRow(file, rowKey("chaines", row), level.cols));
  }
  for (int col = 0; col < level.cols; ++col)
    for (int row = 0; row < level.rows; ++row)
      level.gameField[row][col] =
          makeCell(level, {field[row][col], tiles[row][col], chains[row][col]}, row, col);
}

void readCreators(TRCMFile& file, TLevel& level) {
  level.tileCreators.clear();
  const auto creatorKey = [](int i) { return "level::tileC" + std::to_string(i); };
  const int count = readCount(file, "level::tileCreators", creatorKey);
  for (int i = 1; i <= count; ++i) {
    const std::string key = creatorKey(i);
    const int row = readInt(file, key, 0);
    const int col = readInt(file, key, 1);
    if (auto tile = level.tileAt(row, col))
      level.tileCreators.push_back(tile);
    else
      reportProblem(key + " lies outside the board");
  }
}

}  // namespace

std::string missingBackgroundMessage(float id) {
  return "Nie znalazlem tla: " + TRCMEntry::formatFloat(id);
}

std::shared_ptr<TLevel> loadLevel(const std::string& path,
                                  std::shared_ptr<const TTileCatalog> catalog,
                                  const TBoardGeometry& geometry) {
  auto level = std::make_shared<TLevel>(std::move(catalog), geometry);
  TRCMFile file;
  file.Load(path);
  level->typ = platform::Upper(file.getString("level::typ", 0));
  level->url = file.getString("level::url", 0);
  level->id = readInt(file, "level::id");
  readBackground(file, *level);
  level->rows = readGridSize(file, "level::rows");
  level->cols = readGridSize(file, "level::cols");
  level->musicID = file.getString("level::music", 0);
  level->czas = readInt(file, "level::actTime", 0, kMaxLevelSeconds);
  level->maxCzas = readInt(file, "level::maxTime", 0, kMaxLevelSeconds);
  level->availableTiles =
      readKinds(file, "level::availableTiles", level->catalog(), &TTileCatalog::getTileData);
  level->availableBonuses =
      readKinds(file, "level::availableBonuses", level->catalog(), &TTileCatalog::getBonus);
  readBoard(file, *level);
  level->countMaths(200.0f, 120.0f);
  readCreators(file, *level);
  return level;
}

namespace {

std::string joinIds(const std::vector<std::shared_ptr<TTileData>>& kinds) {
  std::string text;
  for (const auto& kind : kinds)
    if (kind) text += std::to_string(kind->id) + " ";
  return platform::Trim(text);
}

void writeBoard(TRCMFile& file, const TLevel& level) {
  file.setString("level::availableTiles", joinIds(level.availableTiles), 0);
  file.setString("level::availableBonuses", joinIds(level.availableBonuses), 0);
  // A level whose background was never found keeps the id its file named.
  const int background = level.backGround ? level.backGround->id : level.backGroundId;
  file.setFloat("level::background", static_cast<float>(background), 0);
  file.setFloat("level::rows", static_cast<float>(level.rows), 0);
  file.setFloat("level::cols", static_cast<float>(level.cols), 0);
  file.setFloat("level::actTime", static_cast<float>(level.czas), 0);
  file.setFloat("level::maxTime", static_cast<float>(level.maxCzas), 0);
  file.setFloat("level::tileCreators", static_cast<float>(level.tileCreators.size()), 0);
  int n = 0;
  for (const auto& creator : level.tileCreators) {
    const std::string key = "level::tileC" + std::to_string(++n);
    file.setFloat(key, creator->r, 0);
    file.setFloat(key, creator->c, 1);
  }
  for (int row = 0; row < level.rows; ++row) {
    for (int col = 0; col < level.cols; ++col) {
      const auto tile = level.tileAt(row, col);
      const std::string n1 = std::to_string(row + 1);
      file.setFloat("level::Field::row" + n1, tile ? tile->tileBackId() : 0.0f, col);
      file.setFloat("level::Tiles::row" + n1, tile ? tile->tileId() : 0.0f, col);
      file.setFloat("level::chaines::row" + n1, tile ? tile->_lancuch : 0.0f, col);
    }
  }
}

}  // namespace

bool TLevel::save(const std::string& path) {
  TRCMFile file;
  const std::string prefix = platform::SameText(typ, "HIDDEN-OBJECT") ? "STAGE" : "QUEST";
  file.setString("Level::id", prefix + "-" + std::to_string(id), 0);
  file.setString("Level::typ", platform::Upper(typ), 0);
  file.setFloat("Level::starsCollected", static_cast<float>(starsCollected), 0);
  file.setFloat("Level::scoreCollected", static_cast<float>(scoreCollected), 0);
  if (musicID.empty()) musicID = "game1";
  file.setString("Level::music", musicID, 0);
  if (platform::SameText(typ, kBoardTyp)) writeBoard(file, *this);
  if (file.save(path)) return true;
  reportProblem("could not write " + path);
  return false;
}

std::shared_ptr<TLevel> newLevel(int rows, int cols, float mX, float mY,
                                 std::shared_ptr<const TTileCatalog> catalog,
                                 const TBoardGeometry& geometry) {
  auto level = std::make_shared<TLevel>(std::move(catalog), geometry);
  constexpr int kMaxInner = TLevel::kMaxGrid - 2;
  level->rows = std::min(std::max(rows, 8), kMaxInner) + 2;
  level->cols = cols < 8 ? 10 : std::min(cols, kMaxInner) + 2;
  for (int row = 0; row < level->rows; ++row) {
    for (int col = 0; col < level->cols; ++col) {
      auto cell = std::make_shared<TTile>(level.get());
      const bool border = row == 0 || col == 0 || row == level->rows - 1 || col == level->cols - 1;
      cell->available = border ? 0 : 1;
      cell->backAlpha = 1.0f;
      cell->backS = 1.0f;
      cell->tileBack = level->catalog().getTileBack(border ? 0 : 1);
      level->gameField[row][col] = cell;
    }
  }
  level->czas = level->maxCzas = 360;
  level->backGround = level->catalog().getBackground(1);
  level->loadBackGround();
  level->countMaths(mX, mY);
  return level;
}
