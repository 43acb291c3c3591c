#include "audio/Synth.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Rng.h"

namespace assetgen::audio {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Time constants are stretched to this many of themselves to reach -80 dB.
constexpr double kRingToSilence = 9.21;

struct PanGains {
  float left;
  float right;
};

PanGains panGains(double pan) {
  double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
  return {static_cast<float>(std::cos(angle) * std::sqrt(2.0)),
          static_cast<float>(std::sin(angle) * std::sqrt(2.0))};
}

// Attack, hold and release of one note, one value per frame.
std::vector<float> envelope(size_t frames, double attack, double hold, double release) {
  std::vector<float> env(frames);
  double attackFrames = std::max(1.0, attack * kRate);
  double holdFrames = hold * kRate;
  double releaseFrames = std::max(1.0, release * kRate);
  for (size_t i = 0; i < frames; ++i) {
    double t = static_cast<double>(i);
    double a = std::min(1.0, t / attackFrames);
    double r = t <= holdFrames ? 1.0 : std::max(0.0, 1.0 - (t - holdFrames) / releaseFrames);
    env[i] = static_cast<float>(a * r);
  }
  return env;
}

// Decaying sinusoids by complex rotation, four at a time: each costs four multiplications a
// frame and no table, and the four independent recurrences keep the processor busy.
struct Rotor {
  double c = 1.0, s = 0.0, re = 0.0, im = 0.0;
};

Rotor rotor(double freq, double amp, double decay) {
  double w = 2.0 * kPi * freq / kRate;
  double r = decay > 0.0 ? std::exp(-1.0 / (decay * kRate)) : 1.0;
  return {std::cos(w) * r, std::sin(w) * r, amp, 0.0};
}

void addRotors(Track& track, size_t first, const std::vector<float>& env,
               const std::vector<Rotor>& rotors, PanGains pan) {
  size_t frames = std::min(env.size(), track.frames() > first ? track.frames() - first : 0);
  float* left = track.left.data() + first;
  float* right = track.right.data() + first;
  for (size_t k = 0; k < rotors.size(); k += 4) {
    Rotor q[4];  // unused lanes stay silent
    for (size_t j = 0; j < 4 && k + j < rotors.size(); ++j) q[j] = rotors[k + j];
    for (size_t i = 0; i < frames; ++i) {
      float y = static_cast<float>(q[0].im + q[1].im + q[2].im + q[3].im) * env[i];
      left[i] += y * pan.left;
      right[i] += y * pan.right;
      for (Rotor& o : q) {
        double nre = o.re * o.c - o.im * o.s;
        o.im = o.re * o.s + o.im * o.c;
        o.re = nre;
      }
    }
  }
}

double longestDecay(const Timbre& timbre) {
  double longest = 0.0;
  for (const Partial& p : timbre.partials) {
    if (p.decay <= 0.0) return 0.0;  // held partial: the note lasts its hold
    longest = std::max(longest, p.decay);
  }
  return longest;
}

// The resonant filter of the noise sweeps (topology-preserving state-variable form).
struct StateVariableFilter {
  double ic1 = 0.0;
  double ic2 = 0.0;
  double a1 = 0.0, a2 = 0.0, a3 = 0.0;
  void tune(double cutoff, double q) {
    double g = std::tan(kPi * std::clamp(cutoff, 20.0, 0.45 * kRate) / kRate);
    double k = 1.0 / q;
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
  }
  // Returns band-pass and low-pass outputs.
  std::pair<double, double> run(double x) {
    double v3 = x - ic2;
    double v1 = a1 * ic1 + a2 * v3;
    double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    return {v1, v2};
  }
};

double swellEnvelope(double u, double peakAt) {
  if (u < peakAt) {
    double s = std::sin(0.5 * kPi * u / peakAt);
    return s * s;
  }
  double c = std::cos(0.5 * kPi * (u - peakAt) / std::max(1e-6, 1.0 - peakAt));
  return c * c;
}

struct Biquad {
  double b0, b1, b2, a1, a2;
  double z1 = 0.0, z2 = 0.0;
  double run(double x) {
    double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
  }
};

// The two stages of the K-weighting of loudness measurement (a high shelf and a high-pass),
// from their analogue prototypes at our sample rate.
std::array<Biquad, 2> kWeighting() {
  const double shelfK = std::tan(kPi * 1681.974450955533 / kRate);
  const double shelfQ = 0.7071752369554196;
  const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
  const double vb = std::pow(vh, 0.4996667741545416);
  const double s0 = 1.0 + shelfK / shelfQ + shelfK * shelfK;
  Biquad shelf{(vh + vb * shelfK / shelfQ + shelfK * shelfK) / s0,
               2.0 * (shelfK * shelfK - vh) / s0,
               (vh - vb * shelfK / shelfQ + shelfK * shelfK) / s0,
               2.0 * (shelfK * shelfK - 1.0) / s0, (1.0 - shelfK / shelfQ + shelfK * shelfK) / s0};
  const double highK = std::tan(kPi * 38.13547087602444 / kRate);
  const double highQ = 0.5003270373238773;
  const double h0 = 1.0 + highK / highQ + highK * highK;
  Biquad high{1.0, -2.0, 1.0, 2.0 * (highK * highK - 1.0) / h0,
              (1.0 - highK / highQ + highK * highK) / h0};
  return {shelf, high};
}

void softCeiling(Track& track, double ceiling) {
  double knee = 0.7 * ceiling;
  double span = ceiling - knee;
  auto shape = [&](float& x) {
    double m = std::fabs(x);
    if (m <= knee) return;
    double y = knee + span * std::tanh((m - knee) / span);
    x = static_cast<float>(x < 0 ? -y : y);
  };
  for (float& x : track.left) shape(x);
  for (float& x : track.right) shape(x);
}

}  // namespace

Track::Track(double seconds) { resize(toFrames(seconds)); }

void Track::resize(size_t frames) {
  left.resize(frames, 0.0f);
  right.resize(frames, 0.0f);
}

void Track::mix(const Track& other, size_t offset, float gain) {
  if (offset + other.frames() > frames()) resize(offset + other.frames());
  for (size_t i = 0; i < other.frames(); ++i) {
    left[offset + i] += other.left[i] * gain;
    right[offset + i] += other.right[i] * gain;
  }
}

size_t toFrames(double seconds) {
  return seconds <= 0.0 ? 0 : static_cast<size_t>(std::llround(seconds * kRate));
}

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

namespace timbre {

const Timbre& celesta() {
  static const Timbre t{
      {{1, 1.0, 0.9}, {2, 0.18, 0.35}, {3, 0.07, 0.2}, {4.02, 0.04, 0.12}}, 0.003, 0.08, 0.0};
  return t;
}

const Timbre& glockenspiel() {
  static const Timbre t{
      {{1, 1.0, 1.3}, {2.76, 0.32, 0.35}, {5.40, 0.12, 0.14}, {8.93, 0.05, 0.07}}, 0.001, 0.1, 0.0};
  return t;
}

const Timbre& handbell() {
  static const Timbre t{{{0.5, 0.22, 2.2},
                         {1, 1.0, 1.6},
                         {1.003, 0.4, 1.6},
                         {1.19, 0.25, 1.0},
                         {1.5, 0.18, 0.8},
                         {2.0, 0.3, 0.7},
                         {2.52, 0.1, 0.4},
                         {3.01, 0.08, 0.3}},
                        0.002,
                        0.15,
                        0.0};
  return t;
}

const Timbre& pizzicato() {
  static const Timbre t{
      {{1, 1.0, 0.45}, {2, 0.42, 0.28}, {3, 0.2, 0.2}, {4, 0.1, 0.14}, {5, 0.05, 0.1}},
      0.004,
      0.06,
      0.0};
  return t;
}

const Timbre& bass() {
  static const Timbre t{{{1, 1.0, 1.1}, {2, 0.3, 0.5}, {3, 0.08, 0.3}}, 0.01, 0.08, 0.0};
  return t;
}

const Timbre& pad() {
  static const Timbre t{
      {{1, 1.0, 0.0}, {2, 0.28, 0.0}, {3, 0.1, 0.0}, {4, 0.04, 0.0}}, 0.45, 0.9, 7.0};
  return t;
}

const Timbre& glass() {
  static const Timbre t{{{1, 1.0, 0.16}, {2.32, 0.35, 0.08}, {4.25, 0.18, 0.05}, {6.8, 0.06, 0.03}},
                        0.001,
                        0.02,
                        0.0};
  return t;
}

const Timbre& wood() {
  static const Timbre t{
      {{1, 1.0, 0.022}, {2.57, 0.45, 0.012}, {4.1, 0.18, 0.007}}, 0.0006, 0.01, 0.0};
  return t;
}

}  // namespace timbre

size_t noteFrames(const Timbre& timbre, const Note& note) {
  double decay = longestDecay(timbre);
  double sounding = decay > 0.0 ? std::min(note.hold, decay * kRingToSilence) : note.hold;
  return toFrames(sounding + timbre.release);
}

void play(Track& track, const Timbre& timbre, const Note& note) {
  size_t first = toFrames(note.start);
  if (first >= track.frames()) return;
  std::vector<float> env =
      envelope(noteFrames(timbre, note), timbre.attack, note.hold, timbre.release);
  double spread = std::pow(2.0, timbre.detune / 1200.0);
  double copies = timbre.detune > 0.0 ? 0.5 : 1.0;
  std::vector<Rotor> rotors;
  for (const Partial& p : timbre.partials) {
    double freq = note.freq * p.ratio;
    double amp = p.amp * note.gain * copies;
    if (freq < 0.45 * kRate) rotors.push_back(rotor(freq, amp, p.decay));
    if (timbre.detune > 0.0 && freq * spread < 0.45 * kRate)
      rotors.push_back(rotor(freq * spread, amp, p.decay));
  }
  addRotors(track, first, env, rotors, panGains(note.pan));
}

void glide(Track& track, double start, double length, double f0, double f1, double gain,
           double decay, double attack, double pan) {
  size_t first = toFrames(start);
  size_t frames = std::min(toFrames(length), track.frames() > first ? track.frames() - first : 0);
  std::vector<float> env = envelope(frames, attack, length * 0.85, length * 0.15);
  PanGains g = panGains(pan);
  double phase = 0.0;
  double k = std::log(f1 / f0) / std::max<double>(1.0, static_cast<double>(frames));
  for (size_t i = 0; i < frames; ++i) {
    double t = static_cast<double>(i) / kRate;
    double f = f0 * std::exp(k * static_cast<double>(i));
    phase += 2.0 * kPi * f / kRate;
    float y = static_cast<float>(gain * std::exp(-t / decay) * std::sin(phase)) * env[i];
    track.left[first + i] += y * g.left;
    track.right[first + i] += y * g.right;
  }
}

void noise(Track& track, const NoiseSweep& sweep, uint64_t seed) {
  Rng rng(seed);
  StateVariableFilter filter;
  size_t first = toFrames(sweep.start);
  size_t frames =
      std::min(toFrames(sweep.length), track.frames() > first ? track.frames() - first : 0);
  double ratio = sweep.f1 / sweep.f0;
  for (size_t i = 0; i < frames; ++i) {
    double u = static_cast<double>(i) / std::max<size_t>(1, frames);
    if (i % 16 == 0) {
      double wob = sweep.wobble * std::sin(2.0 * kPi * sweep.wobbleHz * u * sweep.length);
      filter.tune(sweep.f0 * std::pow(ratio, u) * std::pow(2.0, wob), sweep.q);
    }
    auto [band, low] = filter.run(rng.range(-1.0, 1.0));
    double y = (sweep.lowpass ? low : band) * sweep.gain * swellEnvelope(u, sweep.peakAt);
    PanGains g = panGains(sweep.panFrom + (sweep.panTo - sweep.panFrom) * u);
    track.left[first + i] += static_cast<float>(y) * g.left;
    track.right[first + i] += static_cast<float>(y) * g.right;
  }
}

void crackle(Track& track, double start, double length, int count, double gain, uint64_t seed) {
  Rng rng(seed);
  for (int n = 0; n < count; ++n) {
    size_t at = toFrames(start + rng.range(0.0, length));
    double amp = gain * rng.range(0.3, 1.0);
    double tau = rng.range(0.0004, 0.0015) * kRate;
    PanGains g = panGains(rng.range(-0.6, 0.6));
    size_t grain = static_cast<size_t>(tau * 6.0);
    double previous = 0.0;
    for (size_t i = 0; i < grain && at + i < track.frames(); ++i) {
      double x = rng.range(-1.0, 1.0);
      double y = (x - previous) * 0.5 * amp * std::exp(-static_cast<double>(i) / tau);
      previous = x;
      track.left[at + i] += static_cast<float>(y) * g.left;
      track.right[at + i] += static_cast<float>(y) * g.right;
    }
  }
}

void reverb(Track& track, double wet, double roomSize, double damping) {
  static constexpr std::array<int, 6> kCombs{1116, 1188, 1277, 1356, 1422, 1491};
  static constexpr std::array<int, 4> kAllPasses{556, 441, 341, 225};
  const double feedback = roomSize * 0.28 + 0.7;
  const double damp = damping * 0.4;
  auto channel = [&](std::vector<float>& samples, int spread) {
    std::vector<std::vector<float>> combs, passes;
    for (int n : kCombs) combs.emplace_back(n + spread, 0.0f);
    for (int n : kAllPasses) passes.emplace_back(n + spread, 0.0f);
    std::vector<size_t> combAt(combs.size(), 0), passAt(passes.size(), 0);
    std::vector<double> store(combs.size(), 0.0);
    std::vector<float> out(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
      double in = samples[i] * 0.02;
      double sum = 0.0;
      for (size_t c = 0; c < combs.size(); ++c) {
        float& cell = combs[c][combAt[c]];
        double y = cell;
        store[c] = y * (1.0 - damp) + store[c] * damp;
        cell = static_cast<float>(in + store[c] * feedback);
        if (++combAt[c] == combs[c].size()) combAt[c] = 0;
        sum += y;
      }
      for (size_t a = 0; a < passes.size(); ++a) {
        float& cell = passes[a][passAt[a]];
        double buffered = cell;
        cell = static_cast<float>(sum + buffered * 0.5);
        sum = buffered - sum;
        if (++passAt[a] == passes[a].size()) passAt[a] = 0;
      }
      out[i] = static_cast<float>(sum);
    }
    for (size_t i = 0; i < samples.size(); ++i)
      samples[i] += static_cast<float>(out[i] * wet * 3.0);
  };
  channel(track.left, 0);
  channel(track.right, 23);
}

void wrapLoop(Track& track, size_t loopFrames) {
  if (loopFrames == 0 || track.frames() <= loopFrames) {
    track.resize(loopFrames);
    return;
  }
  for (size_t i = loopFrames; i < track.frames(); ++i) {
    track.left[i % loopFrames] += track.left[i];
    track.right[i % loopFrames] += track.right[i];
  }
  track.left.resize(loopFrames);
  track.right.resize(loopFrames);
}

float peak(const Track& track) {
  float p = 0.0f;
  for (float x : track.left) p = std::max(p, std::fabs(x));
  for (float x : track.right) p = std::max(p, std::fabs(x));
  return p;
}

double rmsDb(const Track& track) {
  double sum = 0.0;
  for (size_t i = 0; i < track.frames(); ++i)
    sum += track.left[i] * track.left[i] + track.right[i] * track.right[i];
  double mean = sum / std::max<size_t>(1, 2 * track.frames());
  return 10.0 * std::log10(std::max(mean, 1e-12));
}

double loudnessLufs(const Track& track) {
  // Mean squares of 100 ms steps; a 400 ms block is four consecutive steps.
  const size_t step = kRate / 10;
  std::vector<double> steps(track.frames() / step, 0.0);
  for (const std::vector<float>* ch : {&track.left, &track.right}) {
    auto filters = kWeighting();
    for (size_t i = 0; i < steps.size() * step; ++i) {
      double y = filters[1].run(filters[0].run((*ch)[i]));
      steps[i / step] += y * y / static_cast<double>(step);
    }
  }
  std::vector<double> blocks;
  for (size_t b = 0; b + 4 <= steps.size(); ++b)
    blocks.push_back((steps[b] + steps[b + 1] + steps[b + 2] + steps[b + 3]) / 4.0);
  auto lufs = [](double power) { return -0.691 + 10.0 * std::log10(std::max(power, 1e-12)); };
  auto gatedMean = [&](double gate) {
    double sum = 0.0;
    int count = 0;
    for (double p : blocks)
      if (lufs(p) > gate) sum += p, ++count;
    return count ? sum / count : 0.0;
  };
  double ungated = gatedMean(-70.0);
  return lufs(gatedMean(lufs(ungated) - 10.0));
}

void scale(Track& track, double gain) {
  for (float& x : track.left) x = static_cast<float>(x * gain);
  for (float& x : track.right) x = static_cast<float>(x * gain);
}

void normalizePeak(Track& track, double peakDb) {
  float p = peak(track);
  if (p > 0.0f) scale(track, std::pow(10.0, peakDb / 20.0) / p);
}

void normalizeLoudness(Track& track, double lufs, double ceilingDb) {
  const Track original = track;
  double ceiling = std::pow(10.0, ceilingDb / 20.0);
  double gainDb = lufs - loudnessLufs(original);
  for (int pass = 0; pass < 4; ++pass) {
    track = original;
    scale(track, std::pow(10.0, gainDb / 20.0));
    softCeiling(track, ceiling);
    double error = lufs - loudnessLufs(track);
    if (std::fabs(error) < 0.1) break;
    gainDb += error;
  }
}

void fadeEdges(Track& track, double inSeconds, double outSeconds) {
  size_t in = std::min(track.frames(), toFrames(inSeconds));
  size_t out = std::min(track.frames(), toFrames(outSeconds));
  for (size_t i = 0; i < in; ++i) {
    float g = static_cast<float>(i) / static_cast<float>(in);
    track.left[i] *= g;
    track.right[i] *= g;
  }
  for (size_t i = 0; i < out; ++i) {
    float g = static_cast<float>(i) / static_cast<float>(out);
    track.left[track.frames() - 1 - i] *= g;
    track.right[track.frames() - 1 - i] *= g;
  }
}

void trimTail(Track& track, double padSeconds) {
  float threshold = peak(track) * 3.2e-4f;
  size_t last = 0;
  for (size_t i = 0; i < track.frames(); ++i)
    if (std::fabs(track.left[i]) > threshold || std::fabs(track.right[i]) > threshold) last = i;
  track.resize(std::min(track.frames(), last + 1 + toFrames(padSeconds)));
}

}  // namespace assetgen::audio
