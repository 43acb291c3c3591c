#pragma once

#include <optional>
#include <string>

#include "fonts/BmFontWriter.h"

namespace assetgen {

// Reads a version 3 font file the way the game does (for previews in the contact sheet).
class BmFontReader {
 public:
  static std::optional<BmFont> read(const std::string& path);
};

}  // namespace assetgen
