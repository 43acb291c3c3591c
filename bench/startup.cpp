// The real game as a process. Start-up: from process start to the first frame of the main menu
// (the intro skipped with Space on its second frame, then the seven loading steps), headless,
// from an empty data folder. A level: ten seconds of a 10 x 10 quest level with chains and
// plates, headless and, when there is a display, in an 800 x 600 window. Prints wall time, CPU
// time and peak memory of each run and their medians.
//
//   bench_startup [runs]        (default 5)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Frames up to and including the main menu's first: the Space on frame 2 ends the intro, the
// loading screen draws 49 frames.
constexpr int kFirstMenuFrame = 2 + 1 + 49 + 1;

struct Run {
  double wallMs = 0, cpuMs = 0, peakMiB = 0;
  bool ok = false;
};

struct Scenario {
  const char* title;
  const char* level;  // empty: from the start, to the main menu
  int frames;
  bool window;
};

Run runOnce(const std::filesystem::path& scratch, const Scenario& scenario) {
  namespace fs = std::filesystem;
  fs::remove_all(scratch);
  fs::create_directories(scratch / "xdg" / "Glimmerfir");
  // A window, not the full screen, so that the figures are the game's own at 800 x 600.
  std::ofstream(scratch / "xdg" / "Glimmerfir" / "settings.dat")
      << "settings {\n\tfullScreen = 0\n}\n";
  const fs::path input = scratch / "skip-intro.txt";
  std::ofstream(input) << "2 key 32\n";
  std::fflush(stdout);  // or the child would print what is still buffered again
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(GLIMMERFIR_ASSET_DIR) != 0) _exit(127);
    if (!scenario.window) setenv("GLIMMERFIR_HEADLESS", "1", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (*scenario.level)
      setenv("GLIMMERFIR_LEVEL", scenario.level, 1);
    else
      setenv("GLIMMERFIR_INPUT", input.c_str(), 1);
    setenv("GLIMMERFIR_FRAMES", std::to_string(scenario.frames).c_str(), 1);
    setenv("XDG_DATA_HOME", (scratch / "xdg").c_str(), 1);
    if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
    execl(GLIMMERFIR_GAME_EXE, GLIMMERFIR_GAME_EXE, static_cast<char*>(nullptr));
    _exit(127);
  }
  Run run;
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return run;
  const auto end = std::chrono::steady_clock::now();
  run.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
  run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
  run.peakMiB = usage.ru_maxrss / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Runs a scenario `runs` times and prints each run and the medians; false when a run failed.
bool measure(const Scenario& scenario, int runs, const std::filesystem::path& scratch) {
  std::vector<double> wall, cpu, peak;
  std::printf("%s\n", scenario.title);
  for (int i = 0; i < runs; ++i) {
    const Run run = runOnce(scratch, scenario);
    if (!run.ok) {
      std::fprintf(stderr, "run %d: the game did not end cleanly\n", i + 1);
      return false;
    }
    std::printf("run %d: %7.1f ms wall, %7.1f ms CPU, %6.1f MiB peak\n", i + 1, run.wallMs,
                run.cpuMs, run.peakMiB);
    wall.push_back(run.wallMs);
    cpu.push_back(run.cpuMs);
    peak.push_back(run.peakMiB);
  }
  std::printf("median: %7.1f ms wall, %7.1f ms CPU, %6.1f MiB peak\n", median(wall), median(cpu),
              median(peak));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto scratch =
      std::filesystem::temp_directory_path() / ("glimmerfir-startup-" + std::to_string(getpid()));
  constexpr const char* kLevel = "data/levels/zestaw1/level05.lvl";
  std::vector<Scenario> scenarios = {
      {"start to the first main-menu frame, headless, empty data folder", "", kFirstMenuFrame,
       false},
      {"a 10 x 10 level for 600 frames, headless", kLevel, 600, false}};
  if (std::getenv("DISPLAY"))
    scenarios.push_back({"the same level for 600 frames in a window", kLevel, 600, true});
  bool ok = true;
  for (const Scenario& scenario : scenarios) ok = ok && measure(scenario, runs, scratch);
  std::filesystem::remove_all(scratch);
  return ok ? 0 : 1;
}
