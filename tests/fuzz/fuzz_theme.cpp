// Feeds arbitrary bytes to the window-theme reader as a theme file.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzScratch.h"
#include "gui/TTheme.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    return true;
  }();
  const std::string path = fuzzsupport::WriteScratch("window/temat.txt", data, size);
  if (!ready || path.empty()) return 0;
  TTheme::loadTheme(path);
  return 0;
}
