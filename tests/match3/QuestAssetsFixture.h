// Tests on the game's own catalogues and quest levels, read from the asset folder headless.
// The working folder is put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "match3/TLevelManager.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"

class QuestAssetsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    oldDir_ = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    catalog = std::make_shared<TTileCatalog>();
    manager = std::make_unique<TLevelManager>(catalog);
    ::testing::internal::CaptureStdout();
    catalog->loadAll();
    manager->setup();
    ::testing::internal::GetCapturedStdout();
  }
  void TearDown() override { platform::ChangeDir(oldDir_); }

  std::shared_ptr<TTileCatalog> catalog;
  std::unique_ptr<TLevelManager> manager;

 private:
  std::string oldDir_;
};
