// The intro's bell: one soft, warm strike of a small church bell with a long gentle decay. The
// partials follow a tuned bell (hum an octave below, prime, minor third, fifth, nominal an
// octave above and a few higher), the low ones ringing longest; a felt-soft strike and a little
// room keep it warm rather than clangy.
#include "audio/AudioOut.h"
#include "core/Registry.h"

namespace {

using namespace assetgen::audio;

const Timbre& churchBell() {
  static const Timbre t{{{0.5, 0.55, 2.0},
                         {0.502, 0.2, 1.9},
                         {1.0, 1.0, 1.4},
                         {1.003, 0.35, 1.3},
                         {1.19, 0.4, 1.0},
                         {1.5, 0.22, 0.8},
                         {2.0, 0.35, 0.7},
                         {2.51, 0.12, 0.45},
                         {2.66, 0.08, 0.4},
                         {3.01, 0.06, 0.3},
                         {4.1, 0.03, 0.18}},
                        0.004,
                        0.4,
                        0.0};
  return t;
}

Track bell() {
  Track t(4.0);
  play(t, churchBell(), {0.0, midiToHz(64), 1.0, 3.8});
  noise(
      t,
      {.start = 0.0, .length = 0.05, .f0 = 1800, .f1 = 900, .q = 0.8, .gain = 0.08, .peakAt = 0.1},
      71);
  reverb(t, 0.22, 0.85, 0.5);
  // The last of the hum dies away slowly instead of being cut.
  fadeEdges(t, 0.0, 1.4);
  return t;
}

void makeIntroBell(assetgen::Output& out) { saveEffect(out, "sfx/intro_bell.ogg", bell()); }
ASSETGEN_REGISTER("sfx intro bell", makeIntroBell);

}  // namespace
