#include "datafile/FileNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "datafile/TRCMFile.h"

namespace {

TRCMFile parsed(const std::string& text) {
  TRCMFile file;
  file._grupa = TRCMFile::readAll(text, "MAINGROUP");
  return file;
}

std::string item(int i) { return "list::item" + std::to_string(i); }

TEST(FileNumbers, HugeAndInvalidNumbersConvertWithADefinedResult) {
  EXPECT_EQ(truncToInt(std::numeric_limits<float>::infinity()), INT_MAX);
  EXPECT_EQ(truncToInt(-3e38f), INT_MIN);
  EXPECT_EQ(truncToInt(-1e10f), INT_MIN);
  EXPECT_EQ(truncToInt(std::nanf("")), 0);
  EXPECT_EQ(truncToInt(-7.9f), -7);
}

TEST(FileNumbers, ACountStopsAtTheFirstMissingItem) {
  // Items 1, 2 and 4 are there (groups or entries alike); item 3 is missing, so item 4 lies
  // past the gap.
  const std::string items =
      "\titem2 = 2\n\titem1 {\n\t\tv = 1\n\t}\n\n\titem4 {\n\t\tv = 4\n\t}\n\n";
  struct Case {
    const char* count;
    int got;
  };
  const Case cases[] = {{"1e10", 2}, {"2147483647", 2}, {"2147483648", 2}, {"2", 2},       {"1", 1},
                        {"0", 0},    {"-3", 0},         {"-1e30", 0},      {"\"text\"", 0}};
  for (const Case& c : cases) {
    TRCMFile file = parsed(std::string("list {\n\ti = ") + c.count + "\n" + items + "}\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(readCount(file, "list::i", item), c.got) << c.count;
    const std::string out = testing::internal::GetCapturedStdout();
    // A count that promises more than the file holds is reported.
    const bool promisedMore = std::stod(c.count[0] == '"' ? "0" : c.count) > c.got;
    EXPECT_EQ(out.find("Napotkano problem : list::i") != std::string::npos, promisedMore)
        << c.count << ": " << out;
  }
}

TEST(FileNumbers, ACountMayStartAtZeroAndNameTheLastItem) {
  TRCMFile file = parsed("list {\n\ti = 2147483647\n\titem0 = 0\n\titem1 = 1\n}\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(presentItems(file, "list::i", INT_MAX + 1LL, item, 0), 2);
  testing::internal::GetCapturedStdout();
}

TEST(FileNumbers, RangedReadsClampAndReport) {
  TRCMFile file = parsed("s {\n\ta = -3\n\tb = 11\n\tc = 1e40\n\td = 4.9\n}\n");
  struct Case {
    const char* key;
    int got;
    bool reported;
  };
  for (const Case& c : {Case{"s::a", 0, true}, Case{"s::b", 10, true}, Case{"s::c", 10, true},
                        Case{"s::d", 4, false}, Case{"s::missing", 0, false}}) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(readInt(file, c.key, 0, 10), c.got) << c.key;
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find(c.key) != std::string::npos, c.reported) << c.key << ": " << out;
  }
}

}  // namespace
