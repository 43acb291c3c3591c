// Bitmap-font files read back through the game's own reader, for the previews.
#pragma once

#include <memory>
#include <string>

#include "gui/TBMFont.h"

namespace assetgen {

// The description of the font file at `path`, without its page pictures; null when the file
// cannot be read or is not a whole font.
std::unique_ptr<TBMFont> readFontFile(const std::string& path);

}  // namespace assetgen
