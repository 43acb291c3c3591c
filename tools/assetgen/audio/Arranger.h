// Turns a tune written as note and chord lists into a looping arrangement: the melody on a
// bell or pluck, a pad and a soft bass on the chords, and in later rounds a plucked
// arpeggio and high glockenspiel accents.
//
// Melody: "E5:1 E5 E5:2 | R:1 F#4:0.5 Bb3" -- note names with octave (or R for a rest), a
// colon and a length in beats; a note without a length keeps the previous one. Bars ("|")
// are for the reader only. Chords: "C:4 G7:2 Am:2" -- root with # or b, then "", "m", "7",
// "m7", "maj7", "dim", "sus4" or "6", and a length in beats.
#pragma once

#include <string>
#include <vector>

#include "audio/Synth.h"

namespace assetgen::audio {

struct Round {
  const Timbre* lead;
  int octave = 0;         // the melody's shift in octaves this round
  bool arpeggio = false;  // plucked chord tones on every beat
  bool sparkle = false;   // a high glockenspiel note on every bar's first beat
};

struct Song {
  std::string name;
  double bpm = 100.0;
  int beatsPerBar = 4;
  double pickup = 0.0;  // beats of melody before the first bar (they close the loop)
  int transpose = 0;    // semitones for the whole song
  std::string melody;
  std::string chords;
  std::vector<Round> rounds;
};

struct MelodyNote {
  double beat;  // from the first bar; pickups are negative
  double length;
  int midi;  // -1 for a rest
};

struct Chord {
  double beat;
  double length;
  int root;  // pitch class 0-11
  std::vector<int> intervals;
};

// Parsing; `error` receives the first problem and the result is then empty.
std::vector<MelodyNote> parseMelody(const std::string& text, double pickup, std::string& error);
std::vector<Chord> parseChords(const std::string& text, std::string& error);

// Renders the song as a seamless loop, reverberated and normalised to the music loudness.
// Empty with `error` set when the tune does not parse or its melody and chords differ in
// length.
Track arrange(const Song& song, std::string& error);

}  // namespace assetgen::audio
