#pragma once

#include <string>

namespace assetgen {

// Lays out every picture of an asset folder on a dark background, each with its name and
// size, so the whole set can be judged at a glance.
class ContactSheet {
 public:
  // `only`: keep the files whose path contains it (all when empty); `scale` enlarges small
  // pictures up to that factor.
  static bool write(const std::string& assetDir, const std::string& outPng,
                    const std::string& only = "", int maxScale = 4);
};

}  // namespace assetgen
