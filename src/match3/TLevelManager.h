#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "datafile/AssetNames.h"
#include "match3/TBoardGeometry.h"
#include "match3/TLevel.h"
#include "match3/TTileCatalog.h"
#include "match3/TZestaw.h"

// The holder of the level sets: the quest sets and three free-play folders that nothing fills.
class TLevelManager {
 public:
  static constexpr int kQuestFolder = -1;
  static constexpr int kFreeFolders = 3;

  explicit TLevelManager(std::shared_ptr<const TTileCatalog> catalog);

  std::vector<std::shared_ptr<TZestaw>> zestawyQuest;
  std::array<std::vector<std::shared_ptr<TZestaw>>, kFreeFolders> zestawyFree;

  void setup();
  void _setupQuestSets(const std::string& path = assets::DATA_QUEST_SETS);
  void _setupSetLevels(TZestaw& set);
  void _setupLevelsData();
  void _setupFreeSets();

  // Folder -1 is the quest, 0..2 the free-play folders; null when there is no such set.
  std::shared_ptr<TZestaw> getZestaw(int folder, int id) const;
  // The n-th level (1-based) of a set; null when the set or the position does not exist.
  std::shared_ptr<TLevelData> getLevelDataFromSet(int folder, int setId, int n) const;
  // Null, with a logged problem, when the quest has no such level.
  std::shared_ptr<TLevel> QUEST_loadLevel(int setId, int n) const;
  // A level file with this manager's catalogue and board placement (levels in progress).
  std::shared_ptr<TLevel> loadLevel(const std::string& path) const;

  const TBoardGeometry& geometry() const { return geometry_; }
  const std::shared_ptr<const TTileCatalog>& catalog() const { return catalog_; }

 private:
  std::shared_ptr<const TTileCatalog> catalog_;
  TBoardGeometry geometry_;
};
