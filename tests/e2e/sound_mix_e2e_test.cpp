// The loudest moment the board makes: a field of bombs on two-layer plates set off at once
// (the ordinary tiles of the last row leave a move, so the board is not shuffled).
// Every blast, plate and sparkle sound starts within a second or two, and the mix must
// still never clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "e2e/GameRun.h"
#include "player/SoundFixture.h"

namespace {

const std::string kBombField = std::string(GLIMMERFIR_TEST_DATA) + "/levels/bomb-field.lvl";

TEST(SoundMixEndToEnd, ABombCascadeOverPlatesNeverClips) {
  e2e::GameRun run;
  // Effects and music at full volume, as a player may set them.
  std::filesystem::create_directories(run.path("xdg/Glimmerfir/Data"));
  run.writeFile("xdg/Glimmerfir/Data/settings.dat",
                "settings {\n\tfullScreen = 0\n\tmusicVolume = 10\n\tsoundVolume = 10\n}\n");
  run.recordSound("cascade.wav");
  // The bomb in the middle of the 7 x 9 board: selected, then pressed again to fire it.
  const std::string fire =
      "290 move 400 319\n291 press 1\n293 release 1\n"
      "300 press 1\n302 release 1\n";
  const std::string out = run.run(kBombField, 480, fire);
  EXPECT_EQ(run.exitCode(), 0) << out;

  const soundtest::Wav wav = soundtest::readWav(run.path("cascade.wav"));
  ASSERT_EQ(wav.channels, 2);
  const size_t fired = size_t{44100} * 2 * (300 + run.startFrame()) / 60;
  ASSERT_GT(wav.samples.size(), fired + size_t{44100} * 2 * 2);
  int clipped = 0, loudest = 0;
  for (size_t i = fired; i < wav.samples.size(); ++i) {
    const int sample = std::abs(int(wav.samples[i]));
    loudest = std::max(loudest, sample);
    clipped += sample >= 32767 ? 1 : 0;
  }
  EXPECT_EQ(clipped, 0);
  // The cascade did play, loudly: the sum rose past the level where the mixer starts to hold
  // it back (about -3 dBFS, far above one effect), and the second after the blast is louder
  // than the music before it.
  EXPECT_GT(loudest, int(0.7 * 32767));
  const size_t second = size_t{44100} * 2;
  EXPECT_GT(soundtest::rmsDb(wav.samples, fired, fired + second),
            soundtest::rmsDb(wav.samples, fired - 2 * second, fired - second) + 2.0);
}

}  // namespace
