// Glyph pictures packed into a few large images, so that a line of text draws from one
// texture and batches into few draw calls.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ImageData.h"

namespace platform {

class GlyphAtlas {
 public:
  static constexpr int kPageSize = 512;

  struct Slot {
    Image page;  // null when the glyph is blank or too large
    int x = 0, y = 0, width = 0, height = 0;
  };

  // Copies a white glyph with the given coverage (width * height, 0-255) into a page.
  Slot add(int width, int height, const std::vector<uint8_t>& coverage);

 private:
  std::vector<Image> pages_;
  int cursorX_ = 0, cursorY_ = 0, rowHeight_ = 0;
};

}  // namespace platform
