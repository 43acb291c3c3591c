// Where the game looks for its asset folder, and what it says when there is none.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/AssetFolder.h"
#include "datafile/AssetNames.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// An installed tree (<root>/prefix/bin, <root>/prefix/share/glimmerfir), a build tree
// (<root>/build with its assets folder) and an unrelated working folder.
struct Layout {
  testsupport::TempDir root;
  std::string work = root / "work";
  std::string bin = root / "prefix/bin";
  std::string share = root / "prefix/share/glimmerfir";
  std::string build = root / "build";
  std::string buildAssets = root / "build/assets";

  Layout() {
    for (const std::string& folder : {work, bin, share, build, buildAssets})
      fs::create_directories(folder);
  }
  // Makes `folder` look like an asset folder.
  void markAssets(const std::string& folder) const {
    testsupport::WriteFile((fs::path(folder) / assets::ASSET_FOLDER_MARKER).string(), "");
  }
};

TEST(AssetFolder, TriesTheWorkingFolderThenTheInstalledDataThenTheBuildFolder) {
  Layout l;
  EXPECT_EQ(AssetFolder::candidates(l.work, l.bin),
            (std::vector<std::string>{l.work, l.share, l.bin + "/assets"}));
  EXPECT_EQ(AssetFolder::candidates(l.work, l.build),
            (std::vector<std::string>{l.work, l.root / "share/glimmerfir", l.buildAssets}));
  // The executable's place unknown: only the working folder.
  EXPECT_EQ(AssetFolder::candidates(l.work, ""), std::vector<std::string>{l.work});
  // Started inside the build's asset folder: tried once.
  EXPECT_EQ(AssetFolder::candidates(l.buildAssets, l.build),
            (std::vector<std::string>{l.buildAssets, l.root / "share/glimmerfir"}));
}

TEST(AssetFolder, TheFirstFolderHoldingTheAssetsWins) {
  using Folder = std::string Layout::*;
  struct Case {
    const char* what;
    Folder executable;
    std::vector<Folder> marked;
    Folder expected;  // null: none found
  };
  const std::vector<Case> cases{
      {"working folder over the installed one",
       &Layout::bin,
       {&Layout::work, &Layout::share},
       &Layout::work},
      {"installed game from an unrelated folder",
       &Layout::bin,
       {&Layout::share, &Layout::buildAssets},
       &Layout::share},
      {"build's game from an unrelated folder",
       &Layout::build,
       {&Layout::buildAssets},
       &Layout::buildAssets},
      {"installed game without its data", &Layout::bin, {&Layout::buildAssets}, nullptr},
      {"nothing anywhere", &Layout::build, {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Layout l;
    for (Folder folder : c.marked) l.markAssets(l.*folder);
    const std::string found = AssetFolder::find(AssetFolder::candidates(l.work, l.*c.executable));
    EXPECT_EQ(found, c.expected ? l.*c.expected : std::string());
  }
}

TEST(AssetFolder, TheMessageNamesEveryFolderTried) {
  const std::vector<std::string> tried{"/home/someone", "/opt/game/share/glimmerfir",
                                       "/opt/game/bin/assets"};
  const std::string message = AssetFolder::notFoundMessage(tried);
  EXPECT_NE(message.find(assets::ASSET_FOLDER_MARKER), std::string::npos);
  for (const std::string& folder : tried)
    EXPECT_NE(message.find("\n  " + folder), std::string::npos) << folder;
}

TEST(AssetFolder, EnteringKeepsAWorkingFolderThatHoldsTheAssets) {
  const fs::path before = fs::current_path();
  Layout l;
  l.markAssets(l.work);
  fs::current_path(l.work);
  EXPECT_TRUE(AssetFolder::enter());
  EXPECT_EQ(fs::current_path().string(), l.work);
  fs::current_path(before);
}

}  // namespace
