// Feeds arbitrary bytes to the level reader as a level file, with the real tile catalogue
// of the game's data, then writes the level and reads what was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz/FuzzScratch.h"
#include "match3/TLevel.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

std::shared_ptr<TTileCatalog> Catalog() {
  static const std::shared_ptr<TTileCatalog> catalog = [] {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    auto loaded = std::make_shared<TTileCatalog>();
    const std::string before = platform::CurrentDir();
    platform::ChangeDir(GLIMMERFIR_SOURCE_ASSETS);  // data files only; no pictures needed
    loaded->loadAll();
    platform::ChangeDir(before);
    return loaded;
  }();
  return catalog;
}

void Check(bool holds) {
  if (!holds) abort();
}

void CheckLevel(const TLevel& level) {
  Check(level.rows >= 0 && level.rows <= TLevel::kMaxGrid);
  Check(level.cols >= 0 && level.cols <= TLevel::kMaxGrid);
  Check(level.czas >= 0 && level.maxCzas >= 0);
  for (const auto& creator : level.tileCreators) Check(creator != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto catalog = Catalog();
  const std::string path = fuzzsupport::WriteScratch("input.lvl", data, size);
  if (path.empty()) return 0;
  const auto level = loadLevel(path, catalog);
  CheckLevel(*level);
  const std::string saved = fuzzsupport::ScratchDir() + "/saved.lvl";
  level->typ = "MATCH-3";
  if (level->save(saved)) CheckLevel(*loadLevel(saved, catalog));
  return 0;
}
