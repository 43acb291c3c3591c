#pragma once
#include <memory>
#include <string>
#include <vector>

#include "match3/TLevelData.h"

// A level set: the levels of one quest stage in playing order.
class TZestaw {
 public:
  std::string url;
  std::vector<std::shared_ptr<TLevelData>> levels;
  int id = 0;
};
