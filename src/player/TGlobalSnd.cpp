#include "player/TGlobalSnd.h"

#include <algorithm>

#include "core/Globals.h"
#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"
#include "platform/Log.h"
#include "platform/strings.h"

namespace {
constexpr float kCrossFadeRate = 0.05f;  // per frame: a full cross-fade takes 20 frames

std::string numbered(const std::string& base, int low, int high) {
  return base + std::to_string(platform::Rand(low, high));
}
}  // namespace

TGlobalSnd::TGlobalSnd(FrameContext& frame) : TEkran(frame) { id = "Global Sound"; }

void TGlobalSnd::setVolumeSteps(int music, int sound) {
  musicStep_ = music;
  soundStep_ = sound;
}

// ---- Loading ----------------------------------------------------------------------------------

void TGlobalSnd::setup() { _setupSounds(); }

void TGlobalSnd::_setupSounds() {
  sounds.clear();
  TRCMFile file(catalogueFile);
  const auto soundGroup = [](int k) { return "globalSnd::sound" + std::to_string(k); };
  const int count = readCount(file, "globalSnd::sounds", soundGroup);
  for (int k = 1; k <= count; ++k) {
    auto sound = std::make_shared<TSoundData>();
    const std::string group = soundGroup(k);
    sound->url = file.getString(group + "::url");
    sound->id = file.getString(group + "::id");
    sound->snd = platform::LoadSound(sound->url, 0);
    sounds.push_back(sound);
  }
}

TMusicDataPtr TGlobalSnd::readMusic(TRCMFile& file, int n) const {
  auto music = std::make_shared<TMusicData>();
  const std::string group = "globalSnd::music" + std::to_string(n);
  music->id = file.getString(group + "::id");
  music->url = file.getString(group + "::url");
  music->snd = platform::LoadSound(music->url, platform::SOUND_LOOP | platform::SOUND_STREAM);
  return music;
}

void TGlobalSnd::loadMusicPart(int n) {
  if (noMusic) return;
  TRCMFile file(catalogueFile);
  musics.push_back(readMusic(file, n));
}

void TGlobalSnd::_setupMusic() {
  if (noMusic) return;
  TRCMFile file(catalogueFile);
  musics.clear();
  const int count = readCount(file, "globalSnd::musics",
                              [](int n) { return "globalSnd::music" + std::to_string(n); });
  for (int n = 1; n <= count; ++n) musics.push_back(readMusic(file, n));
}

// ---- Named effects ------------------------------------------------------------------------------

void TGlobalSnd::click() {
  platform::Log("MY SOUND");
  playMySound("click");
}

void TGlobalSnd::playPlates() { playMySound("plates"); }

void TGlobalSnd::playPut() { playMySound(numbered("put", 1, 2)); }

void TGlobalSnd::overSound() { playMySound("menu"); }

void TGlobalSnd::playBonus() { playMySound(numbered("bonus", 1, 3)); }

void TGlobalSnd::playChain() { playMySound(numbered("lancuch", 1, 2)); }

void TGlobalSnd::playBegin() { playMySound(numbered("begin", 1, 2)); }

void TGlobalSnd::playClockTick() { playMySound("clock-tick"); }

void TGlobalSnd::bomb() { playMySound(numbered("bomb", 1, 3)); }

void TGlobalSnd::crossFire(int) {
  std::string name = numbered("cross-long", 1, 2);
  if (platform::Rand(1, 2) == 2) name += "d";
  playMySound(name);
}

// ---- Playing ------------------------------------------------------------------------------------

void TGlobalSnd::playMySound(const std::string& name) { playMySound(getSoundData(name)); }

void TGlobalSnd::playMySound(const TSoundDataPtr& sound) {
  if (soundStep() == 0 || !sound) return;
  sound->playMe(static_cast<float>(soundStep()) / 10.0f);
}

void TGlobalSnd::playMyMusic(const std::string& name) { playMyMusic(getMusicData(name)); }

void TGlobalSnd::playMyMusic(const TMusicDataPtr& music) {
  if (noMusic || !music) return;
  if (!mustPlayNewMusic()) {
    // A music still fading out from an earlier change would otherwise play on unattended.
    if (oldMusicCHN && oldMusicCHN != newMusicCHN) platform::StopChannel(oldMusicCHN);
    oldMusicData = newMusicData;
    oldMusicCHN = newMusicCHN;
    // The fade-out starts from full; a volume from the finished last fade would drop the
    // music out for a frame.
    oldPer = 1.0f;
    platform::SetChannelVolume(oldMusicCHN, std::clamp(musicVol * oldPer, 0.0f, 1.0f));
  }
  newPer = 0.0f;
  newMusicCHN = platform::PlaySound(music->snd);
  newMusicData = music;
  platform::SetChannelVolume(newMusicCHN, 0.0f);
}

void TGlobalSnd::stopMusic() {
  if (platform::ChannelPlaying(newMusicCHN)) platform::StopChannel(newMusicCHN);
  if (platform::ChannelPlaying(oldMusicCHN)) platform::StopChannel(oldMusicCHN);
}

// Effects read their volume step at every play.
void TGlobalSnd::setSoundVol(float) {}

void TGlobalSnd::setMusicVol(float v) {
  if (noMusic) return;
  if (musicVol == 0.0f && v > 0.0f) {
    playMyMusic(newMusicData);  // the silenced music comes back, fading in
  } else {
    if (oldMusicCHN) platform::SetChannelVolume(oldMusicCHN, v * oldPer);
    if (newMusicCHN) platform::SetChannelVolume(newMusicCHN, v * newPer);
  }
  if (v == 0.0f) {
    if (platform::ChannelPlaying(oldMusicCHN)) platform::StopChannel(oldMusicCHN);
    if (platform::ChannelPlaying(newMusicCHN)) {
      platform::StopChannel(newMusicCHN);
      newMusicCHN.reset();
    }
  }
  musicVol = v;
}

TMusicDataPtr TGlobalSnd::getMusicData(const std::string& name) const {
  auto it = std::find_if(musics.begin(), musics.end(),
                         [&](const TMusicDataPtr& m) { return platform::SameText(m->id, name); });
  return it == musics.end() ? nullptr : *it;
}

TSoundDataPtr TGlobalSnd::getSoundData(const std::string& name) const {
  auto it = std::find_if(sounds.begin(), sounds.end(),
                         [&](const TSoundDataPtr& s) { return platform::SameText(s->id, name); });
  return it == sounds.end() ? nullptr : *it;
}

int TGlobalSnd::mustPlayNewMusic() {
  if (!newMusicCHN) {
    platform::Log("NEW MUSIC CHN = NULL");
    return 1;
  }
  if (!platform::ChannelPlaying(newMusicCHN)) {
    platform::Log("NOT PLAYING NEW MUSIC CHN");
    return 1;
  }
  platform::Log("NOT MUST PLAY NEW MUSIC");
  return 0;
}

// ---- Per frame ----------------------------------------------------------------------------------

void TGlobalSnd::update() {
  newPer = std::min(1.0f, newPer + kCrossFadeRate * delta);
  oldPer = std::max(0.0f, oldPer - kCrossFadeRate * delta);
  // Twenty steps of 0.05 leave a rounding crumb; it counts as arrived.
  if (oldPer < 1e-4f) oldPer = 0.0f;
  if (newPer > 1.0f - 1e-4f) newPer = 1.0f;
  const float volume = static_cast<float>(musicStep()) / 10.0f;
  if (platform::ChannelPlaying(oldMusicCHN)) {
    if (oldPer != 0.0f) {
      platform::SetChannelVolume(oldMusicCHN, std::clamp(volume * oldPer, 0.0f, 1.0f));
    } else {
      platform::StopChannel(oldMusicCHN);
      oldMusicCHN.reset();
    }
  }
  if (platform::ChannelPlaying(newMusicCHN))
    platform::SetChannelVolume(newMusicCHN, std::clamp(volume * newPer, 0.0f, 1.0f));
  for (const TSoundDataPtr& sound : sounds) sound->update();
}
