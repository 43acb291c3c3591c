// Feeds arbitrary bytes to the options reader as the settings file, checks that what it
// read is within range, and saves it back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Globals.h"
#include "fuzz/FuzzScratch.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "support/TestScreenContext.h"

namespace {

struct Services {
  testsupport::TestScreenContext screen;
  TGlobalSnd sounds{screen};
};

Services& Ready() {
  static Services* services = [] {
    platform::InitHeadless();
    dataFolder = fuzzsupport::ScratchDir();
    return new Services();
  }();
  return *services;
}

void Check(bool holds) {
  if (!holds) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Services& services = Ready();
  if (fuzzsupport::WriteScratch("Data/settings.dat", data, size).empty()) return 0;
  TOptions options(services.screen, services.sounds);
  options.loadOptions();
  Check(options.fullScreen == 0 || options.fullScreen == 1);
  Check(options.musicVol >= 0 && options.musicVol <= 10);
  Check(options.soundVol >= 0 && options.soundVol <= 10);
  options.saveOptions();
  return 0;
}
