// A bauble: a product with the common hanging, layering and swinging.
#pragma once

#include "tree/TElementData.h"

class TBombkaData : public TElementData {
 public:
  using TElementData::TElementData;
};
