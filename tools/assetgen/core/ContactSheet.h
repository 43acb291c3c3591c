#pragma once

#include <string>

namespace assetgen {

// Lays out every picture of an asset folder on a dark background, each with its name and
// size, so the whole set can be judged at a glance.
class ContactSheet {
 public:
  static bool write(const std::string& assetDir, const std::string& outPng);
};

}  // namespace assetgen
