// Checks a finished asset folder against what the game names: the code's table of assets,
// every path a data file or screen layout mentions, and every bitmap font's pages. Each file
// must exist, decode with the game's own loaders, and have the size and frame count its user
// expects. Runs with the asset folder as the working directory, as the game does.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "datafile/AssetNames.h"

class AssetChecker {
 public:
  // Paths in `pending` are known not to be made yet: their absence is a note, not a failure.
  explicit AssetChecker(const std::set<std::string>& pending = {});

  void checkCodeAssets();
  void checkDataFiles();  // data/**/*.dat and *.lvl: every value naming a picture, sound or font
  void checkLayouts();    // gfx/gui/**/*.gui and theme files: every token naming one
  void checkAllFonts();   // every .fnt in the folder, wherever it is named
  void checkAll();

  void check(const assets::AssetSpec& spec, const std::string& namedBy);

  const std::vector<std::string>& failures() const { return failures_; }
  const std::vector<std::string>& notes() const { return notes_; }
  // Named files on the pending list that are still missing.
  const std::vector<std::string>& notMadeYet() const { return notMadeYet_; }
  int checkedCount() const { return static_cast<int>(checked_.size()); }

  // The kind a path's extension implies when only its name is known; Data when none fits.
  static assets::AssetKind kindOf(const std::string& path);
  static bool namesAsset(const std::string& value);

 private:
  void fail(const std::string& what, const std::string& path, const std::string& namedBy);
  bool exists(const std::string& path, const std::string& namedBy);
  void checkImage(const assets::AssetSpec& spec, const std::string& namedBy);
  void checkSheet(const assets::AssetSpec& spec, const std::string& namedBy);
  void checkFont(const std::string& path, const std::string& namedBy);
  void checkSound(const std::string& path, const std::string& namedBy);
  void checkData(const std::string& path, const std::string& namedBy);
  void checkNamed(const std::string& value, const std::string& namedBy);
  std::vector<std::string> filesUnder(const std::string& folder,
                                      const std::vector<std::string>& extensions) const;

  std::set<std::string> pending_;
  std::set<std::string> checked_;  // upper-case paths already checked
  std::vector<std::string> failures_;
  std::vector<std::string> notes_;
  std::vector<std::string> notMadeYet_;
};
