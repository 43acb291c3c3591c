// The real game on damaged data: a level or a settings file that once hung or broke the
// game must now let it run and quit as usual, well inside the harness's time limit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <string>

#include "e2e/GameRun.h"

namespace {

constexpr int kLimitSeconds = 120;  // far beyond a normal run of these few frames

size_t occurrences(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(BadDataRun, ALevelWithAHugeCreatorCountAndANegativeClockPlaysOn) {
  e2e::GameRun run;
  run.timeoutSeconds = kLimitSeconds;
  std::string level =
      testsupport::ReadFile(std::string(GLIMMERFIR_ASSET_DIR) + "/data/levels/zestaw1/level01.lvl");
  ASSERT_NE(level.find("tileCreators"), std::string::npos);
  level = std::regex_replace(level, std::regex("tileCreators = [0-9]+"), "tileCreators = 1e10");
  level = std::regex_replace(level, std::regex("actTime = [0-9]+"), "actTime = -1e10");
  run.writeFile("damaged.lvl", level);
  const std::string out = run.run(run.path("damaged.lvl"), 200);
  EXPECT_EQ(run.exitCode(), 0) << out;
  EXPECT_NE(out.find("Napotkano problem : level::tileCreators = 2147483647, but only"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("Napotkano problem : level::actTime = -2147483648 (allowed 0..86400)"),
            std::string::npos)
      << out;
}

TEST(BadDataRun, AFifoInPlaceOfTheSettingsNeitherHangsNorFailsSilently) {
  e2e::GameRun run;
  run.timeoutSeconds = kLimitSeconds;
  const std::string data = run.path("xdg") + "/Glimmerfir/Data";
  std::filesystem::create_directories(data);
  ASSERT_EQ(mkfifo((data + "/settings.dat").c_str(), 0600), 0);
  // A save that a crash cut short, left from an earlier run.
  testsupport::WriteFile(data + "/settings.dat.tmp.Ab12Cd", "settings {\n\tfullScr");
  const std::string out = run.run("", 30);
  EXPECT_EQ(run.exitCode(), 0) << out;
  EXPECT_NE(out.find("settings.dat : is not a regular file"), std::string::npos) << out;
  EXPECT_GE(occurrences(out, "Cannot save " + data + "/settings.dat : is not a regular file"), 1u)
      << out;
  EXPECT_EQ(occurrences(out, "Your settings could not be saved (is not a regular file)."), 1u)
      << out;
  EXPECT_TRUE(std::filesystem::is_fifo(data + "/settings.dat"));
  EXPECT_FALSE(std::filesystem::exists(data + "/settings.dat.tmp.Ab12Cd"));
}

}  // namespace
