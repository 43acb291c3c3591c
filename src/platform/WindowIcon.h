// The window's icon, beside AppTitle: few callers need it, so it stays out of platform.h.
#pragma once

#include <string>

namespace platform {

// The window's icon from a picture file, for the window open now and every later one. False
// (with a log line) when the picture does not load; the icon set before stays.
bool AppIcon(const std::string& path);

}  // namespace platform
