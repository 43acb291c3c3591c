// Feeds arbitrary bytes to the bitmap-font reader and measures a text with what it read.
// Page pictures are not loaded, so no window or file is needed.
#include <cstddef>
#include <cstdint>

#include "gui/TBMFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBMFont font;
  font.LoadFromBytes(data, size, "", false);
  for (int code : {'A', 'V', 0x142, 0x20AC}) font.FindChar(code);
  // Kerning and advance lookups without the platform's scale: reading only the tables.
  for (size_t i = 0; i < font.Id.size(); ++i) {
    font.FindChar(font.Id[i]);
    (void)font.KerningChars[i].size();
  }
  return 0;
}
