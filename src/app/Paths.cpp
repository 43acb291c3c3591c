#include "app/Paths.h"

#include <cstdlib>

#include "core/Globals.h"
#include "platform/files.h"
#include "platform/platform.h"

void Paths::getPaths() {
  profilesFolder = dataFolder + "/Profiles/";
  profilesFile = profilesFolder + "profiles.dat";
}

std::string applicationDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg) return xdg;
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.local/share";
  return "";
}

namespace {
void createIfMissing(const std::string& path) {
  if (platform::FileType(path) == 0) platform::CreateDir(path);
}
}  // namespace

void setupFolders() {
  dataFolder = applicationDataFolder() + "/" + gameFolderName;
  // The base folder may itself be missing on a fresh account.
  createIfMissing(applicationDataFolder());
  createIfMissing(dataFolder);
  createIfMissing(dataFolder + "/Data");
  createIfMissing(dataFolder + "/Profiles");
  if (platform::FileType(dataFolder) != 2) {
    platform::Notify("Can't create folder: '" + dataFolder + "' !");
  }
  // Saves cut short by a crash leave their temporary files behind; the saved files
  // themselves are whole (each replaced at once), so the leftovers only take room.
  platform::RemoveStaleTempFiles(dataFolder, true);
}
