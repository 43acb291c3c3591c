// The catalogue and the options as the program owns them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "gui/TGui.h"
#include "player/SoundFixture.h"

namespace {

class AppSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    App::create();
    testsupport::WriteFile(dir / "pop.wav", soundtest::sineWav(22050, 660));
    testsupport::WriteFile(dir / "tune.wav", soundtest::sineWav(44100, 220));
    testsupport::WriteFile(
        dir / "globalSnd.dat",
        soundtest::catalogueText(dir.path(), {{"click", "pop.wav"}}, {{"tune", "tune.wav"}}));
    TGlobalSnd& snd = App::get().globalSnd();
    snd.catalogueFile = dir / "globalSnd.dat";
    snd.setup();
    snd.loadMusicPart(1);
  }
  void TearDown() override { App::destroy(); }
  testsupport::TempDir dir;
};

TEST_F(AppSoundTest, AGuiButtonPressPlaysTheCataloguesClick) {
  App::get().guiSounds().playClick();
  EXPECT_EQ(App::get().globalSnd().getSoundData("click")->playingCount(), 1);
}

TEST_F(AppSoundTest, TheCommonFrameUpdateRunsTheMusicFade) {
  TGlobalSnd& snd = App::get().globalSnd();
  App::get().options().checkSoundStuff();
  snd.playMyMusic("tune");
  for (int i = 0; i < 60; ++i) App::get().updateDeltaTime();  // settle the frame timer
  for (int i = 0; i < 10; ++i) {
    platform::Flip(-1);
    App::get().updateCommon();
  }
  EXPECT_NEAR(snd.newPer, 0.5f, 0.06f);
}

TEST_F(AppSoundTest, SavingEverythingWritesTheSettings) {
  testsupport::TempDir home;
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_DATA_HOME", home.path().c_str(), 1);
  setupFolders();
  App::get().options().musicVol = 8;
  App::get().saveAll();
  if (old)
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  EXPECT_NE(testsupport::ReadFile(TOptions::settingsFile()).find("musicVolume = 8"),
            std::string::npos);
}

}  // namespace
