#include "match3/TTileCatalog.h"

#include <algorithm>
#include <sstream>

#include "datafile/FileValues.h"
#include "datafile/TRCMFile.h"
#include "gui/TRGB.h"
#include "platform/Log.h"
#include "platform/files.h"

namespace {

constexpr platform::ImageFlags kTileFlags =
    platform::ImageFlags::Filtered | platform::ImageFlags::Mipmapped;
constexpr int kCell = 42;  // strips are cut in 42 x 42 cells at every size index
constexpr int kBlinkFrames = 9;
// Bounds for numbers read from the catalogues, far beyond any real art or rule.
constexpr int kMaxPoints = 1000000;
constexpr int kMaxFrames = 1000;
constexpr int kMaxMatches = 1000;
constexpr int kMaxOffset = 10000;
constexpr int kMaxReach = 52;  // the side of the largest board
const char* const kSizeKeys[4] = {"::img64x64", "::img50x50", "::img42x42", "::img32x32"};

platform::Image loadCentred(const std::string& path) {
  platform::Image image = platform::LoadImage(path, kTileFlags);
  if (image) platform::MidHandleImage(image);
  return image;
}

platform::Image loadCentredStrip(const std::string& path, int frames) {
  // A kind that names no frame count is read as a single picture.
  if (frames < 1) return loadCentred(path);
  platform::Image image = platform::LoadAnimImage(path, kCell, kCell, 0, frames, kTileFlags);
  if (image) platform::MidHandleImage(image);
  return image;
}

std::unique_ptr<TRCMFile> openFile(const std::string& path) {
  auto file = std::make_unique<TRCMFile>();
  file->Load(path);
  return file;
}

template <typename Entry>
std::shared_ptr<Entry> findById(const std::vector<std::shared_ptr<Entry>>& list, int id) {
  for (const auto& entry : list)
    if (entry->id == id) return entry;
  return nullptr;
}

std::shared_ptr<TTileData> readTile(TRCMFile& file, int i) {
  const std::string prefix = "tiles::tile" + std::to_string(i);
  auto tile = std::make_shared<TTileData>();
  tile->id = readInt(file, prefix + "::id");
  tile->rgb = std::make_shared<TRGB>();
  tile->rgb->r = readInt(file, prefix + "::rgb", 0, 255, 0);
  tile->rgb->g = readInt(file, prefix + "::rgb", 0, 255, 1);
  tile->rgb->b = readInt(file, prefix + "::rgb", 0, 255, 2);
  for (int k = 0; k < 4; ++k) tile->img[k] = loadCentred(file.getString(prefix + kSizeKeys[k], 0));
  tile->partN = readInt(file, prefix + "::points", 0, kMaxPoints);
  tile->punkty = pointsForParticle(tile->partN);
  return tile;
}

std::shared_ptr<TTileData> readBonus(TRCMFile& file, int i) {
  const std::string prefix = "bonusy::bonus" + std::to_string(i);
  auto bonus = std::make_shared<TTileData>();
  bonus->id = readInt(file, prefix + "::id");
  bonus->maxFrames = readInt(file, prefix + "::frames", 0, kMaxFrames);
  // The reach of a bonus counts cells: more than the largest board reaches every cell.
  bonus->moc = readInt(file, prefix + "::moc", 0, kMaxReach);
  for (int k = 0; k < 4; ++k)
    bonus->img[k] = loadCentredStrip(file.getString(prefix + kSizeKeys[k], 0), bonus->maxFrames);
  return bonus;
}

std::shared_ptr<TTileBack> readTileBack(TRCMFile& file, int i,
                                        const std::shared_ptr<const TTileBackArt>& art) {
  const std::string prefix = "tilesets::set" + std::to_string(i);
  auto set = std::make_shared<TTileBack>();
  set->id = readInt(file, prefix + "::id");
  set->matches = readInt(file, prefix + "::match", 0, kMaxMatches);
  for (int k = 0; k < 4; ++k)
    set->img[k] = loadCentred(file.getString(prefix + "::img" + std::to_string(k), 0));
  set->art = art;
  return set;
}

std::shared_ptr<TTileBackArt> readTileBackArt(TRCMFile& file) {
  auto art = std::make_shared<TTileBackArt>();
  for (int k = 0; k < 4; ++k) {
    const std::string n = std::to_string(k);
    art->lancuch1[k] = loadCentred(file.getString("tilesets::lancuch1_" + n, 0));
    art->lancuch2[k] = loadCentred(file.getString("tilesets::lancuch2_" + n, 0));
    art->blink[k] = loadCentredStrip(file.getString("tilesets::blink_" + n, 0), kBlinkFrames);
  }
  return art;
}

}  // namespace

void TTileCatalog::loadTiles(const std::string& path) {
  auto file = openFile(path);
  tiles_.clear();
  const int count =
      readCount(*file, "tiles::i", [](int i) { return "tiles::tile" + std::to_string(i); });
  for (int i = 1; i <= count; ++i) tiles_.push_back(readTile(*file, i));
}

void TTileCatalog::loadBonusy(const std::string& path) {
  auto file = openFile(path);
  bonusy_.clear();
  const int count =
      readCount(*file, "bonusy::i", [](int i) { return "bonusy::bonus" + std::to_string(i); });
  for (int i = 1; i <= count; ++i) bonusy_.push_back(readBonus(*file, i));
}

void TTileCatalog::loadTileBacks(const std::string& path) {
  auto file = openFile(path);
  // Every tileset shares the chain and sparkle pictures, read after the sets themselves.
  auto art = readTileBackArt(*file);
  tileBacks_.clear();
  // Sets run from 0 to the count inclusive; a file without a count (or no file) has none.
  const auto setGroup = [](int i) { return "tilesets::set" + std::to_string(i); };
  const int count = valueCount(*file, "tilesets::i") > 0 ? readInt(*file, "tilesets::i") : -1;
  const int sets = presentItems(*file, "tilesets::i", count + 1LL, setGroup, 0);
  for (int i = 0; i < sets; ++i) tileBacks_.push_back(readTileBack(*file, i, art));
  art_ = art;
}

void TTileCatalog::loadBackgrounds(const std::string& path) {
  auto file = openFile(path);
  backgrounds_.clear();
  const auto backGroup = [](int i) { return "backGrounds::back" + std::to_string(i); };
  const int count = readCount(*file, "backgrounds::i", backGroup);
  for (int i = 1; i <= count; ++i) {
    const std::string prefix = backGroup(i);
    auto background = std::make_shared<TBackGround>();
    background->id = readInt(*file, prefix + "::id");
    background->url = file->getString(prefix + "::img", 0);
    backgrounds_.push_back(background);
  }
}

void TTileCatalog::loadRamki(const std::string& path) {
  auto file = openFile(path);
  const int count = std::min(readInt(*file, "ramki::i"), kFramePieces);
  for (int i = 1; i <= count; ++i) {
    const std::string prefix = "ramki::ramka" + std::to_string(i);
    auto piece = std::make_shared<TRamka>();
    piece->id = i;
    piece->img = platform::LoadImage(file->getString(prefix + "::img", 0));
    piece->ax = readInt(*file, prefix + "::d", -kMaxOffset, kMaxOffset, 0);
    piece->ay = readInt(*file, prefix + "::d", -kMaxOffset, kMaxOffset, 1);
    ramki_[i] = piece;
  }
}

void TTileCatalog::loadSizes(const std::string& path) {
  sizes_.clear();
  const auto text = platform::LoadText(path);
  if (!text) return;
  std::istringstream in(*text);
  for (int value = 0; in >> value;) sizes_.push_back(value);
}

void TTileCatalog::loadAll() {
  loadTiles();
  loadBonusy();
  loadTileBacks();
  loadBackgrounds();
  loadRamki();
  loadSizes();
}

std::shared_ptr<TTileData> TTileCatalog::getTileData(int id) const {
  if (id > 100) return getBonus(id);
  return findById(tiles_, id);
}

std::shared_ptr<TTileData> TTileCatalog::getBonus(int id) const { return findById(bonusy_, id); }

std::shared_ptr<TTileBack> TTileCatalog::getTileBack(int id) const {
  return findById(tileBacks_, id);
}

std::shared_ptr<TTileBack> TTileCatalog::getTileBackByMatches(int m) const {
  for (const auto& set : tileBacks_)
    if (set->id != 0 && set->matches == m) return set;
  return nullptr;
}

std::shared_ptr<TBackGround> TTileCatalog::getBackground(int id) const {
  for (const auto& background : backgrounds_) {
    platform::Logf("BG.id = %d   id : %d", background->id, id);
    if (background->id == id) return background;
  }
  return nullptr;
}

std::shared_ptr<TRamka> TTileCatalog::getRamka(int n) const {
  if (n < 1 || n > kFramePieces) return nullptr;
  return ramki_[n];
}
