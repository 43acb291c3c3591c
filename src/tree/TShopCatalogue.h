// The shop's tabs and every product, read from "data/kategorie.dat" and one product file per
// kind, with the tree's layer positions; and the lookups by which a saved tree finds its
// products again. Loaded once; products live until the program ends.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datafile/TRCMFile.h"
#include "tree/TDekorData.h"
#include "tree/TKategoria.h"
#include "tree/TLampkaData.h"
#include "tree/TLancuchData.h"
#include "tree/TTreeStage.h"

class TBombkaData;
class TOzdobkaData;

class TShopCatalogue {
 public:
  explicit TShopCatalogue(TTreeStage& stage) : stage_(stage) {}

  std::vector<TKategoriaPtr> kategorie;
  // Every product of a kind, in the order read.
  std::vector<TElementDataPtr> catalogueBombki, catalogueOzdobki, catalogueLampki,
      catalogueLancuchy, catalogueDekoracje;

  // Reads the tabs with their products, and the tree layer positions into the stage.
  void load(const std::string& path);

  std::vector<TElementDataPtr> loadBombki(const std::string& path);
  std::vector<TElementDataPtr> loadOzdobki(const std::string& path);
  std::vector<TElementDataPtr> loadLampki(const std::string& path);
  std::vector<TElementDataPtr> loadLancuchy(const std::string& path);
  std::vector<TElementDataPtr> loadDekoracje(const std::string& path);

  // The first product of the kind with that id, or null.
  std::shared_ptr<TBombkaData> getBombkaData(int id) const;
  std::shared_ptr<TOzdobkaData> getOzdobkaData(int id) const;
  std::shared_ptr<TLampkaData> getLampkaData(int id) const;
  std::shared_ptr<TLancuchData> getLancuchData(int id) const;
  std::shared_ptr<TDekorData> getDekorData(int id) const;

  int productCount() const;

 private:
  struct Kind;
  static const Kind& kind(int id);
  std::vector<TElementDataPtr> loadKind(const Kind& kind, const std::string& path);
  TElementDataPtr readProduct(const Kind& kind, TRCMFile& file, const std::string& group);
  void readTab(TRCMFile& file, const std::string& group);
  void readTreeLayout(TRCMFile& file);

  TTreeStage& stage_;
};
