// A scratch folder for fuzz harnesses that hand their input to a reader as a file on disk,
// removed when the fuzzer exits; and a quiet headless game back end.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzzsupport {

inline const std::string& ScratchDir() {
  static const std::string dir = [] {
    // Saves flush to disk; in memory (where there is such a folder) that costs nothing.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = base / "glimmerfir-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return std::string();
    static std::string removeAtExit;
    removeAtExit = pattern;
    atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removeAtExit, ignored);
    });
    return pattern;
  }();
  return dir;
}

// Writes the input to `name` in the scratch folder; empty when that failed.
inline std::string WriteScratch(const std::string& name, const uint8_t* data, size_t size) {
  if (ScratchDir().empty()) return "";
  const std::string path = ScratchDir() + "/" + name;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return out ? path : "";
}

}  // namespace fuzzsupport
