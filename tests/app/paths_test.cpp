#include "app/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/Globals.h"
#include "platform/files.h"

namespace {

std::string tempHome(const char* name) {
  auto dir = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

TEST(DataFolders, DataFoldersAreCreatedUnderXdgDataHome) {
  const std::string home = tempHome("glimmerfir-folders");
  setenv("XDG_DATA_HOME", (home + "/share").c_str(), 1);
  setupFolders();
  Paths::getPaths();
  EXPECT_EQ(dataFolder, home + "/share/Glimmerfir");
  EXPECT_EQ(platform::FileType(dataFolder + "/Data"), 2);
  EXPECT_EQ(platform::FileType(dataFolder + "/Profiles"), 2);
  EXPECT_EQ(profilesFile, dataFolder + "/Profiles/profiles.dat");
}

TEST(DataFolders, AFolderThatCannotBeMadeIsReportedAndPlayGoesOn) {
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
