// A 5 x 7 bitmap font for ASCII 32-126, drawn by hand for this game.
#pragma once

namespace platform {

constexpr int kBuiltInGlyphWidth = 5;
constexpr int kBuiltInGlyphHeight = 7;

// Rows of the glyph, top first, one bit per column (bit 4 = left); null outside 32-126.
const unsigned char* BuiltInGlyphRows(int codepoint);

}  // namespace platform
