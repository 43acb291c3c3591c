#include "player/TOptions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/Paths.h"
#include "core/Globals.h"
#include "platform/files.h"
#include "player/SoundFixture.h"

namespace {

// Options and catalogue with the data folder in a fresh temporary XDG_DATA_HOME.
class OptionsTest : public ::testing::Test, public soundtest::CatalogueTest {
 protected:
  void SetUp() override {
    const char* old = std::getenv("XDG_DATA_HOME");
    oldXdg = old ? old : "";
    hadXdg = old != nullptr;
    setenv("XDG_DATA_HOME", (home / "share").c_str(), 1);
    setupFolders();
  }
  void TearDown() override {
    if (hadXdg)
      setenv("XDG_DATA_HOME", oldXdg.c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
  }
  std::string settingsText() { return testsupport::ReadFile(TOptions::settingsFile()); }

  testsupport::TempDir home;
  std::string oldXdg;
  bool hadXdg = false;
};

TEST_F(OptionsTest, FirstStartWritesTheDefaultsAndReadsThem) {
  ASSERT_EQ(platform::FileType(TOptions::settingsFile()), 0);
  options.loadOptions();
  EXPECT_EQ(TOptions::settingsFile(), home.path() + "/share/Glimmerfir/Data/settings.dat");
  EXPECT_EQ(settingsText(),
            "settings {\n\tfullScreen = 1\n\tmusicVolume = 5\n\tsoundVolume = 5\n}\n\n");
  EXPECT_EQ(options.fullScreen, 1);
  EXPECT_EQ(options.musicVol, 5);
  EXPECT_EQ(options.soundVol, 5);
  EXPECT_FLOAT_EQ(snd.musicVol, 0.5f);
}

TEST_F(OptionsTest, AHandEditedFileIsClampedAndMissingSettingsKeepTheirValues) {
  struct Case {
    const char* text;
    int fullScreen, musicVol, soundVol;
  };
  const Case cases[] = {
      {"settings {\n\tfullScreen = 0\n\tmusicVolume = 7.9\n\tsoundVolume = 12\n}\n", 0, 7, 10},
      {"Settings {\n\tFULLSCREEN = 0\n\tsoundvolume = -2\n}\n", 0, 5, 0},
      {"settings {\n\tfullScreen = 1e40\n\tmusicVolume = -3\n\tsoundVolume = 11\n}\n", 1, 0, 10},
      {"settings {\n\tfullScreen = -1\n\tmusicVolume = -1e40\n\tsoundVolume = 1e10\n}\n", 0, 0, 10},
      {"nothing here", 1, 5, 5},
  };
  for (const Case& c : cases) {
    testsupport::WriteFile(TOptions::settingsFile(), c.text);
    TOptions fresh(screen, snd);
    fresh.loadOptions();
    EXPECT_EQ(fresh.fullScreen, c.fullScreen) << c.text;
    EXPECT_EQ(fresh.musicVol, c.musicVol) << c.text;
    EXPECT_EQ(fresh.soundVol, c.soundVol) << c.text;
    EXPECT_FLOAT_EQ(snd.musicVol, float(c.musicVol) / 10.0f) << c.text;
    // What was read is what goes back to the file.
    fresh.saveOptions();
    EXPECT_EQ(settingsText(), "settings {\n\tfullScreen = " + std::to_string(c.fullScreen) +
                                  "\n\tmusicVolume = " + std::to_string(c.musicVol) +
                                  "\n\tsoundVolume = " + std::to_string(c.soundVol) + "\n}\n\n")
        << c.text;
  }
}

// Something that is no file where the settings belong: every failed save is logged with its
// reason, the player is told once, and the thing itself is left as it was.
TEST_F(OptionsTest, FailedSavesAreLoggedAndShownOnce) {
  const std::string path = TOptions::settingsFile();
  struct Case {
    const char* what;
    std::function<void()> make;
    const char* reason;
  };
  const Case cases[] = {
      {"folder", [&] { std::filesystem::create_directory(path); }, "is a folder"},
      {"fifo", [&] { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, "is not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(path);
    c.make();
    TOptions fresh(screen, snd);
    testing::internal::CaptureStdout();
    fresh.loadOptions();  // reading gives up at once instead of waiting on a FIFO
    fresh.saveOptions();
    fresh.saveOptions();
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string logged = "Cannot save " + path + " : " + c.reason;
    const size_t first = out.find(logged);
    ASSERT_NE(first, std::string::npos) << out;
    EXPECT_NE(out.find(logged, first + 1), std::string::npos) << out;
    const std::string shown = "Your settings could not be saved (" + std::string(c.reason) + ")";
    const size_t once = out.find(shown);
    ASSERT_NE(once, std::string::npos) << out;
    EXPECT_EQ(out.find(shown, once + 1), std::string::npos) << out;
    EXPECT_EQ(fresh.fullScreen, 1);  // the defaults stand
    EXPECT_NE(platform::FileType(path), 0);
    EXPECT_FALSE(std::filesystem::is_regular_file(path));
  }
  std::filesystem::remove_all(path);
}

TEST_F(OptionsTest, SavedSettingsReadBack) {
  options.fullScreen = 0;
  options.musicVol = 2;
  options.soundVol = 9;
  options.saveOptions();
  TOptions other(screen, snd);
  other.loadOptions();
  EXPECT_EQ(other.fullScreen, 0);
  EXPECT_EQ(other.musicVol, 2);
  EXPECT_EQ(other.soundVol, 9);
  EXPECT_FLOAT_EQ(other.soundVolFloat(), 0.9f);
  EXPECT_FLOAT_EQ(other.musicVolFloat(), 0.2f);
}

TEST_F(OptionsTest, VolumesAreClampedToTheScale) {
  struct Case {
    int music, sound, expectMusic, expectSound;
  };
  const Case cases[] = {
      {-1, 11, 0, 10},  // minus at 0, plus at 10
      {0, 10, 0, 10},
      {3, 7, 3, 7},
      {25, -4, 10, 0},  // a hand-edited file, clamped when the dialog changes it
  };
  for (const Case& c : cases) {
    options.musicVol = c.music;
    options.soundVol = c.sound;
    options.checkSoundStuff();
    EXPECT_EQ(options.musicVol, c.expectMusic);
    EXPECT_EQ(options.soundVol, c.expectSound);
    EXPECT_FLOAT_EQ(snd.musicVol, float(c.expectMusic) / 10.0f);
  }
}

TEST_F(OptionsTest, SwitchingTheScreenFlipsTheModeAndKeepsAWindowOpen) {
  options.fullScreen = 1;
  options.openScreen();
  options.switchScreen();
  EXPECT_EQ(options.fullScreen, 0);
  EXPECT_TRUE(platform::GraphicsOpen());
  options.switchScreen();
  EXPECT_EQ(options.fullScreen, 1);
  EXPECT_TRUE(platform::GraphicsOpen());
}

}  // namespace
