// The game's own catalogue "data/globalSnd.dat" with the generated sounds and music.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "datafile/TRCMFile.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/SoundFixture.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "support/TempDir.h"
#include "support/TestScreenContext.h"

namespace {

// Every effect and music the game plays by name.
const std::vector<std::string> kEffects{
    "click",     "plates",      "put1",        "put2",         "menu",         "bonus1", "bonus2",
    "bonus3",    "lancuch1",    "lancuch2",    "begin1",       "begin2",       "bomb1",  "bomb2",
    "bomb3",     "cross-long1", "cross-long2", "cross-long1d", "cross-long2d", "wir1",   "wir2",
    "particle1", "particle2",   "particle3",   "particle4",    "particle5",    "fly1",   "fly2",
    "fly3",      "fly4",        "clock-tick"};
const std::vector<std::string> kMusics{"main menu", "level-summary", "level1", "level2",
                                       "level3",    "level4",        "level5"};

class GameSoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    delta = 1.0f;
  }
  void TearDown() override { platform::ChangeDir(home); }

  void load(int musicCount) {
    snd.setup();
    for (int n = 1; n <= musicCount; ++n) snd.loadMusicPart(n);
    options.passVolumes();
  }

  std::string home;
  testsupport::TestScreenContext screen;
  TGlobalSnd snd{screen};
  TOptions options{screen, snd};
};

TEST_F(GameSoundsTest, TheCatalogueNamesAndLoadsEveryEffectAndMusicTheGamePlays) {
  platform::InitHeadless();
  load(0);
  for (const std::string& name : kEffects) {
    TSoundDataPtr sound = snd.getSoundData(name);
    ASSERT_TRUE(sound) << name;
    EXPECT_TRUE(sound->snd) << name << " from " << sound->url;
  }
  // Decoding every music takes long under the sanitizers: the files must be there, and the
  // mix test below decodes one.
  TRCMFile file(snd.catalogueFile);
  ASSERT_EQ(int(file.getFloat("globalSnd::musics")), int(kMusics.size()));
  for (size_t n = 0; n < kMusics.size(); ++n) {
    const std::string group = "globalSnd::music" + std::to_string(n + 1);
    EXPECT_EQ(file.getString(group + "::id"), kMusics[n])
        << "the loading screen loads them in this order";
    EXPECT_EQ(platform::FileType(file.getString(group + "::url")), 1) << kMusics[n];
  }
}

struct Shortcut {
  const char* name;
  std::function<void(TGlobalSnd&)> play;
  std::set<std::string> plays;
};

TEST_F(GameSoundsTest, NamedShortcutsPlayEveryVariantOfTheirNameAndNothingElse) {
  platform::InitHeadless();
  load(0);
  const Shortcut shortcuts[] = {
      {"click", &TGlobalSnd::click, {"click"}},
      {"playPlates", &TGlobalSnd::playPlates, {"plates"}},
      {"playPut", &TGlobalSnd::playPut, {"put1", "put2"}},
      {"overSound", &TGlobalSnd::overSound, {"menu"}},
      {"playBonus", &TGlobalSnd::playBonus, {"bonus1", "bonus2", "bonus3"}},
      {"playChain", &TGlobalSnd::playChain, {"lancuch1", "lancuch2"}},
      {"playBegin", &TGlobalSnd::playBegin, {"begin1", "begin2"}},
      {"bomb", &TGlobalSnd::bomb, {"bomb1", "bomb2", "bomb3"}},
      {"crossFire",
       [](TGlobalSnd& s) { s.crossFire(3); },
       {"cross-long1", "cross-long2", "cross-long1d", "cross-long2d"}},
  };
  for (const Shortcut& shortcut : shortcuts) {
    for (const TSoundDataPtr& sound : snd.sounds)
      for (platform::Channel& slot : sound->chn) platform::StopChannel(slot);
    snd.update();
    for (int i = 0; i < 60; ++i) shortcut.play(snd);
    std::set<std::string> played;
    for (const TSoundDataPtr& sound : snd.sounds)
      if (sound->playingCount() > 0) played.insert(sound->id);
    EXPECT_EQ(played, shortcut.plays) << shortcut.name;
  }
}

TEST_F(GameSoundsTest, AHeadlessRunOfEffectsAndMusicIsAudibleAndNeverClips) {
  testsupport::TempDir out;
  const std::string wavPath = out / "mix.wav";
  setenv("GLIMMERFIR_WAV", wavPath.c_str(), 1);
  platform::InitHeadless();
  load(1);
  snd.playMyMusic("main menu");
  // Four seconds: the music fades in and the effects of a busy level play over it.
  const int frames = 240;
  for (int f = 0; f < frames; ++f) {
    if (f % 8 == 4) snd.playMySound(kEffects[size_t(f / 8) % kEffects.size()]);
    if (f % 30 == 0) snd.bomb();
    snd.update();
    platform::Flip(-1);
  }
  platform::EndGraphics();
  unsetenv("GLIMMERFIR_WAV");
  platform::InitHeadless();

  const soundtest::Wav wav = soundtest::readWav(wavPath);
  ASSERT_EQ(wav.channels, 2);
  ASSERT_EQ(wav.rate, 44100);
  ASSERT_GE(wav.samples.size(), size_t(frames) * 735 * 2);
  int loudest = 0;
  for (int16_t s : wav.samples) loudest = std::max(loudest, std::abs(int(s)));
  EXPECT_LT(loudest, 32767) << "a sample at full scale means the mix clipped";
  EXPECT_GT(loudest, 3000) << "effects at step 5 peak well above this";
  const size_t second = size_t{44100} * 2;
  EXPECT_GT(soundtest::rmsDb(wav.samples, 0, wav.samples.size()), -40.0);
  EXPECT_GT(soundtest::rmsDb(wav.samples, wav.samples.size() - second, wav.samples.size()), -40.0)
      << "the last second still sounds";
}

}  // namespace
