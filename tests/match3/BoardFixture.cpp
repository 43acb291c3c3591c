#include "BoardFixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Globals.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path);
  out << text;
}

std::string tilesFile() {
  // points: 12 -> 5, 11 -> 10, 13 -> 1, 14 -> 3, 7 -> 0.
  const int points[5] = {12, 11, 13, 14, 7};
  std::ostringstream out;
  out << "tiles {\n i = 5\n";
  for (int i = 1; i <= 5; ++i)
    out << " tile" << i << " {\n  id = " << i << "\n  rgb = " << 40 * i << ", 100, 200\n"
        << "  img42x42 = \"gfx/tile42.png\"\n  points = " << points[i - 1] << "\n }\n";
  out << "}\n";
  return out.str();
}

std::string bonusFile() {
  const int bonuses[6][2] = {{101, 1}, {102, 2}, {103, 2}, {104, 2}, {107, 3}, {120, 0}};
  std::ostringstream out;
  out << "bonusy {\n i = 6\n";
  for (int i = 1; i <= 6; ++i)
    out << " bonus" << i << " {\n  id = " << bonuses[i - 1][0]
        << "\n  frames = 1\n  moc = " << bonuses[i - 1][1]
        << "\n  img42x42 = \"gfx/tile42.png\"\n }\n";
  out << "}\n";
  return out.str();
}

std::string tileBackFile() {
  const int matches[4] = {0, 0, 1, 2};
  std::ostringstream out;
  out << "tilesets {\n i = 3\n lancuch1_2 = \"gfx/tile42.png\"\n lancuch2_2 = \"gfx/tile42.png\"\n";
  for (int i = 0; i <= 3; ++i)
    out << " set" << i << " {\n  id = " << i << "\n  match = " << matches[i]
        << "\n  img2 = \"gfx/tile42.png\"\n }\n";
  out << "}\n";
  return out.str();
}

int kindFor(char ch) {
  switch (ch) {
    case 'b':
      return 101;
    case 'x':
      return 102;
    case 'v':
      return 103;
    case 'h':
      return 104;
    case 'w':
      return 107;
    case 'n':
      return 120;
    default:
      return (ch >= '1' && ch <= '9') ? ch - '0' : 0;
  }
}

char charFor(int id) {
  switch (id) {
    case 0:
      return '.';
    case 101:
      return 'b';
    case 102:
      return 'x';
    case 103:
      return 'v';
    case 104:
      return 'h';
    case 107:
      return 'w';
    case 120:
      return 'n';
    default:
      return (id >= 1 && id <= 9) ? static_cast<char>('0' + id) : '?';
  }
}

}  // namespace

int RecordingSounds::count(const std::string& name) const {
  int n = 0;
  for (const auto& s : played) n += s == name ? 1 : 0;
  return n;
}

int RecordingSounds::countPrefix(const std::string& prefix) const {
  int n = 0;
  for (const auto& s : played) n += s.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

void BoardFixture::SetUp() {
  platform::InitHeadless();
  platform::SeedRnd(1234);
  delta = 1.0f;
  oldDir_ = platform::CurrentDir();
  ASSERT_FALSE(tempDir_.path().empty());
  dir_ = tempDir_.path();
  std::filesystem::create_directories(dir_ + "/gfx");
  auto pixmap = platform::CreatePixmap(42, 42);
  platform::ClearPixels(pixmap, 0xFF3366CCu);
  ASSERT_TRUE(platform::SavePixmapPNG(pixmap, dir_ + "/gfx/tile42.png"));
  writeFile(dir_ + "/tiles.dat", tilesFile());
  writeFile(dir_ + "/bonusy.dat", bonusFile());
  writeFile(dir_ + "/tileBacks.dat", tileBackFile());
  ASSERT_TRUE(platform::ChangeDir(dir_));
  catalog = std::make_shared<TTileCatalog>();
  ::testing::internal::CaptureStdout();
  catalog->loadTiles("tiles.dat");
  catalog->loadBonusy("bonusy.dat");
  catalog->loadTileBacks("tileBacks.dat");
  ::testing::internal::GetCapturedStdout();
}

void BoardFixture::TearDown() {
  level.reset();
  platform::ChangeDir(oldDir_);
}

std::shared_ptr<TLevel> BoardFixture::makeBoard(const std::vector<std::string>& cells,
                                                const std::vector<std::string>& plates,
                                                const std::vector<std::string>& chains,
                                                bool winnable) {
  level = std::make_shared<TLevel>(catalog);
  level->rows = static_cast<int>(cells.size());
  level->cols = static_cast<int>(cells.front().size());
  for (int i = 1; i <= 5; ++i) level->availableTiles.push_back(catalog->getTileData(i));
  for (int row = 0; row < level->rows; ++row) {
    for (int col = 0; col < level->cols; ++col) {
      const char ch = cells[row][col];
      auto tile = std::make_shared<TTile>(level.get());
      tile->available = ch == '#' ? 0 : 1;
      int back = tile->available;
      if (!plates.empty() && tile->available) back = plates[row][col] - '0';
      tile->tileBack = catalog->getTileBack(back);
      if (!chains.empty()) tile->_lancuch = chains[row][col] - '0';
      if (tile->available && kindFor(ch)) tile->td = catalog->getTileData(kindFor(ch));
      level->gameField[row][col] = tile;
    }
  }
  if (!winnable) level->gameField[0][0]->tileBack = catalog->getTileBack(3);
  level->countMaths(200, 120);
  level->connect(listener, sounds);
  level->setPointer(*mouse);
  return level;
}

std::vector<std::string> BoardFixture::kinds() const {
  std::vector<std::string> out;
  for (int row = 0; row < level->rows; ++row) {
    std::string line;
    for (int col = 0; col < level->cols; ++col) {
      const auto tile = cell(row, col);
      line += tile->available ? charFor(tile->tileId()) : '#';
    }
    out.push_back(line);
  }
  return out;
}

void BoardFixture::frame() {
  platform::Flip();
  mouse->update();
  if (runFrame)
    runFrame();
  else
    level->update();
}

void BoardFixture::frames(int n) {
  for (int i = 0; i < n; ++i) frame();
}

bool BoardFixture::quiet() const {
  if (!level->flyingTiles.empty()) return false;
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col)
      if (!cell(row, col)->state.empty()) return false;
  return true;
}

int BoardFixture::settle(int limit) {
  int n = 0;
  do {
    frame();
    ++n;
  } while (!quiet() && n < limit);
  return n;
}
