// The window's icon: kept from a picture file for every window the game opens.
#include <gtest/gtest.h>

#include <string>

#include "datafile/AssetNames.h"
#include "platform/Backend.h"
#include "platform/ImageData.h"
#include "platform/WindowIcon.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using platform::Backend;

TEST(WindowIcon, TheGeneratedIconIsKeptAndABadFileLeavesTheLastOne) {
  const std::string icon = std::string(GLIMMERFIR_ASSET_DIR) + "/" + assets::WINDOW_ICON;
  ASSERT_TRUE(platform::AppIcon(icon));
  const platform::Pixmap kept = Backend::get().renderer.icon();
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->width, 64);
  EXPECT_EQ(kept->height, 64);

  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "broken.png", "not a picture");
  for (const std::string& bad : {dir / "missing.png", dir / "broken.png"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(platform::AppIcon(bad));
    EXPECT_EQ(Backend::get().renderer.icon(), kept);
  }
}

}  // namespace
