// The sound effects: short and clean, bells and plucks for good events, wood for the UI,
// filtered noise for whooshes, fire and swirls, a low soft boom for bombs.
#include <string>
#include <vector>

#include "audio/AudioOut.h"
#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using namespace assetgen::audio;

double hz(double midi) { return midiToHz(midi); }

const Timbre& metal() {
  static const Timbre t{{{1, 1.0, 0.05}, {2.41, 0.6, 0.03}, {3.93, 0.35, 0.02}, {5.2, 0.2, 0.012}},
                        0.0005,
                        0.01,
                        0.0};
  return t;
}

// A rising run of bell notes `gap` seconds apart.
void run(Track& t, const Timbre& timbre, const std::vector<double>& midis, double start, double gap,
         double gain, double panFrom = -0.3, double panTo = 0.3) {
  for (size_t i = 0; i < midis.size(); ++i) {
    double u = midis.size() > 1 ? double(i) / double(midis.size() - 1) : 0.5;
    play(t, timbre,
         {start + gap * double(i), hz(midis[i]), gain, 2.0, panFrom + (panTo - panFrom) * u});
  }
}

// ---- Interface -------------------------------------------------------------------------------

Track click() {
  Track t(0.12);
  play(t, timbre::wood(), {0.0, 880.0, 1.0, 0.1});
  play(t, timbre::wood(), {0.0, 1760.0, 0.25, 0.1});
  noise(
      t,
      {.start = 0.0, .length = 0.008, .f0 = 3200, .f1 = 2600, .q = 0.8, .gain = 0.6, .peakAt = 0.1},
      11);
  return t;
}

Track menu() {
  Track t(0.3);
  play(t, timbre::glass(), {0.0, hz(96), 1.0, 0.25, 0.1});
  play(t, timbre::glass(), {0.06, hz(103), 0.35, 0.2, -0.1});
  return t;
}

Track put(double knock, double bell) {
  Track t(1.0);
  play(t, timbre::wood(), {0.0, knock, 1.0, 0.1});
  play(t, timbre::wood(), {0.0, knock * 0.5, 0.6, 0.1});
  play(t, timbre::celesta(), {0.012, hz(bell), 0.45, 0.8, 0.15});
  return t;
}

// The clock in the last seconds of a timed level: a soft woody tick with a faint high ping,
// short enough that ten of them never crowd the board's sounds.
Track clockTick() {
  Track t(0.18);
  play(t, timbre::wood(), {0.0, 1320.0, 1.0, 0.06});
  play(t, timbre::wood(), {0.0, 660.0, 0.35, 0.06});
  play(t, timbre::celesta(), {0.004, hz(100), 0.12, 0.12});
  return t;
}

// ---- Board ------------------------------------------------------------------------------------

Track plates() {
  Track t(2.0);
  play(t, timbre::handbell(), {0.0, hz(88), 1.0, 2.0});
  play(t, timbre::celesta(), {0.0, hz(100), 0.2, 1.0, 0.2});
  return t;
}

Track chain(uint64_t seed) {
  assetgen::Rng rng(seed);
  Track t(0.6);
  play(t, metal(), {0.0, rng.range(900, 1100), 0.8, 0.3});
  int clinks = rng.between(7, 9);
  for (int i = 0; i < clinks; ++i) {
    double at = 0.01 + rng.range(0.0, 0.34) * rng.range(0.4, 1.0);
    play(t, metal(), {at, rng.range(2300, 4600), rng.range(0.25, 0.6), 0.2, rng.range(-0.5, 0.5)});
  }
  noise(t,
        {.start = 0.0,
         .length = 0.35,
         .f0 = 5000,
         .f1 = 3500,
         .q = 0.9,
         .gain = 0.12,
         .peakAt = 0.05},
        seed);
  return t;
}

// A glassy pop: a quick downward chirp into a short glass ring.
void pop(Track& t, double start, double midi, double gain, double pan) {
  double f = hz(midi);
  glide(t, start, 0.04, f * 1.7, f, gain * 0.5, 0.012, 0.0005, pan);
  play(t, timbre::glass(), {start + 0.004, f, gain, 0.4, pan});
}

Track particle(const std::vector<double>& midis, double shimmer) {
  Track t(0.8);
  for (size_t i = 0; i < midis.size(); ++i)
    pop(t, 0.055 * double(i), midis[i], 1.0 - 0.15 * double(i), -0.3 + 0.3 * double(i));
  if (shimmer > 0.0)
    noise(t,
          {.start = 0.05,
           .length = 0.45,
           .f0 = 6000,
           .f1 = 9000,
           .q = 2.0,
           .gain = shimmer,
           .peakAt = 0.3},
          77);
  return t;
}

Track fly(double f0, double f1, double length, double panFrom, double panTo, uint64_t seed) {
  Track t(length + 0.05);
  noise(t,
        {.start = 0.0,
         .length = length,
         .f0 = f0,
         .f1 = f1,
         .q = 1.4,
         .gain = 1.0,
         .peakAt = 0.55,
         .panFrom = panFrom,
         .panTo = panTo},
        seed);
  noise(t,
        {.start = 0.0,
         .length = length,
         .f0 = f0 * 0.5,
         .f1 = f1 * 0.5,
         .q = 0.8,
         .gain = 0.4,
         .peakAt = 0.5,
         .panFrom = panFrom,
         .panTo = panTo},
        seed + 1);
  return t;
}

// ---- Bonuses ----------------------------------------------------------------------------------

Track bonus(double root) {
  Track t(1.6);
  run(t, timbre::celesta(), {root, root + 4, root + 7, root + 12, root + 16}, 0.0, 0.055, 0.8);
  play(t, timbre::glockenspiel(), {0.28, hz(root + 19), 0.7, 1.2, 0.25});
  noise(
      t,
      {.start = 0.05, .length = 0.9, .f0 = 7000, .f1 = 10000, .q = 2.5, .gain = 0.1, .peakAt = 0.3},
      5);
  return t;
}

Track begin(double root) {
  Track t(2.6);
  run(t, timbre::glockenspiel(), {root, root + 4, root + 7, root + 12}, 0.0, 0.09, 0.7);
  play(t, timbre::handbell(), {0.36, hz(root + 12), 0.8, 2.0});
  for (double m : {root - 12, root - 5, root + 4}) play(t, timbre::pad(), {0.0, hz(m), 0.12, 1.0});
  return t;
}

Track bomb(double depth, uint64_t seed) {
  Track t(1.6);
  glide(t, 0.0, 1.3, 105.0 * depth, 36.0 * depth, 1.0, 0.35, 0.004);
  glide(t, 0.0, 0.25, 190.0 * depth, 70.0 * depth, 0.5, 0.06, 0.002);
  noise(t,
        {.start = 0.0,
         .length = 1.1,
         .f0 = 900,
         .f1 = 110,
         .q = 0.7,
         .gain = 1.2,
         .peakAt = 0.03,
         .lowpass = true},
        seed);
  reverb(t, 0.15);
  return t;
}

// Cross fire: a flame that sweeps along the line with crackles. The dark variants burn
// downward and longer.
Track fire(bool dark, double panFrom, double panTo, uint64_t seed) {
  double length = dark ? 1.0 : 0.8;
  Track t(length + 0.1);
  NoiseSweep flame{.start = 0.0,
                   .length = length,
                   .f0 = dark ? 2600.0 : 900.0,
                   .f1 = dark ? 700.0 : 2800.0,
                   .q = 0.9,
                   .gain = 0.8,
                   .peakAt = 0.25,
                   .panFrom = panFrom,
                   .panTo = panTo};
  noise(t, flame, seed);
  noise(t,
        {.start = 0.0,
         .length = length,
         .f0 = 380,
         .f1 = 180,
         .q = 0.7,
         .gain = 0.5,
         .peakAt = 0.2,
         .lowpass = true},
        seed + 1);
  crackle(t, 0.02, length * 0.85, dark ? 55 : 38, 0.9, seed + 2);
  return t;
}

Track swirl(double panFrom, double panTo, const std::vector<double>& notes, uint64_t seed) {
  Track t(1.4);
  noise(t,
        {.start = 0.0,
         .length = 0.9,
         .f0 = 450,
         .f1 = 3200,
         .q = 2.2,
         .gain = 1.0,
         .peakAt = 0.6,
         .panFrom = panFrom,
         .panTo = panTo,
         .wobble = 0.7,
         .wobbleHz = 7.0},
        seed);
  run(t, timbre::glockenspiel(), notes, 0.1, 0.07, 0.35, panFrom, panTo);
  return t;
}

void makeInterfaceSounds(assetgen::Output& out) {
  saveEffect(out, "sfx/click.ogg", click());
  saveEffect(out, "sfx/menu.ogg", menu());
  saveEffect(out, "sfx/put1.ogg", put(520.0, 91));
  saveEffect(out, "sfx/put2.ogg", put(440.0, 88));
  saveEffect(out, "sfx/clock-tick.ogg", clockTick());
}
ASSETGEN_REGISTER("sfx interface", makeInterfaceSounds);

void makeBoardSounds(assetgen::Output& out) {
  saveEffect(out, "sfx/plates.ogg", plates());
  saveEffect(out, "sfx/lancuch1.ogg", chain(21));
  saveEffect(out, "sfx/lancuch2.ogg", chain(22));
  // Pops rise with the size of the match: 3 tiles (1-3), 4 tiles, 5 tiles.
  saveEffect(out, "sfx/particle1.ogg", particle({81}, 0.0));
  saveEffect(out, "sfx/particle2.ogg", particle({84}, 0.0));
  saveEffect(out, "sfx/particle3.ogg", particle({86}, 0.0));
  saveEffect(out, "sfx/particle4.ogg", particle({88, 91}, 0.04));
  saveEffect(out, "sfx/particle5.ogg", particle({91, 95, 98}, 0.08));
  saveEffect(out, "sfx/fly1.ogg", fly(500, 2400, 0.24, -0.4, 0.4, 31));
  saveEffect(out, "sfx/fly2.ogg", fly(700, 3000, 0.18, 0.0, 0.3, 32));
  saveEffect(out, "sfx/fly3.ogg", fly(420, 1800, 0.22, 0.3, -0.2, 33));
  saveEffect(out, "sfx/fly4.ogg", fly(900, 2200, 0.2, -0.2, 0.2, 34));
}
ASSETGEN_REGISTER("sfx board", makeBoardSounds);

void makeBonusSounds(assetgen::Output& out) {
  saveEffect(out, "sfx/bonus1.ogg", bonus(84));
  saveEffect(out, "sfx/bonus2.ogg", bonus(86));
  saveEffect(out, "sfx/bonus3.ogg", bonus(88));
  saveEffect(out, "sfx/begin1.ogg", begin(72));
  saveEffect(out, "sfx/begin2.ogg", begin(67));
  saveEffect(out, "sfx/bomb1.ogg", bomb(1.0, 41));
  saveEffect(out, "sfx/bomb2.ogg", bomb(0.9, 42));
  saveEffect(out, "sfx/bomb3.ogg", bomb(1.1, 43));
  saveEffect(out, "sfx/cross-long1.ogg", fire(false, -0.6, 0.6, 51));
  saveEffect(out, "sfx/cross-long2.ogg", fire(false, 0.6, -0.6, 52));
  saveEffect(out, "sfx/cross-long1d.ogg", fire(true, -0.5, 0.5, 53));
  saveEffect(out, "sfx/cross-long2d.ogg", fire(true, 0.5, -0.5, 54));
  saveEffect(out, "sfx/wir1.ogg", swirl(-0.6, 0.6, {79, 81, 84, 86, 88, 91}, 61));
  saveEffect(out, "sfx/wir2.ogg", swirl(0.6, -0.6, {76, 79, 81, 83, 86, 88}, 62));
}
ASSETGEN_REGISTER("sfx bonus", makeBonusSounds);

}  // namespace
