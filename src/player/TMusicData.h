#pragma once
#include <memory>
#include <string>

#include "platform/platform.h"

// One music of the catalogue, loaded looping.
class TMusicData {
 public:
  std::string id;
  std::string url;
  platform::Sound snd;
};

using TMusicDataPtr = std::shared_ptr<TMusicData>;
