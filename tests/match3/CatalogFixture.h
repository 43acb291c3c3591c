#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "match3/TTileCatalog.h"
#include "support/TempDir.h"

// Runs each test in a fresh temporary working folder holding the pictures the fixture
// catalogues under tests/data/match3 name, with those catalogues loaded.
class CatalogFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fixture file under tests/data/match3.
  static std::string data(const std::string& name);
  // A path inside the temporary working folder.
  std::string temp(const std::string& name) const;
  // Writes a text file into the temporary folder and returns its path.
  std::string writeTemp(const std::string& name, const std::string& text) const;

  std::shared_ptr<TTileCatalog> catalog;

 private:
  testsupport::TempDir tempDir_;  // removed with the fixture
  std::string dir_;
  std::string oldDir_;
};

// The colour of frame n of the fixture's 4-frame bonus strip.
uint32_t stripColour(int frame);

// Every line the code printed while fn ran.
template <typename Fn>
std::string capturedStdout(Fn&& fn) {
  ::testing::internal::CaptureStdout();
  fn();
  return ::testing::internal::GetCapturedStdout();
}
