// A test of screens that need the whole game: the App created headless in the asset folder,
// with its data folder (settings, profiles) in a temporary place. The working folder and the
// environment are put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "core/Globals.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace testsupport {

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("XDG_DATA_HOME");
    hadXdg_ = old != nullptr;
    oldXdg_ = old ? old : "";
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    cwd_ = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    platform::InitHeadless();
    App::create();
    setupFolders();
    // Profiles go to the temporary data folder, as the game's start-up puts them in its own.
    oldProfilesFolder_ = profilesFolder;
    oldProfilesFile_ = profilesFile;
    Paths::getPaths();
    platform::Graphics(800, 600, 0, 60, 0);
  }
  // Subclasses let go of what refers to the App before calling this.
  void TearDown() override {
    App::destroy();
    profilesFolder = oldProfilesFolder_;
    profilesFile = oldProfilesFile_;
    platform::ChangeDir(cwd_);
    if (hadXdg_)
      setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
  }

  TempDir home;  // the data folder

 private:
  std::string cwd_, oldXdg_, oldProfilesFolder_, oldProfilesFile_;
  bool hadXdg_ = false;
};

}  // namespace testsupport
