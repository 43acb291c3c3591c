// Feeds arbitrary bytes to the bitmap-font reader, then looks up and measures text with what
// it read. Page pictures are not loaded, so no window or file is needed.
#include <cstddef>
#include <cstdint>

#include "gui/TBMFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBMFont font;
  font.LoadFromBytes(data, size, "", false);
  for (size_t i = 0; i < font.Id.size(); ++i) font.FindChar(font.Id[i]);
  font.TextWidth("AV\nWa\xc5\x82\xe2\x82\xac", -1);
  font.TextWidth("To\nTa", 1);
  font.TextHeight("a\nb");
  return 0;
}
