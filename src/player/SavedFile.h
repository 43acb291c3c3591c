// Saves that keep the last good copy of a file beside it ("<file>.bak"), and reads that fall
// back to that copy when the file is missing, empty, cut short or unreadable.
#pragma once

#include <functional>
#include <string>

#include "datafile/TRCMFile.h"

namespace savedfile {

// Whether a loaded file holds what it should.
using Check = std::function<bool(TRCMFile&)>;

std::string copyPath(const std::string& path);
// Copies the file, byte for byte, to its copy's place when it is good; false when a good file
// could not be copied.
bool keepGoodCopy(const std::string& path, const Check& good);
// The file, or its copy (said in the log) when the file is not good.
TRCMFile read(const std::string& path, const Check& good);
// A file holding the group: "Profile", "Profiles", "Level".
Check holds(const std::string& group);

}  // namespace savedfile
