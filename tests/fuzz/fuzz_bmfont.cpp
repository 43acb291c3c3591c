// Feeds arbitrary bytes to the bitmap-font reader, then looks up and measures text with what
// it read. Only the reading part of the font is built in: no window, picture or file.
#include <cstddef>
#include <cstdint>

#include "gui/TBMFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBMFont font;
  font.ParseBytes(data, size);
  for (size_t i = 0; i < font.Id.size(); ++i) font.FindChar(font.Id[i]);
  font.SkipChars = "W";
  font.UnscaledWidth("AV\nWa\xc5\x82\xe2\x82\xac", -1);
  font.UnscaledWidth("To\nTa", 1);
  return 0;
}
