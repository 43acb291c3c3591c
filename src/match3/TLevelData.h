#pragma once
#include <string>

// One entry of a level set: the level file to play and its id text.
class TLevelData {
 public:
  virtual ~TLevelData() = default;
  std::string id;
  std::string url;
  std::string typ;
};
