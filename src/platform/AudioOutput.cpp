#include "platform/AudioOutput.h"

#include <SDL.h>

#include <fstream>

#include "platform/Log.h"

namespace platform {

namespace {
constexpr int kRetryMillis = 2000;

void putLE(std::ofstream& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(char((value >> (8 * i)) & 0xFF));
}
}  // namespace

AudioOutput::~AudioOutput() {
  closeDevice();
  writeRecording();
}

void AudioOutput::callback(void* self, uint8_t* stream, int length) {
  auto* output = static_cast<AudioOutput*>(self);
  output->mixer_.mix(reinterpret_cast<int16_t*>(stream), size_t(length) / 4);
}

bool AudioOutput::ensureDevice(int nowMillis) {
  if (device_) return true;
  if (triedOnce_ && nowMillis < nextRetry_) return false;
  triedOnce_ = true;
  nextRetry_ = nowMillis + kRetryMillis;
  if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reportMissing();
    return false;
  }
  SDL_AudioSpec want{};
  want.freq = kSampleRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = &AudioOutput::callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (!device_) {
    reportMissing();
    return false;
  }
  reportedMissing_ = false;
  lastSilentMillis_ = -1;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void AudioOutput::reportMissing() {
  if (!reportedMissing_)
    platform::Logf("No sound device (%s); playing on silently", SDL_GetError());
  reportedMissing_ = true;
}

void AudioOutput::closeDevice() {
  if (device_) SDL_CloseAudioDevice(device_);
  device_ = 0;
}

void AudioOutput::deviceLost(uint32_t deviceId) {
  if (deviceId != device_) return;
  platform::Log("The sound device was lost; trying to reopen it");
  closeDevice();
  triedOnce_ = false;
  lastSilentMillis_ = -1;
}

void AudioOutput::keepTime(int nowMillis) {
  if (device_) return;
  if (lastSilentMillis_ >= 0 && nowMillis > lastSilentMillis_)
    mixer_.skip(size_t(int64_t(nowMillis - lastSilentMillis_) * kSampleRate / 1000));
  lastSilentMillis_ = nowMillis;
}

void AudioOutput::resetVirtual() {
  mixedFrames_ = 0;
  recording_.clear();
}

void AudioOutput::mixUntil(int64_t totalFrames) {
  if (totalFrames <= mixedFrames_) return;
  const size_t frames = size_t(totalFrames - mixedFrames_);
  mixedFrames_ = totalFrames;
  if (wavPath_.empty()) {
    mixer_.skip(frames);
    return;
  }
  scratch_.resize(frames * 2);
  mixer_.mix(scratch_.data(), frames);
  recording_.insert(recording_.end(), scratch_.begin(), scratch_.end());
}

void AudioOutput::setRecording(const std::string& wavPath) { wavPath_ = wavPath; }

bool AudioOutput::writeRecording() {
  if (wavPath_.empty()) return false;
  std::ofstream out(wavPath_, std::ios::binary | std::ios::trunc);
  if (!out) {
    platform::Logf("Cannot write %s", wavPath_.c_str());
    return false;
  }
  const auto dataBytes = uint32_t(recording_.size() * 2);
  out.write("RIFF", 4);
  putLE(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  putLE(out, 16, 4);
  putLE(out, 1, 2);  // PCM
  putLE(out, 2, 2);
  putLE(out, kSampleRate, 4);
  putLE(out, kSampleRate * 4, 4);
  putLE(out, 4, 2);
  putLE(out, 16, 2);
  out.write("data", 4);
  putLE(out, dataBytes, 4);
  for (int16_t s : recording_) putLE(out, uint16_t(s), 2);
  return bool(out);
}

}  // namespace platform
