// Feeds arbitrary bytes to the text-table reader, and asks for lines through a caption.
#include <cstddef>
#include <cstdint>

#include "datafile/TTxtFile.h"
#include "fuzz/FuzzScratch.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    platform::InitHeadless();
    return true;
  }();
  const std::string path = fuzzsupport::WriteScratch("txt/table.txt", data, size);
  if (!ready || path.empty()) return 0;
  const TTxtFile table = loadTxtFile(path);
  for (int n = -1; n <= table.lines() + 1; n += 1 + table.lines() / 4) table.getTxt(n);
  resolveCaption("[" + path + "|" + std::to_string(size % 5) + "]");
  return 0;
}
