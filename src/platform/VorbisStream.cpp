#include "platform/VorbisStream.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Mixer.h"

namespace platform {

namespace {

// The bytes are read through vorbisfile's callbacks, as from a file.
struct MemoryFile {
  VorbisStream::Bytes bytes;
  size_t pos = 0;
};

size_t memRead(void* out, size_t size, size_t count, void* source) {
  auto* file = static_cast<MemoryFile*>(source);
  if (size == 0) return 0;
  const size_t n = std::min(count, (file->bytes->size() - file->pos) / size);
  std::memcpy(out, file->bytes->data() + file->pos, n * size);
  file->pos += n * size;
  return n;
}

int memSeek(void* source, ogg_int64_t offset, int whence) {
  auto* file = static_cast<MemoryFile*>(source);
  const auto size = ogg_int64_t(file->bytes->size());
  const ogg_int64_t base = whence == SEEK_SET   ? 0
                           : whence == SEEK_CUR ? ogg_int64_t(file->pos)
                                                : size;
  if (base + offset < 0 || base + offset > size) return -1;
  file->pos = size_t(base + offset);
  return 0;
}

long memTell(void* source) { return long(static_cast<MemoryFile*>(source)->pos); }

// Decoded frames kept ahead of the mix; used ones are dropped once this many have gathered.
constexpr size_t kDropAfterFrames = 4096;

}  // namespace

struct VorbisStream::Decoder {
  MemoryFile file;
  OggVorbis_File vf{};
  int channels = 0;
  int rate = 0;
  bool opened = false;
  ~Decoder() {
    if (opened) ov_clear(&vf);
  }
};

std::unique_ptr<VorbisStream> VorbisStream::open(Bytes bytes, std::string& error) {
  if (!bytes) {
    error = "no data";
    return nullptr;
  }
  auto decoder = std::make_unique<Decoder>();
  decoder->file.bytes = std::move(bytes);
  const ov_callbacks callbacks{memRead, memSeek, nullptr, memTell};
  if (ov_open_callbacks(&decoder->file, &decoder->vf, nullptr, 0, callbacks) != 0) {
    error = "not a Vorbis stream";
    return nullptr;
  }
  decoder->opened = true;
  const vorbis_info* info = ov_info(&decoder->vf, -1);
  if (!info || info->channels < 1 || info->rate < 1000 || info->rate > 384000) {
    error = "unsupported Vorbis stream";
    return nullptr;
  }
  decoder->channels = info->channels;
  decoder->rate = int(info->rate);
  return std::unique_ptr<VorbisStream>(new VorbisStream(std::move(decoder)));
}

VorbisStream::VorbisStream(std::unique_ptr<Decoder> decoder)
    : decoder_(std::move(decoder)), step_(double(decoder_->rate) / kSampleRate) {}

VorbisStream::~VorbisStream() = default;

bool VorbisStream::decodeMore(bool loop) {
  char buffer[16384];
  for (int attempts = 0; attempts < 2; ++attempts) {
    int section = 0;
    long got = ov_read(&decoder_->vf, buffer, sizeof buffer, 0, 2, 1, &section);
    while (got == OV_HOLE) got = ov_read(&decoder_->vf, buffer, sizeof buffer, 0, 2, 1, &section);
    if (got < 0) return false;  // damaged: the stream ends here
    if (got > 0) {
      // A section may change the channel count; every frame is taken as its own section says.
      const vorbis_info* info = ov_info(&decoder_->vf, section);
      const int channels = info ? info->channels : decoder_->channels;
      const auto* samples = reinterpret_cast<const int16_t*>(buffer);
      const size_t frames = size_t(got) / 2 / size_t(channels);
      for (size_t f = 0; f < frames; ++f) {
        const int16_t* frame = samples + f * size_t(channels);
        input_.push_back(frame[0]);
        input_.push_back(channels == 1 ? frame[0] : frame[1]);
      }
      return true;
    }
    if (!loop || ov_pcm_seek(&decoder_->vf, 0) != 0) return false;
  }
  return false;
}

bool VorbisStream::inputFrame(size_t index, int16_t& left, int16_t& right) const {
  if (index * 2 + 1 >= input_.size()) return false;
  left = input_[index * 2];
  right = input_[index * 2 + 1];
  return true;
}

size_t VorbisStream::read(int16_t* out, size_t frames, bool loop) {
  size_t done = 0;
  while (done < frames) {
    const auto a = size_t(position_);
    // The frame after `a` is needed too, except at the very end of a stream.
    while (!ended_ && (a + 1) * 2 + 1 >= input_.size())
      if (!decodeMore(loop)) ended_ = true;
    int16_t al = 0, ar = 0, bl = 0, br = 0;
    if (!inputFrame(a, al, ar)) break;
    if (!inputFrame(a + 1, bl, br)) {
      bl = al;
      br = ar;
    }
    const auto t = float(position_ - double(a));
    out[done * 2] = int16_t(std::lround(float(al) * (1 - t) + float(bl) * t));
    out[done * 2 + 1] = int16_t(std::lround(float(ar) * (1 - t) + float(br) * t));
    ++done;
    position_ += step_;
    const auto used = size_t(position_);
    if (used >= kDropAfterFrames) {
      input_.erase(input_.begin(), input_.begin() + ptrdiff_t(used * 2));
      position_ -= double(used);
    }
  }
  return done;
}

}  // namespace platform
