#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/App.h"
#include "app/Frame.h"
#include "app/Globals.h"
#include "app/Paths.h"
#include "app/TEkran.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    App::create();
    platform::Graphics(800, 600, 0, 60, 0);
  }
  void TearDown() override { App::destroy(); }
};

TEST_F(FrameTest, WarmUpAfterALongLoadGivesOneOrdinaryFrame) {
  for (int i = 0; i < 300; ++i) platform::Flip(-1);  // a long load: five seconds of frames
  updateDeltaTime();
  EXPECT_GT(delta, 100.0f);  // unclamped
  for (int i = 0; i < 51; ++i) updateDeltaTime();
  EXPECT_EQ(delta, 0.0f);
  platform::Flip(-1);
  updateDeltaTime();
  EXPECT_NEAR(delta, 1.0f, 0.05f);
}

TEST_F(FrameTest, FpsCountsFramesOfTheLastSecond) {
  TDeltaTime& timer = App::get().deltaTime();
  for (int i = 0; i < 130; ++i) {
    platform::Flip(-1);
    updateDeltaTime();
  }
  EXPECT_NEAR(timer.FPS(), 60, 1);
}

struct FadeCase {
  float fade, dFade, speed, frameDelta;
  int steps;
  float expected;
};

TEST(Fade, EasesTowardTheTargetWithoutPassingIt) {
  const FadeCase cases[] = {
      {0.0f, 1.0f, 0.05f, 1.0f, 10, 0.5f},  // half way after ten frames
      {0.0f, 1.0f, 0.05f, 1.0f, 25, 1.0f},  // capped
      {1.0f, 0.0f, 0.05f, 1.0f, 25, 0.0f},  // floored
      {0.0f, 1.0f, 0.05f, 30.0f, 1, 1.0f},  // one huge frame stops at the target
      {0.9f, 0.2f, 0.3f, 1.0f, 3, 0.2f},
  };
  for (const auto& c : cases) {
    TEkran screen;
    screen.fade = c.fade;
    screen.dFade = c.dFade;
    screen.fadeSpeed = c.speed;
    screen.alpha = c.fade;
    screen.dAlpha = c.dFade;
    delta = c.frameDelta;
    for (int i = 0; i < c.steps; ++i) screen._updateFade();
    EXPECT_NEAR(screen.fade, c.expected, 1e-5f) << c.fade << " -> " << c.dFade;
  }
  delta = 1.0f;
}

TEST(Fade, AlphaUsesItsFixedRate) {
  TEkran screen;
  screen.alpha = 1.0f;
  screen.dAlpha = 0.0f;
  screen.fadeSpeed = 0.5f;  // not used for the GUI opacity
  delta = 1.0f;
  for (int i = 0; i < 4; ++i) screen._updateAlpha();
  EXPECT_NEAR(screen.alpha, 0.8f, 1e-5f);
}

std::string tempHome(const char* name) {
  auto dir = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

TEST_F(FrameTest, DataFoldersAreCreatedUnderXdgDataHome) {
  const std::string home = tempHome("glimmerfir-folders");
  setenv("XDG_DATA_HOME", (home + "/share").c_str(), 1);
  setupFolders();
  Paths::getPaths();
  EXPECT_EQ(dataFolder, home + "/share/Glimmerfir");
  EXPECT_EQ(platform::FileType(dataFolder + "/Data"), 2);
  EXPECT_EQ(platform::FileType(dataFolder + "/Profiles"), 2);
  EXPECT_EQ(profilesFile, dataFolder + "/Profiles/profiles.dat");
}

TEST_F(FrameTest, AFolderThatCannotBeMadeIsReportedAndPlayGoesOn) {
  const std::string home = tempHome("glimmerfir-blocked");
  // A plain file where the game's folder should be.
  ASSERT_TRUE(platform::SaveText("x", home + "/Glimmerfir"));
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  testing::internal::CaptureStdout();
  setupFolders();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Can't create folder: '" + home + "/Glimmerfir' !"), std::string::npos);
}

}  // namespace
