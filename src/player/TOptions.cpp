#include "player/TOptions.h"

#include <algorithm>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"
#include "gui/ScreenContext.h"
#include "gui/TGui.h"
#include "gui/TMouse.h"
#include "platform/files.h"
#include "player/TGlobalSnd.h"

namespace {
constexpr const char* kFullScreen = "settings::fullScreen";
constexpr const char* kMusicVolume = "settings::musicVolume";
constexpr const char* kSoundVolume = "settings::soundVolume";
constexpr int kMaxVolume = 10;

// A setting missing from a damaged file keeps its current value rather than turning into 0
// (which would silence the game or leave full screen for no reason); one out of range is
// clamped, so a hand-edited value is never kept or written back.
void readSetting(TRCMFile& file, const char* path, int& value, int high) {
  if (!file.getString(path).empty()) value = readInt(file, path, 0, high);
}
}  // namespace

TOptions::TOptions(ScreenContext& screen, TGlobalSnd& sounds)
    : TEkran(screen), screen_(screen), sounds_(sounds) {
  id = "Options";
  bulb[0] = platform::LoadImage(assets::OPTIONS_BULB_OFF);
  bulb[1] = platform::LoadImage(assets::OPTIONS_BULB_ON);
  for (const platform::Image& image : bulb) platform::MidHandleImage(image);
}

std::string TOptions::settingsFile() { return dataFolder + "/Data/settings.dat"; }

void TOptions::saveOptions() {
  TRCMFile file;
  file.setFloat(kFullScreen, static_cast<float>(fullScreen));
  file.setFloat(kMusicVolume, static_cast<float>(musicVol));
  file.setFloat(kSoundVolume, static_cast<float>(soundVol));
  std::string why;
  if (file.save(settingsFile(), &why) || saveFailureShown_) return;
  // Once per run: the player should know, but not be told again at every later save.
  saveFailureShown_ = true;
  platform::Notify("Your settings could not be saved (" + why + ").");
}

void TOptions::loadOptions() {
  if (platform::FileType(settingsFile()) != 1) saveOptions();
  TRCMFile file(settingsFile());
  file.printAll();
  readSetting(file, kFullScreen, fullScreen, 1);
  readSetting(file, kSoundVolume, soundVol, kMaxVolume);
  readSetting(file, kMusicVolume, musicVol, kMaxVolume);
  passVolumes();
}

float TOptions::soundVolFloat() { return static_cast<float>(soundVol) / 10.0f; }

float TOptions::musicVolFloat() { return static_cast<float>(musicVol) / 10.0f; }

void TOptions::openScreen() { platform::Graphics(800, 600, fullScreen ? 32 : 0, 60, 0); }

void TOptions::checkSoundStuff() {
  musicVol = std::clamp(musicVol, 0, kMaxVolume);
  soundVol = std::clamp(soundVol, 0, kMaxVolume);
  passVolumes();
}

void TOptions::switchScreen() {
  fullScreen = fullScreen ? 0 : 1;
  openScreen();
}

void TOptions::passVolumes() {
  sounds_.setVolumeSteps(musicVol, soundVol);
  sounds_.setMusicVol(musicVolFloat());
  sounds_.setSoundVol(soundVolFloat());
}

// ---- The dialog ---------------------------------------------------------------------------------

void TOptions::setup() {
  Gui = loadGui(assets::GUI_OPTIONS, screen_);
  // The panel is backdrop: a press on it (or on a lamp above it) is no button press.
  if (auto panel = Gui->getItem("panel")) panel->_a = 0;
}

void TOptions::mainLoop(TEkran* screen, std::function<void()> behind) {
  if (!Gui) setup();
  ekran = screen;
  updateBehind_ = std::move(behind);
  alpha = 0.0f;
  dAlpha = 1.0f;
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _controlGUI();
  } while (alpha != 0.0f || dAlpha != 0.0f);
  updateBehind_ = nullptr;
  saveOptions();
}

void TOptions::_controlGUI() {
  if (platform::KeyHit(platform::key::ESCAPE) || Gui->clickedItem("ok")) dAlpha = 0.0f;
  if (Gui->clickedItem("on") || Gui->clickedItem("off")) switchScreen();
  const struct {
    const char* id;
    int* step;
    int change;
  } steps[] = {{"plus1", &musicVol, 1},
               {"minus1", &musicVol, -1},
               {"plus2", &soundVol, 1},
               {"minus2", &soundVol, -1}};
  for (const auto& s : steps) {
    if (!Gui->clickedItem(s.id)) continue;
    *s.step += s.change;
    checkSoundStuff();
  }
}

void TOptions::update() {
  updateCommon();
  _updateGUIOperations();
  _updateAlpha();
  if (updateBehind_) updateBehind_();
  _updateGui();
}

void TOptions::_updateGUIOperations() {
  if (!Gui) return;
  if (auto on = Gui->getItem("on")) on->setState(fullScreen == 1, fullScreen == 1);
  if (auto off = Gui->getItem("off")) off->setState(fullScreen == 0, fullScreen == 0);
  pressLamps();
}

void TOptions::pressLamps() {
  const TMouse& mouse = screen_.mouse();
  if (!mouse.leftPressed || !bulb[1]) return;
  const float w = float(platform::ImageWidth(bulb[1])), h = float(platform::ImageHeight(bulb[1]));
  for (int row = 0; row < 2; ++row) {
    for (int i = 1; i <= 10; ++i) {
      if (!mouse.inRect(lampX(i) - w / 2, lampY(row) - h / 2, w, h)) continue;
      (row == 0 ? musicVol : soundVol) = i;
      sounds_.setVolumeSteps(musicVol, soundVol);
      if (row == 0)
        sounds_.setMusicVol(musicVolFloat());
      else
        sounds_.setSoundVol(soundVolFloat());
      sounds_.click();
    }
  }
}

void TOptions::draw() {
  _drawBack();
  _drawGui();
  _drawBars();
  _drawMouse();
}

void TOptions::_drawBack() {
  if (ekran) ekran->draw();
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
}

void TOptions::_drawBars() {
  platform::SetScale(1, 1);
  platform::SetAlpha(alpha);
  for (int row = 0; row < 2; ++row) {
    const int step = row == 0 ? musicVol : soundVol;
    for (int i = 1; i <= 10; ++i)
      platform::DrawImage(bulb[i <= step ? 1 : 0], lampX(i), lampY(row));
  }
}
