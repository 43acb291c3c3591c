#include "platform/SoundLoader.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "platform/Log.h"
#include "platform/files.h"

namespace platform {

namespace {

// Longest sound accepted, so that a broken header cannot ask for gigabytes.
constexpr size_t kMaxFrames = size_t(kSampleRate) * 60 * 20;

struct MemoryFile {
  const std::vector<uint8_t>* bytes;
  size_t pos = 0;
};

size_t memRead(void* out, size_t size, size_t count, void* source) {
  auto* file = static_cast<MemoryFile*>(source);
  if (size == 0) return 0;
  const size_t available = (file->bytes->size() - file->pos) / size;
  const size_t n = std::min(count, available);
  std::memcpy(out, file->bytes->data() + file->pos, n * size);
  file->pos += n * size;
  return n;
}

int memSeek(void* source, ogg_int64_t offset, int whence) {
  auto* file = static_cast<MemoryFile*>(source);
  const auto size = ogg_int64_t(file->bytes->size());
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? ogg_int64_t(file->pos) : size;
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > size) return -1;
  file->pos = size_t(target);
  return 0;
}

long memTell(void* source) { return long(static_cast<MemoryFile*>(source)->pos); }

}  // namespace

Sound SoundLoader::load(const std::string& path, bool loop) {
  auto bytes = LoadBytes(path);
  if (!bytes) {
    platform::Logf("Cannot load sound %s: file not found", path.c_str());
    return nullptr;
  }
  std::string error;
  auto samples = decode(*bytes, error);
  if (!samples) {
    platform::Logf("Cannot load sound %s: %s", path.c_str(), error.c_str());
    return nullptr;
  }
  auto sound = std::make_shared<SoundData>();
  sound->samples = std::move(*samples);
  sound->loop = loop;
  return sound;
}

std::optional<std::vector<int16_t>> SoundLoader::decode(const std::vector<uint8_t>& bytes,
                                                        std::string& error) {
  if (bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0)
    return decodeVorbis(bytes, error);
  if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0)
    return decodeWav(bytes, error);
  error = "unknown sound format";
  return std::nullopt;
}

std::optional<std::vector<int16_t>> SoundLoader::decodeVorbis(const std::vector<uint8_t>& bytes,
                                                              std::string& error) {
  MemoryFile file{&bytes};
  OggVorbis_File vf;
  const ov_callbacks callbacks{memRead, memSeek, nullptr, memTell};
  if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0) {
    error = "not a Vorbis stream";
    return std::nullopt;
  }
  const vorbis_info* info = ov_info(&vf, -1);
  if (!info || info->channels < 1 || info->rate < 1000 || info->rate > 384000) {
    ov_clear(&vf);
    error = "unsupported Vorbis stream";
    return std::nullopt;
  }
  const int channels = info->channels;
  const int rate = int(info->rate);
  std::vector<int16_t> decoded;
  char buffer[16384];
  int section = 0;
  for (;;) {
    const long got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section);
    if (got == OV_HOLE) continue;
    if (got < 0) {
      ov_clear(&vf);
      error = "damaged Vorbis stream";
      return std::nullopt;
    }
    if (got == 0) break;
    const size_t old = decoded.size();
    decoded.resize(old + size_t(got) / 2);
    std::memcpy(decoded.data() + old, buffer, size_t(got) / 2 * 2);
    if (decoded.size() / size_t(channels) > kMaxFrames * 10) break;
  }
  ov_clear(&vf);
  return toMixerFormat(decoded, channels, rate);
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
