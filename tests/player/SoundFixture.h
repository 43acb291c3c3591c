// A small sound catalogue of short WAV files in a temporary folder, on the headless back end.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "support/TempDir.h"
#include "support/TestScreenContext.h"

namespace soundtest {

inline void put(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

// A stereo 44.1 kHz sine of `frames` frames at a quarter of full scale.
inline std::string sineWav(int frames, double hz) {
  std::string data;
  for (int i = 0; i < frames; ++i) {
    auto v = int16_t(8000 * std::sin(2 * M_PI * hz * i / 44100.0));
    put(data, uint16_t(v), 2);
    put(data, uint16_t(v), 2);
  }
  std::string out = "RIFF";
  put(out, uint32_t(36 + data.size()), 4);
  out += "WAVEfmt ";
  put(out, 16, 4);
  put(out, 1, 2);
  put(out, 2, 2);
  put(out, 44100, 4);
  put(out, 44100 * 4, 4);
  put(out, 4, 2);
  put(out, 16, 2);
  out += "data";
  put(out, uint32_t(data.size()), 4);
  return out + data;
}

struct Wav {
  int channels = 0;
  int rate = 0;
  std::vector<int16_t> samples;
};

// Reads a 16-bit PCM WAV file; empty samples when it is not one.
inline Wav readWav(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Wav wav;
  auto u32 = [&](size_t at) {
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
  };
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    return wav;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::string chunk = bytes.substr(at, 4);
    const uint32_t size = u32(at + 4);
    const size_t body = at + 8;
    if (chunk == "fmt " && body + 16 <= bytes.size()) {
      if ((u32(body) & 0xFFFF) != 1 || (u32(body + 12) >> 16) != 16) return wav;
      wav.channels = int(u32(body) >> 16);
      wav.rate = int(u32(body + 4));
    } else if (chunk == "data") {
      const size_t count = std::min<size_t>(size, bytes.size() - body) / 2;
      for (size_t i = 0; i < count; ++i)
        wav.samples.push_back(int16_t(uint16_t(uint8_t(bytes[body + 2 * i])) |
                                      uint16_t(uint8_t(bytes[body + 2 * i + 1])) << 8));
    }
    at = body + size + (size & 1);
  }
  return wav;
}

// Loudness of samples [from, to) in dB relative to full scale.
inline double rmsDb(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
  return 10 *
         std::log10(sum / double(std::max<size_t>(1, to - from)) / (32768.0 * 32768.0) + 1e-20);
}

struct Entry {
  std::string id;
  std::string file;
};

// Writes the catalogue file in the group/entry format.
inline std::string catalogueText(const std::string& dir, const std::vector<Entry>& sounds,
                                 const std::vector<Entry>& musics) {
  std::string text = "globalSnd {\n\tsounds = " + std::to_string(sounds.size()) +
                     "\n\tmusics = " + std::to_string(musics.size()) + "\n";
  auto group = [&](const std::string& name, const Entry& e) {
    text += "\t" + name + " {\n\t\tid = \"" + e.id + "\"\n\t\turl = \"" + dir + "/" + e.file +
            "\"\n\t}\n\n";
  };
  for (size_t k = 0; k < sounds.size(); ++k) group("sound" + std::to_string(k + 1), sounds[k]);
  for (size_t n = 0; n < musics.size(); ++n) group("music" + std::to_string(n + 1), musics[n]);
  return text + "}\n";
}

// The catalogue with a half-second "pop" and "Click" and two one-second looping musics; the
// options sit at their defaults (both volumes at step 5).
class CatalogueTest {
 public:
  CatalogueTest() {
    platform::InitHeadless();
    delta = 1.0f;
    testsupport::WriteFile(dir / "pop.wav", sineWav(22050, 660));
    testsupport::WriteFile(dir / "tune.wav", sineWav(44100, 220));
    const std::vector<Entry> sounds{{"pop", "pop.wav"}, {"Click", "pop.wav"}};
    const std::vector<Entry> musics{{"tune a", "tune.wav"}, {"Tune B", "tune.wav"}};
    testsupport::WriteFile(dir / "globalSnd.dat", catalogueText(dir.path(), sounds, musics));
    snd.catalogueFile = dir / "globalSnd.dat";
    snd.setup();
    snd.loadMusicPart(1);
    snd.loadMusicPart(2);
    options.passVolumes();
  }

  // One frame of the game as far as sound goes.
  void frame(int count = 1) {
    for (int i = 0; i < count; ++i) {
      snd.update();
      platform::Flip(-1);
    }
  }

  testsupport::TempDir dir;
  testsupport::TestScreenContext screen;
  TGlobalSnd snd{screen};
  TOptions options{screen, snd};
};

}  // namespace soundtest
