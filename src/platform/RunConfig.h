// The environment variables that choose the back end and drive a scripted run.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct RunConfig {
  bool headless = false;             // GLIMMERFIR_HEADLESS=1
  std::optional<int> seed;           // GLIMMERFIR_SEED
  std::string inputScript;           // GLIMMERFIR_INPUT=file
  std::map<int, std::string> shots;  // GLIMMERFIR_SHOTS="frame:path,frame:path"
  int frameLimit = -1;               // GLIMMERFIR_FRAMES=N
  std::string wavPath;               // GLIMMERFIR_WAV=path (headless)
  std::string recordPath;            // GLIMMERFIR_RECORD=path

  static RunConfig fromEnvironment();
  // "frame:path" items separated by commas; relative paths are made absolute now, so a
  // later change of directory does not move them.
  static std::map<int, std::string> parseShots(const std::string& text,
                                               std::vector<std::string>& errors);
};

}  // namespace platform
