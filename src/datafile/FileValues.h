#pragma once
#include <string>

#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"

// How many values the entry at a "group::...::key" path holds; 0 when it is missing.
int valueCount(TRCMFile& file, const std::string& path);

// A name at a path, without double quotes: the files have no way to write one inside a value,
// so a name from a damaged file that held one would come back cut short after a save.
std::string readName(TRCMFile& file, const std::string& path, int index = 0);

// Logs a data problem the way every data file reports one.
void reportProblem(const std::string& message);
