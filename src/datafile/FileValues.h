#pragma once
#include <cmath>
#include <limits>
#include <string>

#include "datafile/TRCMFile.h"

// Numbers in data files are reals; integers are their truncation toward zero. Values beyond
// the int range (or not numbers at all) would be undefined to convert, so they saturate.
inline int truncToInt(float value) {
  if (std::isnan(value)) return 0;
  constexpr float kMax = 2147483520.0f;  // largest float below INT_MAX
  if (value >= kMax) return std::numeric_limits<int>::max();
  if (value <= -kMax) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

inline int readInt(TRCMFile& file, const std::string& key, int index = 0) {
  return truncToInt(file.getFloat(key, index, 0));
}

// How many values the entry at a "group::...::key" path holds; 0 when it is missing.
int valueCount(TRCMFile& file, const std::string& path);

// Logs a data problem the way every data file reports one.
void reportProblem(const std::string& message);
