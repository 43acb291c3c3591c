// The asset check against small folders with one fault each: it must name the file and the
// fault, and stay quiet about a sound folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssetChecker.h"
#include "fonts/BmFontWriter.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using assets::AssetKind;
using assets::AssetSpec;
using testsupport::TempDir;
using testsupport::WriteFile;

void writePng(const std::string& path, int w, int h) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  platform::Pixmap pm = platform::CreatePixmap(w, h);
  platform::ClearPixels(pm, 0xFFFFFFFF);
  ASSERT_TRUE(platform::SavePixmapPNG(pm, path)) << path;
}

std::string fontBytes(const std::string& pageName) {
  assetgen::BmFont font;
  font.info.fontSize = 10;
  font.pages = {pageName};
  font.chars = {{32, 0, 0, 0, 0, 0, 0, 4, 0, 15}};
  std::vector<uint8_t> bytes = assetgen::BmFontWriter::serialise(font);
  return std::string(bytes.begin(), bytes.end());
}

class AssetCheckerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(dir_.path()));
  }
  void TearDown() override { platform::ChangeDir(previous_); }

  std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
  }

  TempDir dir_;
  std::string previous_;
};

// g++ 12 at -O2 takes the table's strings for uninitialised on the unwinding path; they are not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
TEST_F(AssetCheckerTest, ReportsEachFaultWithItsFile) {
  struct Case {
    const char* name;
    AssetSpec spec;
    std::string expected;  // start of the failure line; empty = no failure
  };
  writePng(dir_ / "gfx/ok.png", 10, 8);
  writePng(dir_ / "gfx/sheet.png", 42 * 25, 42);
  writePng(dir_ / "gfx/grid.png", 42 * 5, 42 * 5);
  writePng(dir_ / "gfx/short.png", 42 * 20, 42);
  writePng(dir_ / "gfx/ragged.png", 1000, 42);
  WriteFile(dir_ / "gfx/broken.png", "\x89PNG\r\n\x1a\n not really");
  WriteFile(dir_ / "gfx/fonts/good.fnt", fontBytes("good_0.png"));
  writePng(dir_ / "gfx/fonts/good_0.png", 64, 64);
  WriteFile(dir_ / "gfx/fonts/orphan.fnt", fontBytes("orphan_0.png"));
  WriteFile(dir_ / "gfx/fonts/text.fnt", "info face=text");
  const std::vector<Case> cases = {
      {"present", {"gfx/ok.png", AssetKind::Image, 10, 8, 0}, ""},
      {"any size", {"gfx/ok.png", AssetKind::Image, 0, 0, 0}, ""},
      {"missing", {"gfx/none.png", AssetKind::Image, 0, 0, 0}, "MISSING gfx/none.png"},
      {"case-insensitive name", {"GFX/OK.PNG", AssetKind::Image, 10, 8, 0}, ""},
      {"broken", {"gfx/broken.png", AssetKind::Image, 0, 0, 0}, "UNREADABLE gfx/broken.png"},
      {"wrong size", {"gfx/ok.png", AssetKind::Image, 42, 42, 0}, "WRONG SIZE 10x8"},
      {"strip", {"gfx/sheet.png", AssetKind::Sheet, 42, 42, 25}, ""},
      {"grid", {"gfx/grid.png", AssetKind::Sheet, 42, 42, 25}, ""},
      {"too few frames", {"gfx/short.png", AssetKind::Sheet, 42, 42, 25}, "WRONG FRAME COUNT 20"},
      {"not whole cells", {"gfx/ragged.png", AssetKind::Sheet, 42, 42, 25}, "WRONG SIZE 1000x42"},
      {"font with pages", {"gfx/fonts/good.fnt", AssetKind::Font, 0, 0, 0}, ""},
      {"font without its page",
       {"gfx/fonts/orphan.fnt", AssetKind::Font, 0, 0, 0},
       "MISSING gfx/fonts/orphan_0.png (named by gfx/fonts/orphan.fnt)"},
      {"text font", {"gfx/fonts/text.fnt", AssetKind::Font, 0, 0, 0}, "NOT A BITMAP FONT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AssetChecker checker;
    checker.check(c.spec, "test");
    if (c.expected.empty()) {
      EXPECT_TRUE(checker.failures().empty()) << joined(checker.failures());
    } else {
      ASSERT_EQ(checker.failures().size(), 1u) << joined(checker.failures());
      EXPECT_EQ(checker.failures()[0].rfind(c.expected, 0), 0u) << checker.failures()[0];
    }
  }
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

TEST_F(AssetCheckerTest, PendingFilesAreNotedNotFailed) {
  writePng(dir_ / "gfx/made.png", 4, 4);
  AssetChecker checker({"gfx/later.png", "gfx/made.png"});
  checker.check({"gfx/later.png", AssetKind::Image, 0, 0, 0}, "test");
  checker.check({"gfx/made.png", AssetKind::Image, 0, 0, 0}, "test");
  EXPECT_TRUE(checker.failures().empty()) << joined(checker.failures());
  EXPECT_EQ(checker.notMadeYet(), std::vector<std::string>{"gfx/later.png"});
  EXPECT_NE(joined(checker.notes()).find("remove from the pending list: gfx/made.png"),
            std::string::npos);
}

TEST_F(AssetCheckerTest, AnEmptyFolderLacksEveryNameTheCodeLoads) {
  AssetChecker checker;
  checker.checkCodeAssets();
  const std::string all = joined(checker.failures());
  for (const char* path : {assets::PIXEL, assets::HINT_ARROW, assets::OPTIONS_BULB_ON,
                           assets::GUI_OPTIONS, assets::TEXT_POPUP, assets::TTF_TITLE}) {
    SCOPED_TRACE(path);
    EXPECT_NE(all.find("MISSING " + std::string(path) + " (named by the game)"), std::string::npos)
        << all;
  }
  EXPECT_EQ(all.find(assets::CHEATS_SWITCH), std::string::npos) << "optional, never required";
}

TEST_F(AssetCheckerTest, FollowsPathsNamedByLayoutsAndFonts) {
  writePng(dir_ / "gfx/gui/menu/button.png", 8, 8);
  WriteFile(dir_ / "gfx/gui/menu/menu.gui",
            "BUTTON play button.png 10 10\nBUTTON quit \"gone.png\" 1 2\n");
  WriteFile(dir_ / "gfx/fonts/lost.fnt", fontBytes("lost_0.png"));
  AssetChecker checker;
  checker.checkLayouts();
  checker.checkAllFonts();
  std::string all = joined(checker.failures());
  EXPECT_EQ(checker.failures().size(), 2u) << all;
  EXPECT_NE(all.find("MISSING gfx/gui/menu/gone.png (named by gfx/gui/menu/menu.gui)"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("MISSING gfx/fonts/lost_0.png"), std::string::npos) << all;
}

TEST_F(AssetCheckerTest, FollowsPicturesAndSoundsNamedByDataFiles) {
  writePng(dir_ / "gfx/tiles/red.png", 42, 42);
  WriteFile(dir_ / "data/tiles.dat",
            "tiles {\n\ttile1 {\n\t\timg = \"gfx/tiles/red.png\"\n\t\tpoints = 10\n\t}\n"
            "\ttile2 {\n\t\timg = \"gfx/tiles/blue.png\", \"gfx/tiles/red.png\"\n\t}\n}\n");
  WriteFile(dir_ / "data/levels/a.lvl", "level {\n\tmusic = \"sfx/none.ogg\"\n}\n");
  AssetChecker checker;
  checker.checkDataFiles();
  std::string all = joined(checker.failures());
  EXPECT_EQ(checker.failures().size(), 2u) << all;
  EXPECT_NE(all.find("MISSING gfx/tiles/blue.png (named by data/tiles.dat (img))"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("MISSING sfx/none.ogg (named by data/levels/a.lvl (music))"),
            std::string::npos)
      << all;
}
}  // namespace
