// Feeds arbitrary bytes to the .gui reader as a screen's GUI file, then runs and draws one
// frame of what it built.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzScratch.h"
#include "gui/TGui.h"
#include "platform/platform.h"
#include "support/TestScreenContext.h"

namespace {

testsupport::TestScreenContext& Context() {
  static testsupport::TestScreenContext* context = [] {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    return new testsupport::TestScreenContext();
  }();
  return *context;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto& context = Context();
  const std::string path = fuzzsupport::WriteScratch("screen/input.gui", data, size);
  if (path.empty()) return 0;
  auto gui = loadGui(path, context);
  context.pointer.update();
  gui->update();
  gui->draw();
  platform::Flip(-1);
  return 0;
}
