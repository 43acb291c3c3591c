// Files that are not what the game expects: special files where data should be, saves that
// cannot be written, and the leftovers of saves a crash cut short.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/Input.h"
#include "platform/InputScript.h"
#include "platform/files.h"
#include "support/TempDir.h"

namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(FileFaults, SpecialFilesAreRefusedWithoutWaiting) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder");
  struct Case {
    std::string path;
    const char* reason;
  };
  for (const Case& c :
       {Case{dir / "fifo", "is not a regular file"}, Case{"/dev/zero", "is not a regular file"},
        Case{dir / "folder", "is a folder"}, Case{dir / "missing", "No such file or directory"}}) {
    std::string why;
    EXPECT_FALSE(platform::LoadText(c.path, &why)) << c.path;
    EXPECT_EQ(why, c.reason) << c.path;
    EXPECT_EQ(platform::ReadStream(c.path), nullptr) << c.path;
  }
}

TEST(FileFaults, AnInputScriptThatIsAFifoReadsAsEmpty) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "script").c_str(), 0600), 0);
  testing::internal::CaptureStdout();
  platform::InputScript script = platform::InputScript::load(dir / "script");
  const std::string out = testing::internal::GetCapturedStdout();
  platform::Input input;
  EXPECT_FALSE(script.applyDue(1000000, input));
  EXPECT_NE(out.find("Cannot read the input script " + dir / "script" + " : is not a regular file"),
            std::string::npos)
      << out;
}

TEST(FileFaults, AFailedSaveSaysWhyAndLeavesWhatStoodThere) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  std::filesystem::create_directories(dir / "folder/inside");
  struct Case {
    std::string path;
    const char* reason;
  };
  for (const Case& c :
       {Case{dir / "fifo", "is not a regular file"}, Case{dir / "folder", "is a folder"},
        Case{dir / "no/such/folder/file.dat", "No such file or directory"}, Case{"", "no path"}}) {
    std::string why;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(platform::SaveText("settings {\n}\n", c.path, &why)) << c.path;
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(why, c.reason) << c.path;
    EXPECT_NE(out.find("Cannot save " + c.path + " : " + c.reason), std::string::npos) << out;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo"));
  EXPECT_TRUE(std::filesystem::exists(dir / "folder/inside"));
  // No temporary file is left behind by a save that failed.
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos) << entry.path();
}

TEST(FileFaults, StaleTemporaryFilesOfSavesAreRemovedAndNothingElse) {
  TempDir dir;
  const std::string removed[] = {"Data/settings.dat.tmp.a1B2c3",
                                 "Profiles/Ann/profile.dat.tmp.ZZZZZZ"};
  const std::string kept[] = {"Data/settings.dat",     "Profiles/Ann/profile.dat",
                              "Profiles/notes.tmp",    "Profiles/x.tmp.abc",
                              "Profiles/x.tmp.abc-12", "Profiles/.tmp.abcdef"};
  for (const auto& name : removed) WriteFile(dir / name, "half");
  for (const auto& name : kept) WriteFile(dir / name, "kept");
  std::filesystem::create_directories(dir / "Profiles/dir.tmp.abcdef");
  testing::internal::CaptureStdout();
  EXPECT_EQ(platform::RemoveStaleTempFiles(dir.path(), true), 2);
  const std::string out = testing::internal::GetCapturedStdout();
  for (const auto& name : removed) {
    EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    EXPECT_NE(out.find(dir / name), std::string::npos) << out;
  }
  for (const auto& name : kept) EXPECT_EQ(ReadFile(dir / name), "kept") << name;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Profiles/dir.tmp.abcdef"));
}

}  // namespace
