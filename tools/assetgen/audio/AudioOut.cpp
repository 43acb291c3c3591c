#include "audio/AudioOut.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "audio/OggWriter.h"

namespace assetgen::audio {

namespace {

std::string describe(const Track& track, bool withLoudness) {
  char text[128];
  double peakDb = 20.0 * std::log10(std::max(1e-9f, peak(track)));
  if (withLoudness)
    std::snprintf(text, sizeof text, "ogg %.2f s, peak %.1f dBFS, %.1f LUFS", track.seconds(),
                  peakDb, loudnessLufs(track));
  else
    std::snprintf(text, sizeof text, "ogg %.2f s, peak %.1f dBFS", track.seconds(), peakDb);
  return text;
}

void put16(std::ofstream& file, uint16_t v) { file.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& file, uint32_t v) {
  put16(file, uint16_t(v & 0xFFFF));
  put16(file, uint16_t(v >> 16));
}

void save(Output& out, const std::string& relative, const Track& track, bool music) {
  uint32_t serial = static_cast<uint32_t>(std::hash<std::string>{}(relative));
  std::vector<uint8_t> bytes = encodeOgg(track, kVorbisQuality, serial);
  if (bytes.empty()) {
    out.fail("cannot encode " + relative);
    return;
  }
  out.saveBytes(relative, bytes, describe(track, music));
  maybeSaveWav(relative, track);
}

}  // namespace

void saveEffect(Output& out, const std::string& relative, Track track) {
  trimTail(track, 0.02);
  // A ringing bell cut at the end of its buffer fades instead of stopping dead.
  fadeEdges(track, 0.0005, std::min(0.25, 0.2 * track.seconds()));
  normalizePeak(track, kEffectPeakDb);
  save(out, relative, track, false);
}

void saveMusic(Output& out, const std::string& relative, const Track& track) {
  save(out, relative, track, true);
}

void maybeSaveWav(const std::string& relative, const Track& track) {
  const char* dir = std::getenv("GLIMMERFIR_AUDIO_WAV_DIR");
  if (dir == nullptr || *dir == '\0') return;
  std::filesystem::path path = std::filesystem::path(dir) / relative;
  path.replace_extension(".wav");
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  uint32_t dataBytes = static_cast<uint32_t>(track.frames() * 4);
  file.write("RIFF", 4);
  put32(file, 36 + dataBytes);
  file.write("WAVEfmt ", 8);
  put32(file, 16);
  put16(file, 1);
  put16(file, 2);
  put32(file, kRate);
  put32(file, kRate * 4);
  put16(file, 4);
  put16(file, 16);
  file.write("data", 4);
  put32(file, dataBytes);
  auto sample = [](float x) {
    return static_cast<uint16_t>(
        static_cast<int16_t>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f)));
  };
  for (size_t i = 0; i < track.frames(); ++i) {
    put16(file, sample(track.left[i]));
    put16(file, sample(track.right[i]));
  }
}

}  // namespace assetgen::audio
