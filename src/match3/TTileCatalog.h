#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "datafile/AssetNames.h"
#include "match3/TBackGround.h"
#include "match3/TRamka.h"
#include "match3/TTileBack.h"
#include "match3/TTileData.h"

// Everything a board is made of: tile kinds, bonus kinds, tilesets with their chain and sparkle
// pictures, board backgrounds and the frame pieces. Read once at start-up; levels and tiles keep
// shared references to the entries. Lookups are linear scans in load order, first match wins.
class TTileCatalog {
 public:
  static constexpr int kFramePieces = 20;

  void loadTiles(const std::string& path = assets::DATA_TILES);
  void loadBonusy(const std::string& path = assets::DATA_BONUSES);
  void loadTileBacks(const std::string& path = assets::DATA_TILE_BACKS);
  void loadBackgrounds(const std::string& path = assets::DATA_BACKGROUNDS);
  void loadRamki(const std::string& path = assets::DATA_FRAME);
  void loadSizes(const std::string& path = assets::DATA_SIZES);
  // All six, from the working directory's data folder.
  void loadAll();

  // Ids above 100 are bonus kinds.
  std::shared_ptr<TTileData> getTileData(int id) const;
  std::shared_ptr<TTileData> getBonus(int id) const;
  std::shared_ptr<TTileBack> getTileBack(int id) const;
  // The first tileset other than the no-cell one whose plate needs m more matches.
  std::shared_ptr<TTileBack> getTileBackByMatches(int m) const;
  // Logs every entry it examines (a debug trace the level loading relies on seeing).
  std::shared_ptr<TBackGround> getBackground(int id) const;
  // Frame piece n, 1-based; null outside 1..20 or when the piece was not loaded.
  std::shared_ptr<TRamka> getRamka(int n) const;

  const std::vector<std::shared_ptr<TTileData>>& tiles() const { return tiles_; }
  const std::vector<std::shared_ptr<TTileData>>& bonusy() const { return bonusy_; }
  const std::vector<std::shared_ptr<TTileBack>>& tileBacks() const { return tileBacks_; }
  const std::vector<std::shared_ptr<TBackGround>>& backgrounds() const { return backgrounds_; }
  const std::shared_ptr<const TTileBackArt>& tileBackArt() const { return art_; }
  const std::vector<int>& sizes() const { return sizes_; }

 private:
  std::vector<std::shared_ptr<TTileData>> tiles_;
  std::vector<std::shared_ptr<TTileData>> bonusy_;
  std::vector<std::shared_ptr<TTileBack>> tileBacks_;
  std::vector<std::shared_ptr<TBackGround>> backgrounds_;
  std::array<std::shared_ptr<TRamka>, kFramePieces + 1> ramki_;  // position 0 unused
  std::shared_ptr<const TTileBackArt> art_ = std::make_shared<TTileBackArt>();
  std::vector<int> sizes_;
};
