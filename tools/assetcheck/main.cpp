// Fails the build when the asset folder lacks a file the game or its data name, or holds one
// that does not decode or has the wrong size or frame count.
//
//   assetcheck <asset-dir> [--pending <list>]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "AssetChecker.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace {

// One relative path per line; blank lines and lines starting with # are skipped.
std::set<std::string> readPending(const std::string& file) {
  std::set<std::string> paths;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    line = platform::Trim(line);
    if (!line.empty() && line[0] != '#') paths.insert(line);
  }
  return paths;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir, pendingFile;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--pending" && i + 1 < argc)
      pendingFile = argv[++i];
    else
      dir = a;
  }
  if (dir.empty()) {
    std::fprintf(stderr, "usage: assetcheck <asset-dir> [--pending <list>]\n");
    return 2;
  }
  setenv("GLIMMERFIR_HEADLESS", "1", 0);
  std::set<std::string> pending =
      pendingFile.empty() ? std::set<std::string>{} : readPending(pendingFile);
  if (!platform::ChangeDir(dir)) {
    std::fprintf(stderr, "assetcheck: cannot enter %s\n", dir.c_str());
    return 2;
  }
  AssetChecker checker(pending);
  checker.checkAll();
  for (const auto& n : checker.notes()) std::printf("assetcheck: note: %s\n", n.c_str());
  if (!checker.notMadeYet().empty())
    std::printf("assetcheck: %zu named files are not made yet (listed in %s)\n",
                checker.notMadeYet().size(), pendingFile.c_str());
  for (const auto& f : checker.failures()) std::fprintf(stderr, "assetcheck: %s\n", f.c_str());
  std::printf("assetcheck: %d files checked, %zu problem(s)\n", checker.checkedCount(),
              checker.failures().size());
  return checker.failures().empty() ? 0 : 1;
}
