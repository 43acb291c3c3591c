// Sound calls of the platform API.
#include "platform/Backend.h"
#include "platform/SoundLoader.h"
#include "platform/platform.h"

namespace platform {

Sound LoadSound(const std::string& path, int flags) {
  return SoundLoader::load(path, (flags & SOUND_LOOP) != 0, (flags & SOUND_STREAM) != 0);
}

Channel PlaySound(const Sound& sound) { return Backend::get().play(sound); }
bool ChannelPlaying(const Channel& channel) { return Backend::get().mixer.playing(channel); }
void SetChannelVolume(const Channel& channel, float volume) {
  Backend::get().mixer.setVolume(channel, volume);
}
void StopChannel(const Channel& channel) { Backend::get().mixer.stop(channel); }

}  // namespace platform
