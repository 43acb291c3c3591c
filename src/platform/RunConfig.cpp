#include "platform/RunConfig.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/Log.h"

namespace platform {

namespace {

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::optional<int> parseInt(const std::string& text) {
  try {
    size_t used = 0;
    const long long v = std::stoll(text, &used);
    if (used != text.size() || v < -2147483648LL || v > 2147483647LL) return std::nullopt;
    return int(v);
  } catch (...) {
    return std::nullopt;
  }
}

std::string absolute(const std::string& path) {
  std::error_code ec;
  auto result = std::filesystem::absolute(path, ec);
  return ec ? path : result.string();
}

}  // namespace

std::map<int, std::string> RunConfig::parseShots(const std::string& text,
                                                 std::vector<std::string>& errors) {
  std::map<int, std::string> shots;
  std::istringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    if (item.empty()) continue;
    const size_t colon = item.find(':');
    const auto frame = colon == std::string::npos ? std::nullopt : parseInt(item.substr(0, colon));
    const std::string path = colon == std::string::npos ? "" : item.substr(colon + 1);
    if (!frame || *frame < 0 || path.empty()) {
      errors.push_back("cannot read screenshot item \"" + item + "\"");
      continue;
    }
    shots[*frame] = absolute(path);
  }
  return shots;
}

RunConfig RunConfig::fromEnvironment() {
  RunConfig config;
  const std::string headless = env("GLIMMERFIR_HEADLESS");
  config.headless = !headless.empty() && headless != "0";
  const std::string seed = env("GLIMMERFIR_SEED");
  if (!seed.empty()) {
    config.seed = parseInt(seed);
    if (!config.seed) platform::Logf("GLIMMERFIR_SEED is not a number: %s", seed.c_str());
  }
  config.inputScript = env("GLIMMERFIR_INPUT");
  std::vector<std::string> errors;
  config.shots = parseShots(env("GLIMMERFIR_SHOTS"), errors);
  for (const std::string& error : errors) platform::Logf("GLIMMERFIR_SHOTS: %s", error.c_str());
  const std::string frames = env("GLIMMERFIR_FRAMES");
  if (!frames.empty()) {
    const auto limit = parseInt(frames);
    if (limit && *limit >= 0)
      config.frameLimit = *limit;
    else
      platform::Logf("GLIMMERFIR_FRAMES is not a frame count: %s", frames.c_str());
  }
  const std::string wav = env("GLIMMERFIR_WAV");
  if (!wav.empty()) config.wavPath = absolute(wav);
  const std::string record = env("GLIMMERFIR_RECORD");
  if (!record.empty()) config.recordPath = absolute(record);
  return config;
}

}  // namespace platform
