#include "platform/SoundLoader.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/Log.h"
#include "platform/VorbisStream.h"
#include "platform/files.h"

namespace platform {

namespace {

// Longest sound accepted, so that a broken header cannot ask for gigabytes.
constexpr size_t kMaxFrames = size_t(kSampleRate) * 60 * 20;

bool isVorbis(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0;
}

}  // namespace

Sound SoundLoader::load(const std::string& path, bool loop, bool stream) {
  auto bytes = LoadBytes(path);
  if (!bytes) {
    platform::Logf("Cannot load sound %s: file not found", path.c_str());
    return nullptr;
  }
  auto sound = std::make_shared<SoundData>();
  sound->loop = loop;
  std::string error;
  if (stream && isVorbis(*bytes)) {
    // Opened once here so that a broken file fails at load, as a decoded one does.
    sound->encoded = std::make_shared<const std::vector<uint8_t>>(std::move(*bytes));
    if (VorbisStream::open(sound->encoded, error)) return sound;
  } else if (auto samples = decode(*bytes, error)) {
    sound->samples = std::move(*samples);
    return sound;
  }
  platform::Logf("Cannot load sound %s: %s", path.c_str(), error.c_str());
  return nullptr;
}

std::optional<std::vector<int16_t>> SoundLoader::decode(const std::vector<uint8_t>& bytes,
                                                        std::string& error) {
  if (isVorbis(bytes)) return decodeVorbis(bytes, error);
  if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0)
    return decodeWav(bytes, error);
  error = "unknown sound format";
  return std::nullopt;
}

std::optional<std::vector<int16_t>> SoundLoader::decodeVorbis(const std::vector<uint8_t>& bytes,
                                                              std::string& error) {
  auto stream = VorbisStream::open(std::make_shared<const std::vector<uint8_t>>(bytes), error);
  if (!stream) return std::nullopt;
  std::vector<int16_t> decoded;
  constexpr size_t kChunk = 16384;
  for (;;) {
    const size_t old = decoded.size();
    decoded.resize(old + kChunk * 2);
    const size_t got = stream->read(decoded.data() + old, kChunk, false);
    decoded.resize(old + got * 2);
    if (got < kChunk || decoded.size() / 2 >= kMaxFrames) break;
  }
  decoded.resize(std::min(decoded.size(), kMaxFrames * 2));
  return decoded;
}

std::optional<std::vector<int16_t>> SoundLoader::decodeWav(const std::vector<uint8_t>& bytes,
                                                           std::string& error) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!rw || !SDL_LoadWAV_RW(rw, 1, &format, &data, &length)) {
    error = SDL_GetError();
    return std::nullopt;
  }
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, format.format, format.channels, format.freq, AUDIO_S16SYS,
                        format.channels, format.freq) < 0) {
    SDL_FreeWAV(data);
    error = SDL_GetError();
    return std::nullopt;
  }
  std::vector<uint8_t> work(size_t(length) * size_t(std::max(cvt.len_mult, 1)));
  std::memcpy(work.data(), data, length);
  SDL_FreeWAV(data);
  cvt.buf = work.data();
  cvt.len = int(length);
  if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
    error = SDL_GetError();
    return std::nullopt;
  }
  const size_t converted = cvt.needed ? size_t(cvt.len_cvt) : size_t(length);
  std::vector<int16_t> samples(converted / 2);
  std::memcpy(samples.data(), work.data(), samples.size() * 2);
  return toMixerFormat(samples, format.channels, format.freq);
}

std::vector<int16_t> SoundLoader::toMixerFormat(const std::vector<int16_t>& input, int channels,
                                                int rate) {
  const size_t inFrames = input.size() / size_t(channels);
  auto sample = [&](size_t frame, int side) {
    const size_t c = channels == 1 ? 0 : size_t(side);
    return float(input[frame * size_t(channels) + c]);
  };
  const size_t outFrames = std::min(
      kMaxFrames,
      rate == kSampleRate ? inFrames : size_t(double(inFrames) * kSampleRate / double(rate)));
  std::vector<int16_t> out(outFrames * 2);
  const double step = double(rate) / kSampleRate;
  for (size_t i = 0; i < outFrames; ++i) {
    const double where = double(i) * step;
    const size_t a = std::min(size_t(where), inFrames - 1);
    const size_t b = std::min(a + 1, inFrames - 1);
    const float t = float(where - double(a));
    for (int side = 0; side < 2; ++side)
      out[i * 2 + size_t(side)] =
          int16_t(std::lround(sample(a, side) * (1 - t) + sample(b, side) * t));
  }
  return out;
}

}  // namespace platform
