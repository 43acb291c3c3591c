#pragma once
#include <string>

class Paths {
 public:
  // profilesFolder and profilesFile from dataFolder.
  static void getPaths();
};

// The machine-wide application-data folder: $XDG_DATA_HOME, else ~/.local/share.
std::string applicationDataFolder();
// Creates dataFolder with its Data and Profiles folders when missing, and removes the
// temporary files of saves a crash cut short.
void setupFolders();
