#include "player/TOptions.h"

#include <algorithm>

#include "app/Globals.h"
#include "datafile/TRCMFile.h"
#include "platform/files.h"
#include "player/TGlobalSnd.h"

namespace {
constexpr const char* kFullScreen = "settings::fullScreen";
constexpr const char* kMusicVolume = "settings::musicVolume";
constexpr const char* kSoundVolume = "settings::soundVolume";

// A setting missing from a damaged file keeps its current value rather than turning into 0
// (which would silence the game or leave full screen for no reason).
void readSetting(TRCMFile& file, const char* path, int& value) {
  if (!file.getString(path).empty()) value = static_cast<int>(file.getFloat(path));
}
}  // namespace

TOptions::TOptions() {
  id = "Options";
  bulb[0] = platform::LoadImage("gfx/gui/options/bulb_off.png");
  bulb[1] = platform::LoadImage("gfx/gui/options/bulb_on.png");
  for (const platform::Image& image : bulb) platform::MidHandleImage(image);
}

std::string TOptions::settingsFile() { return dataFolder + "/Data/settings.dat"; }

void TOptions::saveOptions() {
  TRCMFile file;
  file.setFloat(kFullScreen, static_cast<float>(fullScreen));
  file.setFloat(kMusicVolume, static_cast<float>(musicVol));
  file.setFloat(kSoundVolume, static_cast<float>(soundVol));
  file.save(settingsFile());
}

void TOptions::loadOptions() {
  if (platform::FileType(settingsFile()) != 1) saveOptions();
  TRCMFile file(settingsFile());
  file.printAll();
  readSetting(file, kFullScreen, fullScreen);
  readSetting(file, kSoundVolume, soundVol);
  readSetting(file, kMusicVolume, musicVol);
  passVolumes();
}

float TOptions::soundVolFloat() { return static_cast<float>(soundVol) / 10.0f; }

float TOptions::musicVolFloat() { return static_cast<float>(musicVol) / 10.0f; }

void TOptions::openScreen() { platform::Graphics(800, 600, fullScreen ? 32 : 0, 60, 0); }

void TOptions::checkSoundStuff() {
  musicVol = std::clamp(musicVol, 0, 10);
  soundVol = std::clamp(soundVol, 0, 10);
  passVolumes();
}

void TOptions::switchScreen() {
  fullScreen = fullScreen ? 0 : 1;
  openScreen();
}

void TOptions::passVolumes() {
  if (!sounds) return;
  sounds->setMusicVol(musicVolFloat());
  sounds->setSoundVol(soundVolFloat());
}
