// Decoding of sounds into the mixer's format: Ogg Vorbis (vorbisfile) and WAV (SDL),
// resampled linearly to 44.1 kHz stereo. A streamed Vorbis sound keeps only its file's bytes
// and is decoded as it plays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Mixer.h"

namespace platform {

class SoundLoader {
 public:
  // Loads a file (case-insensitive path); logs a line on failure.
  static Sound load(const std::string& path, bool loop, bool stream = false);
  static std::optional<std::vector<int16_t>> decode(const std::vector<uint8_t>& bytes,
                                                    std::string& error);
  // Interleaved input with `channels` channels at `rate` to stereo at kSampleRate.
  static std::vector<int16_t> toMixerFormat(const std::vector<int16_t>& input, int channels,
                                            int rate);

 private:
  static std::optional<std::vector<int16_t>> decodeVorbis(const std::vector<uint8_t>& bytes,
                                                          std::string& error);
  static std::optional<std::vector<int16_t>> decodeWav(const std::vector<uint8_t>& bytes,
                                                       std::string& error);
};

}  // namespace platform
