#include "platform/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace platform {
namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

struct DecodeRow {
  const char* name;
  std::string bytes;
  std::string text;
};

TEST(Files, LoadTextHonoursByteOrderMarksAndElseReadsLatin1) {
  const std::vector<DecodeRow> rows = {
      {"latin1", "caf\xE9 = 1\r\n", "caf\u00e9 = 1\r\n"},
      {"latin1 that looks like utf8", "\xC3\xA9", "\u00c3\u00a9"},
      {"utf8 bom", "\xEF\xBB\xBFza\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", "za\u017c\u00f3\u0142\u0107"},
      {"utf8 bom with a stray byte",
       "\xEF\xBB\xBF"
       "a\xE9",
       "a\u00e9"},
      {"utf16 le",
       std::string("\xFF\xFE"
                   "A\0\xAC\x20\x3C\xD8\x84\xDF",
                   10),
       "A\u20ac\U0001F384"},
      {"utf16 be", std::string("\xFE\xFF\0A\x20\xAC\xD8\x3C\xDF\x84", 10), "A\u20ac\U0001F384"},
      {"utf16 lone high surrogate",
       std::string("\xFF\xFE\x3C\xD8"
                   "A\0",
                   6),
       "\uFFFDA"},
      {"utf16 lone low surrogate", std::string("\xFF\xFE\x84\xDF", 4), "\uFFFD"},
      {"utf16 high surrogate at the end", std::string("\xFF\xFE\x3C\xD8", 4), "\uFFFD"},
      {"utf16 odd byte count",
       std::string("\xFF\xFE"
                   "A\0B",
                   5),
       "A\uFFFD"},
      {"empty", "", ""},
  };
  TempDir dir;
  for (const DecodeRow& row : rows) {
    WriteFile(dir / "in.txt", row.bytes);
    EXPECT_EQ(LoadText(dir / "in.txt"), row.text) << row.name;
  }
  EXPECT_EQ(LoadText(dir / "missing.txt"), std::nullopt);
  EXPECT_EQ(LoadText(dir.path()), std::nullopt);
}

struct EncodeRow {
  const char* name;
  std::string text;
  std::string bytes;
};

TEST(Files, SaveTextWritesLatin1WhenPossibleElseUtf16AndLoadsBack) {
  const std::vector<EncodeRow> rows = {
      {"ascii", "settings {\n\tfullScreen = 1\n}\n\n", "settings {\n\tfullScreen = 1\n}\n\n"},
      {"latin1", "caf\u00e9 \u00ff", "caf\xE9 \xFF"},
      {"polish", "\u017c", std::string("\xFF\xFE\x7C\x01", 4)},
      {"beyond the plane", "a\U0001F384",
       std::string("\xFF\xFE"
                   "a\0\x3C\xD8\x84\xDF",
                   8)},
      {"empty", "", ""},
  };
  TempDir dir;
  for (const EncodeRow& row : rows) {
    ASSERT_TRUE(SaveText(row.text, dir / "out.txt")) << row.name;
    EXPECT_EQ(ReadFile(dir / "out.txt"), row.bytes) << row.name;
    EXPECT_EQ(LoadText(dir / "out.txt"), row.text) << row.name;
  }
  EXPECT_EQ(ReadDir(dir.path()), std::vector<std::string>{"out.txt"});  // no temporaries left
}

TEST(Files, FailedSaveLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string path = dir / "profile.dat";
  WriteFile(path, "old contents\n");

  // A disk that fills up half way through the write.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved1 = SaveText(std::string(4096, 'x'), path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved1);
  EXPECT_EQ(ReadFile(path), "old contents\n");

  // A rename that cannot replace the target.
  WriteFile(dir / "busy/inner.txt", "keep");
  EXPECT_FALSE(SaveText("new", dir / "busy"));
  EXPECT_EQ(ReadFile(dir / "busy/inner.txt"), "keep");

  // A folder that does not exist.
  EXPECT_FALSE(SaveText("new", dir / "nowhere/profile.dat"));

  EXPECT_EQ(ReadDir(dir.path()), (std::vector<std::string>{"busy", "profile.dat"}));
}

TEST(Files, PathsResolveCaseInsensitivelyFolderByFolder) {
  TempDir dir;
  WriteFile(dir / "gfx/gui/treeScreen/kosz.png", "png");
  WriteFile(dir / "data/Tiles.dat", "tiles");

  EXPECT_EQ(ResolvePath(dir / "gfx/gui/treeScreen/kosz.png"), dir / "gfx/gui/treeScreen/kosz.png");
  EXPECT_EQ(ResolvePath(dir / "GFX/gui/treescreen/KOSZ.png"), dir / "gfx/gui/treeScreen/kosz.png");
  EXPECT_EQ(ResolvePath(dir / "gfx/GUI/TreeScreen/"), dir / "gfx/gui/treeScreen/");
  EXPECT_EQ(ResolvePath(dir / "gfx/gui/treescreen/missing.png"),
            dir / "gfx/gui/treescreen/missing.png");  // unchanged when nothing matches

  // Every opening function goes through the resolution.
  EXPECT_EQ(LoadText(dir / "DATA/tiles.DAT"), "tiles");
  EXPECT_EQ(FileType(dir / "data/TILES.dat"), 1);
  EXPECT_EQ(FileType(dir / "GFX/Gui"), 2);
  ASSERT_NE(ReadStream(dir / "Gfx/Gui/TreeScreen/Kosz.PNG"), nullptr);
  EXPECT_EQ(ReadDir(dir / "gfx/GUI/TREESCREEN"), std::vector<std::string>{"kosz.png"});

  // Writing into a folder spelled differently uses the folder that exists.
  ASSERT_TRUE(SaveText("new", dir / "GFX/gui/treescreen/new.txt"));
  EXPECT_EQ(ReadFile(dir / "gfx/gui/treeScreen/new.txt"), "new");
  ASSERT_TRUE(SaveText("tiles 2", dir / "data/tiles.dat"));
  EXPECT_EQ(ReadDir(dir / "data"), std::vector<std::string>{"Tiles.dat"});

  // When both spellings exist, the one written wins.
  WriteFile(dir / "gfx/gui/treescreen/kosz.png", "other");
  EXPECT_EQ(LoadText(dir / "gfx/gui/treescreen/kosz.png"), "other");
  EXPECT_EQ(LoadText(dir / "gfx/gui/treeScreen/kosz.png"), "png");
}

TEST(Files, StreamReadsLittleEndianAndGivesZeroPastTheEnd) {
  TempDir dir;
  WriteFile(dir / "font.bin", std::string("\x03\xFF\xFE\x78\x56\x34\x12\xFF\xFF\xFF\xFF"
                                          "BMF\x01\x02",
                                          16));
  const StreamPtr stream = ReadStream(dir / "font.bin");
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->Size(), 16u);
  EXPECT_EQ(stream->ReadByte(), 3);
  EXPECT_EQ(stream->ReadShort(), 0xFEFF);  // unsigned
  EXPECT_EQ(stream->ReadInt(), 0x12345678);
  EXPECT_EQ(stream->ReadInt(), -1);
  EXPECT_EQ(stream->ReadString(3), "BMF");
  EXPECT_FALSE(stream->Eof());
  EXPECT_EQ(stream->ReadInt(), 0);  // only two bytes left
  EXPECT_TRUE(stream->Eof());
  EXPECT_EQ(stream->Pos(), 16u);
  EXPECT_EQ(stream->ReadByte(), 0);
  EXPECT_EQ(stream->ReadShort(), 0);

  stream->Seek(14);
  EXPECT_FALSE(stream->Eof());
  EXPECT_EQ(stream->ReadString(5), "\x01\x02");
  EXPECT_TRUE(stream->Eof());
  stream->Seek(100);
  EXPECT_EQ(stream->Pos(), 16u);

  stream->Seek(0);
  CloseStream(stream);
  EXPECT_EQ(stream->ReadByte(), 0);
  EXPECT_TRUE(stream->Eof());
  EXPECT_EQ(ReadStream(dir / "missing.bin"), nullptr);
}

TEST(Files, FolderOperations) {
  TempDir dir;
  ASSERT_TRUE(CreateDir(dir / "Data/Profiles/Ania"));
  EXPECT_EQ(FileType(dir / "Data/Profiles/Ania"), 2);
  EXPECT_TRUE(CreateDir(dir / "data/profiles/ania"));  // already there, any spelling
  EXPECT_EQ(ReadDir(dir.path()), std::vector<std::string>{"Data"});
  WriteFile(dir / "Data/Profiles/b.dat", "");
  WriteFile(dir / "Data/Profiles/a.dat", "");
  EXPECT_EQ(ReadDir(dir / "Data/Profiles"), (std::vector<std::string>{"Ania", "a.dat", "b.dat"}));

  EXPECT_FALSE(DeleteFile(dir / "Data/Profiles/Ania"));
  EXPECT_TRUE(DeleteFile(dir / "Data/Profiles/A.DAT"));
  EXPECT_FALSE(DeleteFile(dir / "Data/Profiles/a.dat"));
  EXPECT_FALSE(DeleteDir(dir / "Data", false));  // not empty
  EXPECT_TRUE(DeleteDir(dir / "data"));
  EXPECT_EQ(FileType(dir / "Data"), 0);
  EXPECT_EQ(ReadDir(dir / "Data"), std::vector<std::string>{});

  const std::string before = CurrentDir();
  ASSERT_TRUE(ChangeDir(dir.path()));
  EXPECT_EQ(std::filesystem::canonical(CurrentDir()), std::filesystem::canonical(dir.path()));
  EXPECT_EQ(RealPath("a/./b/../c.txt"), CurrentDir() + "/a/c.txt");
  EXPECT_EQ(RealPath("/x/y/"), "/x/y");
  ASSERT_TRUE(ChangeDir(before));
}

TEST(Files, ExtractDirAndStripDir) {
  const std::vector<std::array<std::string, 3>> rows = {
      {"gfx/gui/treeScreen/kosz.png", "gfx/gui/treeScreen", "kosz.png"},
      {"settings.dat", "", "settings.dat"},
      {"/settings.dat", "/", "settings.dat"},
      {"data/levels/", "data/levels", ""},
  };
  for (const auto& [path, folder, name] : rows) {
    EXPECT_EQ(ExtractDir(path), folder) << path;
    EXPECT_EQ(StripDir(path), name) << path;
  }
}

}  // namespace
}  // namespace platform
