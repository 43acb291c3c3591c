// The sound synthesiser: stereo float tracks, decaying-sine instruments (bells, celesta,
// glockenspiel, pizzicato, bass, pad), filtered noise, a small room reverb, loudness
// measurement and loop wrapping. Everything is deterministic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen::audio {

constexpr int kRate = 44100;

// A stereo buffer of float samples (full scale = 1.0).
struct Track {
  std::vector<float> left;
  std::vector<float> right;

  Track() = default;
  explicit Track(double seconds);
  size_t frames() const { return left.size(); }
  double seconds() const { return static_cast<double>(frames()) / kRate; }
  void resize(size_t frames);
  void mix(const Track& other, size_t offset, float gain = 1.0f);
};

size_t toFrames(double seconds);
double midiToHz(double midi);

// One sinusoid of a timbre: frequency ratio to the note, amplitude, and the time constant of
// its exponential decay in seconds (0 = no decay: held until the note's release).
struct Partial {
  double ratio;
  double amp;
  double decay;
};

struct Timbre {
  std::vector<Partial> partials;
  double attack = 0.002;  // seconds of linear rise
  double release = 0.05;  // seconds of linear fall after the hold
  double detune = 0.0;    // cents of a second, slightly detuned copy (chorus); 0 = none
};

// The instruments of the game's sound.
namespace timbre {
const Timbre& celesta();
const Timbre& glockenspiel();
const Timbre& handbell();
const Timbre& pizzicato();
const Timbre& bass();
const Timbre& pad();
const Timbre& glass();
const Timbre& wood();
}  // namespace timbre

// A note: starts at `start` seconds, sounds for `hold` seconds (decaying partials may die
// sooner) and then releases. pan -1 left … 1 right.
struct Note {
  double start;
  double freq;
  double gain;
  double hold;
  double pan = 0.0;
};

// Adds the note to the track; frames past the end of the track are dropped.
void play(Track& track, const Timbre& timbre, const Note& note);
// Frames the note rings, from its start to silence (-80 dB) or the end of its release.
size_t noteFrames(const Timbre& timbre, const Note& note);

// A pitch glide of a single sine (booms, pops): frequency from f0 to f1 exponentially over
// the note, amplitude decaying with time constant `decay`.
void glide(Track& track, double start, double length, double f0, double f1, double gain,
           double decay, double attack = 0.002, double pan = 0.0);

// Noise through a resonant band-pass whose centre moves from f0 to f1 (exponentially) while
// its level follows a rise-then-fall envelope: whooshes, swirls and rattles.
struct NoiseSweep {
  double start = 0.0;
  double length = 0.3;
  double f0 = 400.0;
  double f1 = 2000.0;
  double q = 1.2;
  double gain = 0.5;
  double peakAt = 0.4;  // fraction of the length where the level peaks
  double panFrom = 0.0;
  double panTo = 0.0;
  double wobble = 0.0;  // depth of a sinusoidal centre wobble, in octaves
  double wobbleHz = 0.0;
  bool lowpass = false;  // low-pass instead of band-pass (booms, rumbles)
};
void noise(Track& track, const NoiseSweep& sweep, uint64_t seed);

// Short random clicks of filtered noise (fire crackle): `count` grains spread over the
// length, each a few ms long.
void crackle(Track& track, double start, double length, int count, double gain, uint64_t seed);

// A small room: parallel combs and series all-passes, mixed in at `wet`.
void reverb(Track& track, double wet, double roomSize = 0.8, double damping = 0.4);

// Folds everything from `loopFrames` on back onto the start, so that the first `loopFrames`
// frames play as a seamless loop; the track is cut to that length.
void wrapLoop(Track& track, size_t loopFrames);

float peak(const Track& track);
double rmsDb(const Track& track);
// Integrated loudness (K-weighted, gated) in LUFS.
double loudnessLufs(const Track& track);

void scale(Track& track, double gain);
// Scales the track so that its peak is `peakDb` dBFS.
void normalizePeak(Track& track, double peakDb);
// Brings the track to `lufs` with a soft ceiling at `ceilingDb` dBFS so peaks never clip.
void normalizeLoudness(Track& track, double lufs, double ceilingDb);
// Short linear fades at both ends of a one-shot sound.
void fadeEdges(Track& track, double inSeconds, double outSeconds);
// Cuts trailing silence (below -70 dBFS) and leaves `padSeconds` after the last sound.
void trimTail(Track& track, double padSeconds);

}  // namespace assetgen::audio
