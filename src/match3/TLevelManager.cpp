#include "match3/TLevelManager.h"

#include "datafile/FileValues.h"
#include "datafile/TRCMFile.h"
#include "platform/platform.h"

TLevelManager::TLevelManager(std::shared_ptr<const TTileCatalog> catalog)
    : catalog_(catalog ? std::move(catalog) : std::make_shared<const TTileCatalog>()) {}

void TLevelManager::setup() {
  _setupQuestSets();
  _setupFreeSets();
  _setupLevelsData();
}

void TLevelManager::_setupQuestSets(const std::string& path) {
  zestawyQuest.clear();
  TRCMFile file;
  file.Load(path);
  const auto setGroup = [](int i) { return "zestawy::zestaw" + std::to_string(i); };
  const int count = readCount(file, "zestawy::I", setGroup);
  for (int i = 1; i <= count; ++i) {
    const std::string prefix = setGroup(i);
    auto set = std::make_shared<TZestaw>();
    set->url = file.getString(prefix + "::url", 0);
    set->id = readInt(file, prefix + "::id");
    _setupSetLevels(*set);
    zestawyQuest.push_back(set);
  }
}

void TLevelManager::_setupSetLevels(TZestaw& set) {
  set.levels.clear();
  TRCMFile file;
  file.Load(set.url);
  const auto levelGroup = [](int i) { return "levels::lvl" + std::to_string(i); };
  const int count = readCount(file, "levels::i", levelGroup);
  for (int i = 1; i <= count; ++i) {
    const std::string prefix = levelGroup(i);
    auto data = std::make_shared<TLevelData>();
    data->url = file.getString(prefix + "::url", 0);
    data->id = file.getString(prefix + "::id", 0);
    set.levels.push_back(data);
  }
}

void TLevelManager::_setupLevelsData() {
  // Before a screen exists the board is placed for the game's 800 x 600 picture.
  const int width = platform::GraphicsWidth();
  const int height = platform::GraphicsHeight();
  geometry_ = width > 0 && height > 0 ? TBoardGeometry::forScreen(width, height)
                                      : TBoardGeometry::forScreen(800, 600);
}

void TLevelManager::_setupFreeSets() {
  for (auto& folder : zestawyFree) folder.clear();
}

std::shared_ptr<TZestaw> TLevelManager::getZestaw(int folder, int id) const {
  if (folder != kQuestFolder && (folder < 0 || folder >= kFreeFolders)) return nullptr;
  const auto& sets = folder == kQuestFolder ? zestawyQuest : zestawyFree[folder];
  for (const auto& set : sets)
    if (set->id == id) return set;
  return nullptr;
}

std::shared_ptr<TLevelData> TLevelManager::getLevelDataFromSet(int folder, int setId, int n) const {
  const auto set = getZestaw(folder, setId);
  if (!set || n < 1 || n > static_cast<int>(set->levels.size())) return nullptr;
  return set->levels[n - 1];
}

std::shared_ptr<TLevel> TLevelManager::QUEST_loadLevel(int setId, int n) const {
  const auto data = getLevelDataFromSet(kQuestFolder, setId, n);
  if (!data) {
    reportProblem("no quest level " + std::to_string(n) + " in set " + std::to_string(setId));
    return nullptr;
  }
  return loadLevel(data->url);
}

std::shared_ptr<TLevel> TLevelManager::loadLevel(const std::string& path) const {
  return ::loadLevel(path, catalog_, geometry_);
}
