#include "datafile/FileValues.h"

#include <algorithm>

#include "datafile/TRCMEntry.h"
#include "datafile/TRCMGroup.h"

int valueCount(TRCMFile& file, const std::string& path) {
  const auto parts = TRCMFile::splitPath(path);
  const auto group = file.getGroup(parts);
  if (!group) return 0;
  const auto entry = group->getEntry(parts.back());
  return entry ? static_cast<int>(entry->_value.size()) : 0;
}

std::string readName(TRCMFile& file, const std::string& path, int index) {
  std::string name = file.getString(path, index);
  name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
  return name;
}

void reportProblem(const std::string& message) { TRCMFile::errorMsg(message); }
