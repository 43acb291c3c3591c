#include "datafile/FileValues.h"

#include "datafile/TRCMEntry.h"
#include "datafile/TRCMGroup.h"

int valueCount(TRCMFile& file, const std::string& path) {
  const auto parts = TRCMFile::splitPath(path);
  const auto group = file.getGroup(parts);
  if (!group) return 0;
  const auto entry = group->getEntry(parts.back());
  return entry ? static_cast<int>(entry->_value.size()) : 0;
}

void reportProblem(const std::string& message) { TRCMFile::errorMsg(message); }
