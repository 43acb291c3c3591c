// Loading of pictures a screen cannot do without: a failure is shown to the designer.
#pragma once

#include <string>

#include "platform/platform.h"

// LoadImage(path, flags); when that gives nothing, a Notify names the file and null is
// returned.
platform::Image loadImageOrWarn(const std::string& path,
                                platform::ImageFlags flags = platform::ImageFlags::Default);
// loadImageOrWarn with the handle at the picture's centre (for pictures placed by their middle).
platform::Image loadCentredImageOrWarn(const std::string& path);
