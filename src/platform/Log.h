#pragma once
#include <string_view>

// The game's log is its standard output: nothing reads it, people and scripted runs do. Every
// line goes through here, whole and flushed at once, so the lines of a run that crashes or is
// killed are all there and never interleave with a half-written one.
namespace platform {

// Writes the line and a newline.
void Log(std::string_view line);
// Writes the printf-style formatted line and a newline.
void Logf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
