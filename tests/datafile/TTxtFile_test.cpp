#include "datafile/TTxtFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datafile/Teksty.h"
#include "platform/files.h"
#include "support/TempDir.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

const std::string kBeyond = "(BEYOND TEXT ARRAY LENGTH!)";

TEST(TTxtFile, LinesAreCutAtEveryLineBreak) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
      {"Witaj\n\nGraczu", {"Witaj", "", "Graczu"}},
      {"Witaj\nGraczu\n", {"Witaj", "Graczu"}},
      {"one\r\ntwo\r\nthree", {"one\r", "two\r", "three"}},
      {"\n", {""}},
      {"", {}},
      {"caf\xE9", {"caf\u00e9"}},
  };
  TempDir dir;
  for (const auto& [bytes, lines] : rows) {
    WriteFile(dir / "t.txt", bytes);
    const TTxtFile file = loadTxtFile(dir / "t.txt");
    EXPECT_EQ(file.txt, lines) << bytes;
    EXPECT_EQ(file.lines(), static_cast<int>(lines.size()));
  }
  EXPECT_EQ(loadTxtFile(dir / "missing.txt").lines(), 0);
}

TEST(TTxtFile, GetTxtCountsFromOne) {
  TTxtFile file;
  file.txt = {"first", "second"};
  const std::vector<std::pair<int, std::string>> rows = {
      {1, "first"}, {2, "second"}, {0, kBeyond}, {3, kBeyond}, {-1, kBeyond}};
  for (const auto& [n, text] : rows) EXPECT_EQ(getTxt(file, n), text) << n;
}

TEST(TTxtFile, BracketedCaptionsNameALine) {
  TempDir dir;
  WriteFile(dir / "txt/Summary.txt", "Click\nStars\n");
  const std::string file = dir / "txt/summary.txt";  // found whatever its case
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"[" + file + "|2]", "Stars"},
      {"[" + file + "|1.9]", "Click"},
      {"[ " + file + " | 1 ]", "Click"},
      {"[" + file + "|3]", kBeyond},
      {"[" + file + "|x]", kBeyond},
      {"[" + file + "|-5]", kBeyond},
      {"[" + (dir / "none.txt") + "|1]", kBeyond},
      {"[OK]", "[OK]"},
      {"[]", "[]"},
      {"Play", "Play"},
      {"[" + file + "|2", "[" + file + "|2"},
      {"", ""},
  };
  for (const auto& [caption, text] : rows) EXPECT_EQ(resolveCaption(caption), text) << caption;
}

TEST(TTxtFile, AMissingTableIsShownToTheDesignerAndABadLineLogged) {
  TempDir dir;
  WriteFile(dir / "two.txt", "one\ntwo\n");
  struct Case {
    std::string caption, shown, printed;
  };
  const Case cases[] = {
      {"[" + dir / "absent.txt" + "|1]", "(BEYOND TEXT ARRAY LENGTH!)",
       " >> BLAD! << : Plik : " + dir / "absent.txt" + " : No such file or directory"},
      {"[" + dir / "two.txt" + "|3]", "(BEYOND TEXT ARRAY LENGTH!)",
       "Text table " + dir / "two.txt" + " has no line 3"},
      {"[" + dir / "two.txt" + "|2]", "two", ""},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(resolveCaption(c.caption), c.shown) << c.caption;
    const std::string out = testing::internal::GetCapturedStdout();
    if (c.printed.empty())
      EXPECT_EQ(out, "") << c.caption;
    else
      EXPECT_NE(out.find(c.printed), std::string::npos) << c.caption << ": " << out;
  }
}

TEST(Teksty, SetupReadsThePopUpPrompts) {
  TempDir dir;
  WriteFile(dir / "txt/popup.txt", "Podaj imie\nNowy gracz\nUsunac gracza?\n");
  const std::string before = platform::CurrentDir();
  ASSERT_TRUE(platform::ChangeDir(dir.path()));
  testing::internal::CaptureStdout();
  Teksty::setup();
  const std::string printed = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(platform::ChangeDir(before));
  EXPECT_EQ(printed, "USUNIECIE : Usunac gracza?\n");
  EXPECT_EQ(popUpTxt1, "Podaj imie");
  EXPECT_EQ(popUpTxt2, "Nowy gracz");
  EXPECT_EQ(popUpTxt3, "Usunac gracza?");
}

}  // namespace
