#include "datafile/FileNumbers.h"

#include "datafile/TRCMFile.h"

int readInt(TRCMFile& file, const std::string& key, int index) {
  return truncToInt(file.getFloat(key, index, 0));
}

int readInt(TRCMFile& file, const std::string& key, int low, int high, int index) {
  const int value = readInt(file, key, index);
  if (value >= low && value <= high) return value;
  TRCMFile::errorMsg(key + " = " + std::to_string(value) + " (allowed " + std::to_string(low) +
                     ".." + std::to_string(high) + ")");
  return value < low ? low : high;
}

bool fileHas(TRCMFile& file, const std::string& path) {
  const std::vector<std::string> parts = TRCMFile::splitPath(path);
  const TRCMGroupPtr group = file.getGroup(parts);
  return group && (group->getEntry(parts.back()) || group->getGroup(parts.back()));
}

int readCount(TRCMFile& file, const std::string& countKey,
              const std::function<std::string(int)>& itemPath, int first) {
  return presentItems(file, countKey, readInt(file, countKey), itemPath, first);
}

int presentItems(TRCMFile& file, const std::string& countKey, long long announced,
                 const std::function<std::string(int)>& itemPath, int first) {
  int found = 0;
  // Each item present is at least one line of the file, so the walk ends with the file.
  while (found < announced && fileHas(file, itemPath(first + found))) ++found;
  if (found < announced)
    TRCMFile::errorMsg(countKey + " = " + std::to_string(announced) + ", but only " +
                       std::to_string(found) + " present");
  return found;
}
