// Start-up of the real game: from process start to the first frame of the main menu (the intro
// skipped with Space on its second frame, then the seven loading steps), headless, from an empty
// data folder. Prints wall time, CPU time and peak memory of each run and their medians.
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

Run startOnce(const std::filesystem::path& scratch) {
  namespace fs = std::filesystem;
  fs::remove_all(scratch);
  fs::create_directories(scratch / "xdg");
  const fs::path input = scratch / "skip-intro.txt";
  std::ofstream(input) << "2 key 32\n";
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(GLIMMERFIR_ASSET_DIR) != 0) _exit(127);
    setenv("GLIMMERFIR_HEADLESS", "1", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("GLIMMERFIR_INPUT", input.c_str(), 1);
    setenv("GLIMMERFIR_FRAMES", std::to_string(kFirstMenuFrame).c_str(), 1);
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

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto scratch =
      std::filesystem::temp_directory_path() / ("glimmerfir-startup-" + std::to_string(getpid()));
  std::vector<double> wall, cpu, peak;
  std::printf("start to the first main-menu frame, headless, empty data folder\n");
  for (int i = 0; i < runs; ++i) {
    const Run run = startOnce(scratch);
    if (!run.ok) {
      std::fprintf(stderr, "run %d: the game did not end cleanly\n", i + 1);
      std::filesystem::remove_all(scratch);
      return 1;
    }
    std::printf("run %d: %7.1f ms wall, %7.1f ms CPU, %6.1f MiB peak\n", i + 1, run.wallMs,
                run.cpuMs, run.peakMiB);
    wall.push_back(run.wallMs);
    cpu.push_back(run.cpuMs);
    peak.push_back(run.peakMiB);
  }
  std::filesystem::remove_all(scratch);
  std::printf("median: %7.1f ms wall, %7.1f ms CPU, %6.1f MiB peak\n", median(wall), median(cpu),
              median(peak));
  return 0;
}
