#pragma once

#include <string>
#include <vector>

// Finds the folder of the game's pictures, sounds and data, and makes it the working directory
// (every asset path is relative to it). Tried in order: the working directory itself, the
// installed data folder beside the executable (<bin>/../share/glimmerfir), and the build's
// asset folder beside it (<build>/assets).
class AssetFolder {
 public:
  // The folders to try, in order, for a start in `workingFolder` by an executable that lies in
  // `executableFolder` (empty when unknown).
  static std::vector<std::string> candidates(const std::string& workingFolder,
                                             const std::string& executableFolder);
  // True when `folder` holds the game's assets.
  static bool holdsAssets(const std::string& folder);
  // The first of `folders` that holds the assets; empty when none does.
  static std::string find(const std::vector<std::string>& folders);
  // What the game says when no folder holds the assets: every folder it tried.
  static std::string notFoundMessage(const std::vector<std::string>& tried);
  // Changes into the asset folder. When none is found, says so and returns false.
  static bool enter();
};
