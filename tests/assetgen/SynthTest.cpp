// The generator's synthesiser and arranger: loudness measurement, loop folding, tune parsing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/Arranger.h"
#include "audio/Levels.h"
#include "audio/Synth.h"

namespace {

using namespace assetgen::audio;

Track sine(double seconds, double hz, double left, double right) {
  Track t(seconds);
  for (size_t i = 0; i < t.frames(); ++i) {
    double s = std::sin(2 * M_PI * hz * double(i) / kRate);
    t.left[i] = float(left * s);
    t.right[i] = float(right * s);
  }
  return t;
}

TEST(SynthLoudness, MatchesTheReferenceLevelsOfASine) {
  struct Case {
    double left, right, lufs;
  };
  // A full-scale 1 kHz sine in both channels reads 0 LUFS, in one channel -3 LUFS.
  const Case cases[] = {{1.0, 1.0, 0.0}, {0.1, 0.1, -20.0}, {1.0, 0.0, -3.01}};
  for (const Case& c : cases)
    EXPECT_NEAR(loudnessLufs(sine(3.0, 1000, c.left, c.right)), c.lufs, 0.1)
        << c.left << " " << c.right;
}

TEST(SynthLoudness, NormalisingReachesTheTargetWithoutPassingTheCeiling) {
  Track t = sine(2.0, 440, 0.05, 0.05);
  for (size_t i = 0; i < t.frames(); i += kRate / 4) t.left[i] = 0.9f;  // sharp peaks
  normalizeLoudness(t, kMusicLufs, kMusicCeilingDb);
  EXPECT_NEAR(loudnessLufs(t), kMusicLufs, 0.2);
  EXPECT_LE(peak(t), std::pow(10.0, kMusicCeilingDb / 20.0));
}

TEST(SynthLoop, FoldingPutsWhatRingsPastTheEndAtTheStart) {
  const double loop = 1.0;
  Track rendered(loop + 2.0);
  play(rendered, timbre::handbell(), {loop - 0.1, 880.0, 0.5, 3.0});
  Track wrapped = rendered;
  wrapLoop(wrapped, toFrames(loop));
  ASSERT_EQ(wrapped.frames(), toFrames(loop));
  const size_t n = toFrames(loop);
  for (size_t i = 0; i < n; i += 97)
    EXPECT_FLOAT_EQ(wrapped.left[i],
                    rendered.left[i] + rendered.left[i + n] +
                        (i + 2 * n < rendered.frames() ? rendered.left[i + 2 * n] : 0.0f));
  // So the end runs on into the start without a click: no bigger a step than inside.
  float inside = 0.0f;
  for (size_t i = 1; i < n; ++i)
    inside = std::max(inside, std::fabs(wrapped.left[i] - wrapped.left[i - 1]));
  EXPECT_LE(std::fabs(wrapped.left[n - 1] - wrapped.left[0]), inside);
}

TEST(Arranger, MelodyLengthsCarryOnAndPickupsComeBeforeTheFirstBar) {
  std::string error;
  const auto notes = parseMelody("C4:0.5 D#4 | R:2 Bb3", 1.0, error);
  ASSERT_TRUE(error.empty()) << error;
  ASSERT_EQ(notes.size(), 4u);
  EXPECT_DOUBLE_EQ(notes[0].beat, -1.0);
  EXPECT_EQ(notes[0].midi, 60);
  EXPECT_DOUBLE_EQ(notes[1].length, 0.5);
  EXPECT_EQ(notes[1].midi, 63);
  EXPECT_EQ(notes[2].midi, -1);
  EXPECT_DOUBLE_EQ(notes[3].beat, 2.0);
  EXPECT_EQ(notes[3].midi, 58);
  EXPECT_DOUBLE_EQ(notes[3].length, 2.0);
}

TEST(Arranger, BrokenTunesAreRefusedWithAReason) {
  struct Case {
    const char* melody;
    const char* chords;
  };
  const Case cases[] = {
      {"H4:1 C4:3", "C:4"},  // not a note
      {"C4:0 C4:4", "C:4"},  // no length
      {"C4:4", "Cxyz:4"},    // unknown chord
      {"C4:4", "C"},         // chord without length
      {"C4:3", "C:4"},       // melody shorter than the chords
      {"C4:2", "C:2"},       // half a bar
  };
  for (const Case& c : cases) {
    Song song{"broken", 120, 4, 0.0, 0, c.melody, c.chords, {{&timbre::celesta()}}};
    std::string error;
    Track t = arrange(song, error);
    EXPECT_FALSE(error.empty()) << c.melody << " / " << c.chords;
    EXPECT_EQ(t.frames(), 0u);
  }
}

TEST(Arranger, ASongBecomesALoopOfItsRoundsAtTheMusicLevel) {
  Song song{"short",
            120,
            4,
            1.0,
            0,
            "G4:1 | C5:1 E5 G5 E5 | C5:3",
            "C:4 G7:2 C:2",
            {{&timbre::celesta(), 1}, {&timbre::glockenspiel(), 1, true, true}}};
  std::string error;
  Track t = arrange(song, error);
  ASSERT_TRUE(error.empty()) << error;
  EXPECT_EQ(t.frames(), toFrames(2 * 8 * 0.5)) << "two rounds of eight beats at 120 bpm";
  EXPECT_NEAR(loudnessLufs(t), kMusicLufs, 0.3);
  EXPECT_LE(peak(t), std::pow(10.0, kMusicCeilingDb / 20.0));
}

}  // namespace
