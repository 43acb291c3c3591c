#include "tree/TShopCatalogue.h"

#include <algorithm>
#include <array>

#include "datafile/AssetNames.h"
#include "datafile/FileValues.h"
#include "platform/Log.h"
#include "tree/TBombkaData.h"
#include "tree/TOzdobkaData.h"

struct TShopCatalogue::Kind {
  int id;
  const char* group;  // the product file's group, and the prefix of its keys
  const char* typ;
  const char* file;
  std::vector<TElementDataPtr> TShopCatalogue::*catalogue;
  TElementDataPtr (*make)(TTreeStage&);
};

namespace {

template <class T>
TElementDataPtr makeProduct(TTreeStage& stage) {
  return std::make_shared<T>(stage);
}

std::string key(const std::string& group, const char* name) { return group + "::" + name; }

bool hasGroup(TRCMFile& file, const std::string& group) {
  return file.getGroup(TRCMFile::splitPath(group + "::id")) != nullptr;
}

// A count read from a file: never negative. The loops it drives also stop at the first
// missing group, so a huge count costs nothing.
int countOf(TRCMFile& file, const std::string& path) { return std::max(0, readInt(file, path)); }

template <class T>
std::shared_ptr<T> findById(const std::vector<TElementDataPtr>& list, int id) {
  for (const auto& product : list)
    if (product->id == id) return std::static_pointer_cast<T>(product);
  return nullptr;
}

}  // namespace

const TShopCatalogue::Kind& TShopCatalogue::kind(int id) {
  static const std::array<Kind, 6> kinds{{
      {1, "bombki", "BOMBKA", "data/elementy_bombki.dat", &TShopCatalogue::catalogueBombki,
       &makeProduct<TBombkaData>},
      {2, "ozdobki", "OZDOBA", "data/elementy_ozdobki.dat", &TShopCatalogue::catalogueOzdobki,
       &makeProduct<TOzdobkaData>},
      {3, "lampki", "LAMPKA", "data/elementy_lampki.dat", &TShopCatalogue::catalogueLampki,
       &makeProduct<TLampkaData>},
      {4, "lancuchy", "LANCUCH", "data/elementy_lancuchy.dat", &TShopCatalogue::catalogueLancuchy,
       &makeProduct<TLancuchData>},
      {5, "dekoracje", "DEKOR", "data/elementy_dekoracje.dat", &TShopCatalogue::catalogueDekoracje,
       &makeProduct<TDekorData>},
      {0, "", "", "", nullptr, nullptr},  // any other id: a tab without products
  }};
  for (const Kind& k : kinds)
    if (k.id == id) return k;
  return kinds.back();
}

void TShopCatalogue::load(const std::string& path) {
  TRCMFile file(path);
  const int tabs = countOf(file, "kategorie::i");
  for (int k = 1; k <= tabs; ++k) {
    const std::string group = "kategorie::k" + std::to_string(k);
    if (!hasGroup(file, group)) break;
    readTab(file, group);
  }
  readTreeLayout(file);
  platform::Log("WSZYSTKICH PRODUKTOW W SKLEPIE : " + std::to_string(productCount()));
}

void TShopCatalogue::readTab(TRCMFile& file, const std::string& group) {
  auto tab = std::make_shared<TKategoria>();
  tab->id = readInt(file, key(group, "id"));
  tab->tytul = file.getString(key(group, "tytul"));
  tab->opis = file.getString(key(group, "opis"));
  tab->dim->x = float(readInt(file, key(group, "pos"), 0));
  tab->dim->y = float(readInt(file, key(group, "pos"), 1));
  tab->cdim->x = float(readInt(file, key(group, "cpos"), 0));
  tab->cdim->y = float(readInt(file, key(group, "cpos"), 1));
  const Kind& k = kind(tab->id);
  if (k.make) tab->produkty = loadKind(k, k.file);
  kategorie.push_back(tab);
}

void TShopCatalogue::readTreeLayout(TRCMFile& file) {
  TTreeLayers& layers = stage_.layers();
  for (int n = 0; n < TTreeLayers::kLayers; ++n) {
    const std::string base = "kategorie::choinkaPos" + std::to_string(n);
    layers.choinkaX[size_t(n)] = readInt(file, base + "x");
    layers.choinkaY[size_t(n)] = readInt(file, base + "y");
    platform::Log("WCZYTANE: " + std::to_string(layers.choinkaX[size_t(n)]) + ", " +
                  std::to_string(layers.choinkaY[size_t(n)]));
  }
}

std::vector<TElementDataPtr> TShopCatalogue::loadBombki(const std::string& path) {
  return loadKind(kind(1), path);
}
std::vector<TElementDataPtr> TShopCatalogue::loadOzdobki(const std::string& path) {
  return loadKind(kind(2), path);
}
std::vector<TElementDataPtr> TShopCatalogue::loadLampki(const std::string& path) {
  return loadKind(kind(3), path);
}
std::vector<TElementDataPtr> TShopCatalogue::loadLancuchy(const std::string& path) {
  return loadKind(kind(4), path);
}
std::vector<TElementDataPtr> TShopCatalogue::loadDekoracje(const std::string& path) {
  return loadKind(kind(5), path);
}

std::vector<TElementDataPtr> TShopCatalogue::loadKind(const Kind& k, const std::string& path) {
  TRCMFile file(path);
  std::vector<TElementDataPtr> products;
  const std::string prefix = k.group;
  const int count = countOf(file, prefix + "::i");
  for (int j = 1; j <= count; ++j) {
    const std::string group = prefix + "::obj" + std::to_string(j);
    if (!hasGroup(file, group)) break;
    TElementDataPtr product = readProduct(k, file, group);
    if (!product) continue;
    products.push_back(product);
    (this->*k.catalogue).push_back(product);
  }
  return products;
}

TElementDataPtr TShopCatalogue::readProduct(const Kind& k, TRCMFile& file,
                                            const std::string& group) {
  TElementDataPtr product = k.make(stage_);
  product->id = readInt(file, key(group, "id"));
  const std::string picture = file.getString(key(group, "gfx"));
  product->gfx = platform::LoadImage(picture, platform::ImageFlags::Filtered);
  platform::MidHandleImage(product->gfx);
  product->typ = k.typ;
  if (k.id != 4) {  // chains hang by their ends, not by a point
    product->hx = readInt(file, key(group, "handle"), 0);
    product->hy = readInt(file, key(group, "handle"), 1);
  }
  product->tytul = file.getString(key(group, "tytul"));
  product->opis = file.getString(key(group, "opis"));
  product->cena = readInt(file, key(group, "cena"));
  product->scale = file.getFloat(key(group, "s"));
  if (auto* bulb = dynamic_cast<TLampkaData*>(product.get())) {
    const std::string glow = file.getString(key(group, "light"));
    bulb->light = platform::LoadImage(glow);
    platform::MidHandleImage(bulb->light);
    bulb->lightHX = readInt(file, key(group, "lightHandle"), 0);
    bulb->lightHy = readInt(file, key(group, "lightHandle"), 1);
    if (!bulb->light) reportProblem("glow picture of a light missing: " + glow);
  }
  if (!product->gfx) {
    // Never offered: it could neither be shown in the shop nor hung on the tree.
    reportProblem("product picture missing, " + group + " left out of the shop: " + picture);
    return nullptr;
  }
  return product;
}

std::shared_ptr<TBombkaData> TShopCatalogue::getBombkaData(int id) const {
  return findById<TBombkaData>(catalogueBombki, id);
}
std::shared_ptr<TOzdobkaData> TShopCatalogue::getOzdobkaData(int id) const {
  return findById<TOzdobkaData>(catalogueOzdobki, id);
}
std::shared_ptr<TLampkaData> TShopCatalogue::getLampkaData(int id) const {
  return findById<TLampkaData>(catalogueLampki, id);
}
std::shared_ptr<TLancuchData> TShopCatalogue::getLancuchData(int id) const {
  return findById<TLancuchData>(catalogueLancuchy, id);
}
std::shared_ptr<TDekorData> TShopCatalogue::getDekorData(int id) const {
  return findById<TDekorData>(catalogueDekoracje, id);
}

int TShopCatalogue::productCount() const {
  int total = 0;
  for (const auto& tab : kategorie) total += int(tab->produkty.size());
  return total;
}
