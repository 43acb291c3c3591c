// Where the mix goes: the SDL audio device (reopened when lost; silent when there is none),
// or, headless, a mix pulled against the virtual clock and optionally kept for a WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Mixer.h"

namespace platform {

class AudioOutput {
 public:
  explicit AudioOutput(Mixer& mixer) : mixer_(mixer) {}
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;
  ~AudioOutput();

  // Real device; false (and silence) when there is none.
  bool ensureDevice(int nowMillis);
  void closeDevice();
  void deviceLost(uint32_t deviceId);
  // Without a device the channels still run on by real time, so sounds end as they would.
  void keepTime(int nowMillis);

  // Headless: mixes up to the given total number of frames since the reset.
  void mixUntil(int64_t totalFrames);
  void resetVirtual();
  void setRecording(const std::string& wavPath);
  bool writeRecording();

 private:
  static void callback(void* self, uint8_t* stream, int length);
  void reportMissing();

  Mixer& mixer_;
  uint32_t device_ = 0;
  bool triedOnce_ = false;
  bool reportedMissing_ = false;
  int nextRetry_ = 0;
  int lastSilentMillis_ = -1;
  int64_t mixedFrames_ = 0;
  std::vector<int16_t> scratch_;
  std::string wavPath_;
  std::vector<int16_t> recording_;
};

}  // namespace platform
