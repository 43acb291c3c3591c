// Feeds arbitrary bytes to the profile readers. The first byte chooses the file: even, a
// player's profile; odd, the list of players (whose current player's profile is then read as
// well). What was read is saved and read again, and must come back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "effects/TZBuffer.h"
#include "fuzz/FuzzScratch.h"
#include "match3/TLevelManager.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/IProfileDialogs.h"
#include "player/TProfileManager.h"
#include "support/TestScreenContext.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeStage.h"

namespace {

class NoDialogs : public IProfileDialogs {
 public:
  std::string askName(TEkran*, const std::function<void()>&, const std::string&, const std::string&,
                      int) override {
    return "Fuzz";
  }
  int confirmDelete(TEkran*, const std::function<void()>&) override { return 0; }
};

struct Services : ProfileServices {
  testsupport::TestScreenContext screen;
  std::shared_ptr<TTileCatalog> catalog = std::make_shared<TTileCatalog>();
  TLevelManager levelManager{catalog};
  TZBuffer zbuffer;
  TTreeStage stage{zbuffer, screen.pointer};
  TShopCatalogue shop{stage};
  NoDialogs dialogs;
  const TLevelManager& levels() override { return levelManager; }
  const TShopCatalogue& products() override { return shop; }
};

Services& Ready() {
  static Services* services = [] {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    auto* made = new Services();
    const std::string before = platform::CurrentDir();
    // The generated asset folder, when there is one, gives the shop its pictures, so the
    // decorations of a tree are built too; the source folder has the data files only.
    const char* generated = std::getenv("GLIMMERFIR_FUZZ_ASSETS");
    platform::ChangeDir(generated && *generated ? generated : GLIMMERFIR_SOURCE_ASSETS);
    made->catalog->loadAll();
    made->levelManager.setup();
    made->shop.load(assets::DATA_CATEGORIES);
    platform::ChangeDir(before);
    profilesFolder = fuzzsupport::ScratchDir() + "/Profiles/";
    profilesFile = profilesFolder + "profiles.dat";
    return made;
  }();
  return *services;
}

void Check(bool holds) {
  if (!holds) abort();
}

void CheckProfile(const TProfile& profile) {
  Check(profile.stars >= 0 && profile.score >= 0);
  for (const auto& decoration : profile.all) Check(decoration && decoration->data);
}

void CheckSame(const TProfile& read, const TProfile& again) {
  Check(again.name == read.name && again.stars == read.stars && again.score == read.score);
  Check(again.mode == read.mode && again.nrLeveluQuest == read.nrLeveluQuest);
  Check(again.all.size() == read.all.size() && again.hintsDone == read.hintsDone);
}

void FuzzProfile(Services& services, const uint8_t* data, size_t size) {
  const std::string path = fuzzsupport::WriteScratch("Profiles/70-/profile.dat", data, size);
  if (path.empty()) return;
  const TProfileData entry("F", path);
  const TProfilePtr read = loadProfile(entry, services);
  CheckProfile(*read);
  if (!read->save()) return;
  const TProfilePtr again = loadProfile(entry, services);
  CheckSame(*read, *again);
}

void FuzzList(Services& services, const uint8_t* data, size_t size) {
  std::error_code ignored;
  std::filesystem::remove_all(profilesFolder, ignored);
  if (fuzzsupport::WriteScratch("Profiles/profiles.dat", data, size).empty()) return;
  TProfileManager manager(services.screen, services, services.dialogs);
  manager.loadProfiles();
  for (const auto& entry : manager.profiles) Check(entry != nullptr);
  if (manager.profile) CheckProfile(*manager.profile);
  if (!manager.saveAll()) return;
  TProfileManager again(services.screen, services, services.dialogs);
  again.loadProfiles();
  Check(again.profiles.size() == manager.profiles.size());
  Check((again.profile != nullptr) == (manager.profile != nullptr));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Services& services = Ready();
  if (size == 0) return 0;
  if (data[0] % 2 == 0)
    FuzzProfile(services, data + 1, size - 1);
  else
    FuzzList(services, data + 1, size - 1);
  return 0;
}
