#include "audio/Arranger.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "audio/Levels.h"
#include "core/Rng.h"

namespace assetgen::audio {

namespace {

// Seconds after the loop's end that are rendered and folded back onto its start.
constexpr double kTail = 6.0;
// A decaying melody note rings this long past its written length before it is damped.
constexpr double kLetRing = 1.2;

int pitchClass(char letter) {
  static const int classes[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (letter < 'A' || letter > 'G') return -1;
  return classes[letter - 'A'];
}

// "F#4" -> 66; -1 when the text is not a note.
int parseNote(const std::string& text, size_t& used) {
  if (text.empty()) return -1;
  int pc = pitchClass(text[0]);
  if (pc < 0) return -1;
  size_t i = 1;
  if (i < text.size() && text[i] == '#')
    pc += 1, ++i;
  else if (i < text.size() && text[i] == 'b')
    pc -= 1, ++i;
  if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
  int octave = text[i] - '0';
  used = i + 1;
  return 12 * (octave + 1) + pc;
}

bool parseLength(const std::string& text, double& length) {
  char* end = nullptr;
  double v = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0' || v <= 0.0) return false;
  length = v;
  return true;
}

const std::vector<std::pair<std::string, std::vector<int>>>& qualities() {
  static const std::vector<std::pair<std::string, std::vector<int>>> q{
      {"", {0, 4, 7}},         {"m", {0, 3, 7}},   {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}},
      {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}}, {"sus4", {0, 5, 7}},  {"6", {0, 4, 7, 9}}};
  return q;
}

double totalBeats(const std::vector<Chord>& chords) {
  return chords.empty() ? 0.0 : chords.back().beat + chords.back().length;
}

// Pad notes from E3 up, bass from E2 up.
int padNote(int pc, int interval) {
  int n = 48 + (pc + interval) % 12;
  return n < 52 ? n + 12 : n;
}
int bassNote(int pc) {
  int n = 36 + pc % 12;
  return n < 40 ? n + 12 : n;
}

class Renderer {
 public:
  Renderer(const Song& song, const std::vector<MelodyNote>& melody,
           const std::vector<Chord>& chords)
      : song_(song), melody_(melody), chords_(chords), rng_(std::hash<std::string>{}(song.name)) {
    beat_ = 60.0 / song.bpm;
    formBeats_ = totalBeats(chords);
    loop_ = formBeats_ * beat_ * double(song.rounds.size());
    track_ = Track(loop_ + kTail);
  }

  Track render() {
    for (size_t r = 0; r < song_.rounds.size(); ++r) {
      double offset = double(r) * formBeats_;
      leadRound(song_.rounds[r], offset);
      for (const Chord& c : chords_) {
        accompany(c, offset);
        if (song_.rounds[r].arpeggio) arpeggiate(c, offset);
        if (song_.rounds[r].sparkle) sparkle(c, offset);
      }
    }
    reverb(track_, 0.22, 0.82, 0.45);
    wrapLoop(track_, toFrames(loop_));
    normalizeLoudness(track_, kMusicLufs, kMusicCeilingDb);
    return std::move(track_);
  }

 private:
  // Start time in seconds of a beat of the whole loop; pickups fold onto the loop's end.
  double at(double beat) const {
    double t = std::fmod(beat * beat_, loop_);
    return t < 0.0 ? t + loop_ : t;
  }

  double human(double gain) { return gain * rng_.range(0.88, 1.0); }

  void leadRound(const Round& round, double offset) {
    for (const MelodyNote& n : melody_) {
      if (n.midi < 0) continue;
      int midi = n.midi + song_.transpose + 12 * round.octave;
      double hold = n.length * beat_ + kLetRing;
      play(track_, *round.lead,
           {at(offset + n.beat), midiToHz(midi), human(0.5), hold, rng_.range(-0.15, 0.15)});
    }
  }

  void accompany(const Chord& c, double offset) {
    int pc = (c.root + song_.transpose % 12 + 12) % 12;
    for (int i : c.intervals)
      play(track_, timbre::pad(),
           {at(offset + c.beat), midiToHz(padNote(pc, i)), 0.06, c.length * beat_,
            i == 0 ? -0.3 : 0.3});
    int bass = bassNote(pc);
    double firstHold = std::min(c.length, 2.0) * beat_;
    play(track_, timbre::bass(), {at(offset + c.beat), midiToHz(bass), human(0.32), firstHold});
    if (c.length >= 4.0)
      play(track_, timbre::bass(),
           {at(offset + c.beat + 2.0), midiToHz(bass + 7), human(0.24), 2.0 * beat_});
  }

  void arpeggiate(const Chord& c, double offset) {
    int pc = (c.root + song_.transpose % 12 + 12) % 12;
    std::vector<int> tones;
    for (int i : c.intervals) tones.push_back(60 + (pc + i) % 12);
    std::sort(tones.begin(), tones.end());
    static const int pattern[4] = {0, 1, 2, 1};
    for (int b = 0; b < int(c.length); ++b) {
      int beatInBar = int(std::fmod(c.beat + b, double(song_.beatsPerBar)));
      int tone = tones[size_t(pattern[beatInBar % 4]) % tones.size()];
      play(track_, timbre::pizzicato(),
           {at(offset + c.beat + b), midiToHz(tone), human(0.17), beat_, b % 2 ? 0.35 : -0.35});
    }
  }

  void sparkle(const Chord& c, double offset) {
    if (std::fmod(c.beat, double(song_.beatsPerBar)) != 0.0) return;
    int pc = (c.root + song_.transpose % 12 + 12) % 12;
    int top = 84 + (pc + c.intervals.back() % 12) % 12;
    play(track_, timbre::glockenspiel(),
         {at(offset + c.beat), midiToHz(top), human(0.1), 1.0, 0.4});
  }

  const Song& song_;
  const std::vector<MelodyNote>& melody_;
  const std::vector<Chord>& chords_;
  Rng rng_;
  double beat_ = 0.5;
  double formBeats_ = 0.0;
  double loop_ = 0.0;
  Track track_;
};

}  // namespace

std::vector<MelodyNote> parseMelody(const std::string& text, double pickup, std::string& error) {
  std::vector<MelodyNote> notes;
  std::istringstream words(text);
  std::string word;
  double beat = -pickup;
  double length = 1.0;
  while (words >> word) {
    if (word == "|") continue;
    size_t colon = word.find(':');
    std::string pitch = word.substr(0, colon);
    if (colon != std::string::npos && !parseLength(word.substr(colon + 1), length)) {
      error = "bad length in '" + word + "'";
      return {};
    }
    int midi = -1;
    if (pitch != "R") {
      size_t used = 0;
      midi = parseNote(pitch, used);
      if (midi < 0 || used != pitch.size()) {
        error = "bad note '" + word + "'";
        return {};
      }
    }
    notes.push_back({beat, length, midi});
    beat += length;
  }
  return notes;
}

std::vector<Chord> parseChords(const std::string& text, std::string& error) {
  std::vector<Chord> chords;
  std::istringstream words(text);
  std::string word;
  double beat = 0.0;
  while (words >> word) {
    if (word == "|") continue;
    size_t colon = word.find(':');
    double length = 0.0;
    int pc = word.empty() ? -1 : pitchClass(word[0]);
    size_t i = 1;
    if (pc >= 0 && i < word.size() && word[i] == '#')
      pc += 1, ++i;
    else if (pc >= 0 && i < word.size() && word[i] == 'b')
      pc += 11, ++i;
    std::string quality = colon == std::string::npos ? "" : word.substr(i, colon - i);
    const auto& known = qualities();
    auto q =
        std::find_if(known.begin(), known.end(), [&](const auto& k) { return k.first == quality; });
    if (pc < 0 || colon == std::string::npos || q == known.end() ||
        !parseLength(word.substr(colon + 1), length)) {
      error = "bad chord '" + word + "'";
      return {};
    }
    chords.push_back({beat, length, pc % 12, q->second});
    beat += length;
  }
  return chords;
}

Track arrange(const Song& song, std::string& error) {
  std::vector<MelodyNote> melody = parseMelody(song.melody, song.pickup, error);
  if (!error.empty()) return {};
  std::vector<Chord> chords = parseChords(song.chords, error);
  if (!error.empty()) return {};
  double melodyEnd = melody.empty() ? 0.0 : melody.back().beat + melody.back().length;
  double form = totalBeats(chords);
  if (song.rounds.empty() || form <= 0.0 || std::fabs(melodyEnd + song.pickup - form) > 1e-6 ||
      std::fmod(form, double(song.beatsPerBar)) != 0.0) {
    std::ostringstream text;
    text << song.name << ": melody and pickup last " << melodyEnd + song.pickup << " beats, chords "
         << form;
    error = text.str();
    return {};
  }
  return Renderer(song, melody, chords).render();
}

}  // namespace assetgen::audio
