#include "app/AssetFolder.h"

#include <filesystem>
#include <system_error>

#include "datafile/AssetNames.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

std::string executableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.parent_path().string();
}

}  // namespace

std::vector<std::string> AssetFolder::candidates(const std::string& workingFolder,
                                                 const std::string& executableFolder) {
  std::vector<std::string> folders{workingFolder};
  if (executableFolder.empty()) return folders;
  const fs::path bin(executableFolder);
  for (const fs::path& folder : {bin / ".." / "share" / "glimmerfir", bin / "assets"}) {
    const std::string path = folder.lexically_normal().string();
    if (path != workingFolder) folders.push_back(path);
  }
  return folders;
}

bool AssetFolder::holdsAssets(const std::string& folder) {
  return platform::FileType((fs::path(folder) / assets::ASSET_FOLDER_MARKER).string()) == 1;
}

std::string AssetFolder::find(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders)
    if (holdsAssets(folder)) return folder;
  return "";
}

std::string AssetFolder::notFoundMessage(const std::vector<std::string>& tried) {
  std::string message = "Cannot find the game's data (a folder holding " +
                        std::string(assets::ASSET_FOLDER_MARKER) + "). Looked in:";
  for (const std::string& folder : tried) message += "\n  " + folder;
  return message;
}

bool AssetFolder::enter() {
  std::string here = platform::CurrentDir();
  if (here.empty()) here = ".";
  const std::vector<std::string> tried = candidates(here, executableFolder());
  const std::string found = find(tried);
  if (found.empty()) {
    platform::Notify(notFoundMessage(tried));
    return false;
  }
  if (found != here && !platform::ChangeDir(found)) {
    platform::Notify("Cannot enter the game's data folder '" + found + "'");
    return false;
  }
  return true;
}
