// A Vorbis file decoded as it plays, in the mixer's format (kSampleRate stereo), so a long
// music costs its compressed bytes and a few kilobytes instead of minutes of samples. Each
// playing channel has a stream of its own over the shared bytes. A looping stream goes back
// to the file's first sample after its last, so the seam is the one the file was made with.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class VorbisStream {
 public:
  using Bytes = std::shared_ptr<const std::vector<uint8_t>>;

  // Null when the bytes hold no Vorbis stream the mixer can play; `error` says why.
  static std::unique_ptr<VorbisStream> open(Bytes bytes, std::string& error);
  VorbisStream(const VorbisStream&) = delete;
  VorbisStream& operator=(const VorbisStream&) = delete;
  ~VorbisStream();

  // Writes up to `frames` stereo frames; fewer only once a stream that does not loop has
  // ended (or turns out damaged), and then every later call gives none.
  size_t read(int16_t* out, size_t frames, bool loop);
  // Every frame has been read: the stream did not loop and came to its end.
  bool finished() const { return ended_ && size_t(position_) * 2 + 1 >= input_.size(); }

 private:
  struct Decoder;
  explicit VorbisStream(std::unique_ptr<Decoder> decoder);
  // Appends decoded frames to the input; false at the end of the stream.
  bool decodeMore(bool loop);
  bool inputFrame(size_t index, int16_t& left, int16_t& right) const;

  std::unique_ptr<Decoder> decoder_;
  std::vector<int16_t> input_;  // decoded stereo frames at the file's rate, not yet used
  double position_ = 0;         // in input frames from the start of input_
  double step_ = 1;             // input frames per output frame
  bool ended_ = false;
};

}  // namespace platform
