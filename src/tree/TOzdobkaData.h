// An ornament; the one whose description is "GWIAZDA" is the tree-top star.
#pragma once

#include "tree/TElementData.h"

class TOzdobkaData : public TElementData {
 public:
  using TElementData::TElementData;
};
