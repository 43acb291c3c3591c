#pragma once
#include <string>

#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"

// How many values the entry at a "group::...::key" path holds; 0 when it is missing.
int valueCount(TRCMFile& file, const std::string& path);

// Logs a data problem the way every data file reports one.
void reportProblem(const std::string& message);
