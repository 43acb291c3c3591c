#include "platform/Log.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace platform {

void Log(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void Logf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list count;
  va_copy(count, args);
  const int size = std::vsnprintf(nullptr, 0, format, count);
  va_end(count);
  std::string line(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(line.data(), line.size() + 1, format, args);
  va_end(args);
  Log(line);
}

}  // namespace platform
