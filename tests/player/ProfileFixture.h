// Shared set-up of the profile tests: the game's own level sets and shop read from the asset
// folder, the profiles kept in a temporary folder, and name and delete dialogs that answer
// from a script.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "effects/TZBuffer.h"
#include "match3/TLevelManager.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/IProfileDialogs.h"
#include "player/TProfileManager.h"
#include "support/TempDir.h"
#include "support/TestScreenContext.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeStage.h"

namespace profiletest {

class ScriptedDialogs : public IProfileDialogs {
 public:
  std::deque<std::string> names;
  int confirm = 1;
  int asked = 0;
  std::string askName(TEkran*, const std::function<void()>&, const std::string&, const std::string&,
                      int) override {
    ++asked;
    if (names.empty()) return "//";
    std::string name = names.front();
    names.pop_front();
    return name;
  }
  int confirmDelete(TEkran*, const std::function<void()>&) override { return confirm; }
};

class ProfileFixture : public ::testing::Test, public ProfileServices {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    oldDir_ = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    oldProfilesFolder_ = profilesFolder;
    oldProfilesFile_ = profilesFile;
    profilesFolder = dir.path() + "/Profiles/";
    profilesFile = profilesFolder + "profiles.dat";
    platform::CreateDir(profilesFolder);
    ::testing::internal::CaptureStdout();
    catalog->loadAll();
    levelManager.setup();
    stage.loadPixel();
    shopCatalogue.load(assets::DATA_CATEGORIES);
    ::testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    profilesFolder = oldProfilesFolder_;
    profilesFile = oldProfilesFile_;
    platform::ChangeDir(oldDir_);
  }
  const TLevelManager& levels() override { return levelManager; }
  const TShopCatalogue& products() override { return shopCatalogue; }

  testsupport::TempDir dir;
  testsupport::TestScreenContext context;
  std::shared_ptr<TTileCatalog> catalog = std::make_shared<TTileCatalog>();
  TLevelManager levelManager{catalog};
  TZBuffer zbuffer;
  TTreeStage stage{zbuffer, context.pointer};
  TShopCatalogue shopCatalogue{stage};
  ScriptedDialogs dialogs;

 private:
  std::string oldDir_, oldProfilesFolder_, oldProfilesFile_;
};

}  // namespace profiletest
