// An icicle hung under the board's frame: a picture and its offset from the point it hangs.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "datafile/AssetNames.h"
#include "platform/platform.h"

class TSopel {
 public:
  platform::Image img;
  int ax = 0, ay = 0;

  void draw(float x, float y) const;
};

constexpr int kSopelCount = 7;
extern std::array<std::shared_ptr<TSopel>, kSopelCount> sople;

// Reads the seven icicles ("sople::sopel0" ... "sople::sopel6": img, pos).
void loadSople(const std::string& path = assets::DATA_ICICLES);
