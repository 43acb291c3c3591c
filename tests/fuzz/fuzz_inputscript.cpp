// Feeds arbitrary bytes to the input-script reader as a script file, then plays every event
// it read into the input state.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "fuzz/FuzzScratch.h"
#include "platform/Input.h"
#include "platform/InputScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzzsupport::WriteScratch("input.txt", data, size);
  if (path.empty()) return 0;
  platform::InputScript script = platform::InputScript::load(path);
  platform::Input input;
  script.applyDue(std::numeric_limits<int>::max(), input);
  return 0;
}
