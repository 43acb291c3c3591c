// Numbers and counts read from data files. Every file may be damaged or hand-edited, so a
// number is converted with a defined result whatever it holds, and a count never drives a
// loop past what the file actually contains.
#pragma once

#include <cmath>
#include <functional>
#include <limits>
#include <string>

class TRCMFile;

// Numbers in data files are reals; integers are their truncation toward zero. Values beyond
// the int range (or not numbers at all) would be undefined to convert, so they saturate.
inline int truncToInt(float value) {
  if (std::isnan(value)) return 0;
  constexpr float kMax = 2147483520.0f;  // largest float below INT_MAX
  if (value >= kMax) return std::numeric_limits<int>::max();
  if (value <= -kMax) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

int readInt(TRCMFile& file, const std::string& key, int index = 0);
// readInt kept within [low, high]; a value outside is clamped and reported.
int readInt(TRCMFile& file, const std::string& key, int low, int high, int index = 0);

// True when the path names an entry or a group of the file.
bool fileHas(TRCMFile& file, const std::string& path);

// The number of numbered items first, first + 1, ... that the count at `countKey` announces
// and the file really holds: counting stops at the first item whose path (given by
// `itemPath`) is missing, so a damaged count can neither hang the reader nor overflow it.
int readCount(TRCMFile& file, const std::string& countKey,
              const std::function<std::string(int)>& itemPath, int first = 1);
// The same for a number of items already read from `countKey`.
int presentItems(TRCMFile& file, const std::string& countKey, long long announced,
                 const std::function<std::string(int)>& itemPath, int first = 1);
