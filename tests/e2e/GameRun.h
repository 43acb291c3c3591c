// Runs the real game executable headless in a throw-away working folder that shows the
// build's asset folder, and keeps what it printed and the screenshots it took.
#pragma once

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "platform/platform.h"
#include "support/TempDir.h"

namespace e2e {

struct Region {
  int x, y, w, h;
};

// The script with every line's frame moved on by `frames`.
inline std::string shifted(const std::string& script, int frames) {
  std::string out;
  size_t at = 0;
  while (at < script.size()) {
    size_t end = script.find('\n', at);
    if (end == std::string::npos) end = script.size();
    const std::string line = script.substr(at, end - at);
    const size_t space = line.find(' ');
    if (space != std::string::npos && space > 0 &&
        std::isdigit(static_cast<unsigned char>(line[0])))
      out += std::to_string(std::stoi(line.substr(0, space)) + frames) + line.substr(space);
    else
      out += line;
    out += "\n";
    at = end + 1;
  }
  return out;
}

// A run begins with the start sequence: the intro (a run from the start skips it with Space on
// kIntroSkipFrame; a run on a level file goes without it) and the loading screen's frames.
// GameRun counts the frames of its scripts, shots and limits from the first frame after them.
inline constexpr int kIntroSkipFrame = 2;
inline constexpr int kLoadingFrames = 49;
inline constexpr int kMenuStart = kIntroSkipFrame + 1 + kLoadingFrames;
inline constexpr int kLevelStart = kLoadingFrames;

class GameRun {
 public:
  GameRun() {
    namespace fs = std::filesystem;
    fs::create_directories(work());
    for (const auto& entry : fs::directory_iterator(GLIMMERFIR_ASSET_DIR)) {
      std::error_code error;
      fs::create_symlink(entry.path(), fs::path(work()) / entry.path().filename(), error);
    }
  }

  std::string work() const { return dir_ / "work"; }
  std::string path(const std::string& name) const { return dir_ / name; }
  void writeFile(const std::string& name, const std::string& text) const {
    testsupport::WriteFile(path(name), text);
  }
  // The developer keys work while this file is in the working folder.
  void allowCheats() const { testsupport::WriteFile(work() + "/cheats.txt", ""); }
  void shot(int frame, const std::string& name) { shots_[frame] = path(name); }
  // The run's sound mix goes to this file of the run's folder.
  void recordSound(const std::string& name) { wav_ = path(name); }

  // Runs the game to the frame limit and returns everything it printed.
  // Frames count from the first frame of the main menu, or of the level when one is given.
  std::string run(const std::string& level, int frames, const std::string& input = "") {
    start_ = fromProcessStart ? 0 : level.empty() ? kMenuStart : kLevelStart;
    frames += start_;
    std::string shots;
    for (const auto& [frame, file] : shots_)
      shots += (shots.empty() ? "" : ",") + std::to_string(frame + start_) + ":" + file;
    std::string command = "cd '" + work() + "' && GLIMMERFIR_HEADLESS=1 GLIMMERFIR_SEED=7" +
                          " SDL_AUDIODRIVER=dummy XDG_DATA_HOME='" + path("xdg") + "'" +
                          " GLIMMERFIR_LEVEL='" + level +
                          "' GLIMMERFIR_FRAMES=" + std::to_string(frames) + " GLIMMERFIR_SHOTS='" +
                          shots + "'";
    if (!wav_.empty()) command += " GLIMMERFIR_WAV='" + wav_ + "'";
    if (!environment.empty()) command += " " + environment;
    const std::string script =
        (level.empty() && !fromProcessStart ? std::to_string(kIntroSkipFrame) + " key 32\n" : "") +
        shifted(input, start_);
    if (!script.empty()) {
      writeFile("input.txt", script);
      command += " GLIMMERFIR_INPUT='" + path("input.txt") + "'";
    }
    // A run that hangs is ended (exit status 124) instead of hanging the test.
    if (timeoutSeconds > 0) command += " timeout -k 5 " + std::to_string(timeoutSeconds);
    // A run cut off hard, as by a power loss: SIGKILL after that many seconds.
    if (!killAfter.empty()) command += " timeout -s KILL " + killAfter;
    command += " '" GLIMMERFIR_GAME_EXE "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[4096];
      size_t n;
      while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
      exitCode_ = pclose(pipe);
    }
    return output;
  }
  int exitCode() const { return exitCode_; }
  // The frame of the process at which the last run's own frames began.
  int startFrame() const { return start_; }
  // When set, the intro plays and frames count from the process's first.
  bool fromProcessStart = false;
  // More variables for the run, as NAME=value words.
  std::string environment;
  // When above 0, the run is ended after that many seconds.
  int timeoutSeconds = 0;
  // When set (seconds, "2.5"), the run is killed without warning after that long.
  std::string killAfter;

 private:
  testsupport::TempDir dir_;
  std::map<int, std::string> shots_;
  std::string wav_;
  int exitCode_ = -1;
  int start_ = 0;
};

// A first start from an empty data folder, in frames of the main menu: once the menu has slid
// in the name entry opens by itself, the name is typed and confirmed, PLAY is clicked and the
// mode question answered with Escape (a timed quest). The tree screen opens at about
// kFirstStartTree.
inline constexpr int kFirstStartTree = 230;
inline std::string firstStart(const std::string& name = "Ann") {
  return "130 char \"" + name + "\"\n140 key 13\n170 move 157 232\n171 press 1\n173 release 1\n" +
         "200 key 27\n";
}
// A first start, then `later`, whose frames count from the tree screen's opening.
inline std::string firstStartThen(const std::string& later, const std::string& name = "Ann") {
  return firstStart(name) + shifted(later, kFirstStartTree);
}

// A tree screen hint read: its OK button, where the hints of the tree screen stand.
inline std::string treeHintOk(int frame) {
  return shifted("0 move 645 155\n1 press 1\n3 release 1\n", frame);
}
// PLAY on the tree screen.
inline std::string treePlay(int frame) {
  return shifted("0 move 730 550\n1 press 1\n3 release 1\n", frame);
}

// The first visit to the tree screen as the tutorial leads a new player through it, in frames
// from the screen's opening: the welcome read, the shop's first bauble (8 of the 10 stars a
// quest starts with) hung on the tree at (458, 330), the next hint read, and PLAY at
// kFirstVisitPlay. The level's own first hint comes about 280 frames after that PLAY.
inline constexpr int kFirstVisitPlay = 290;
inline std::string firstTreeVisit() {
  return treeHintOk(70) + "110 move 50 125\n111 press 1\n113 release 1\n" +
         "150 move 458 330\n152 press 1\n154 release 1\n" + treeHintOk(230) +
         treePlay(kFirstVisitPlay);
}
// A first start through the first tree visit; `later` counts from its PLAY.
inline constexpr int kFirstStartPlay = kFirstStartTree + kFirstVisitPlay;
inline std::string firstStartToLevel(const std::string& later, const std::string& name = "Ann") {
  return firstStartThen(firstTreeVisit(), name) + shifted(later, kFirstStartPlay);
}
// After a level won with the developer's key (`win`, frames from the level's PLAY) and its
// summary closed: the next tree screen's hint read and PLAY, kNextPlayAfterWin frames after
// the win key.
inline constexpr int kNextPlayAfterWin = 610;
inline std::string winThenNextLevel(int win) {
  return shifted("0 keydown 87\n2 keyup 87\n290 key 27\n430 press 1\n432 release 1\n", win) +
         treeHintOk(win + 550) + treePlay(win + kNextPlayAfterWin);
}

// How many pixels of the region differ between two pictures by more than a small amount.
inline int changedPixels(const platform::Pixmap& a, const platform::Pixmap& b, Region r) {
  int changed = 0;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      const uint32_t p = platform::ReadPixel(a, x, y), q = platform::ReadPixel(b, x, y);
      int diff = 0;
      for (int shift : {0, 8, 16})
        diff += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
      if (diff > 48) ++changed;
    }
  }
  return changed;
}

// How many different colours (at 4 bits a channel) the region holds: a blank or flat screen
// has only a few.
inline int colourCount(const platform::Pixmap& a, Region r) {
  std::map<uint32_t, int> seen;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) seen[platform::ReadPixel(a, x, y) & 0xF0F0F0]++;
  return int(seen.size());
}

// The text between the first occurrence of `after` and the end of its line.
inline std::string lineAfter(const std::string& text, const std::string& after) {
  const size_t at = text.find(after);
  if (at == std::string::npos) return "";
  const size_t end = text.find('\n', at);
  return text.substr(at + after.size(), end == std::string::npos ? end : end - at - after.size());
}

}  // namespace e2e
