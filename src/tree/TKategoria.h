// One tab of the shop: a kind of decoration and its products, in file order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/TDim.h"
#include "tree/TElementData.h"

class TKategoria {
 public:
  std::vector<TElementDataPtr> produkty;
  int id = 0;
  std::string tytul;
  std::string opis;
  std::shared_ptr<TDim> dim = std::make_shared<TDim>();   // the tab while not chosen
  std::shared_ptr<TDim> cdim = std::make_shared<TDim>();  // the tab while chosen
};

using TKategoriaPtr = std::shared_ptr<TKategoria>;
