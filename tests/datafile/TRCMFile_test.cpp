#include "datafile/TRCMFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/TempDir.h"

namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

const std::string kData = std::string(GLIMMERFIR_TEST_DATA) + "/datafile/";

// Loads `text` from a file, as the game does.
class Loaded {
 public:
  explicit Loaded(const std::string& text) {
    WriteFile(dir_ / "file.dat", text);
    file.Load(dir_ / "file.dat");
  }
  TRCMFile file;

 private:
  TempDir dir_;
};

TEST(TRCMFile, SettingsFileIsWrittenAndReReadByteForByte) {
  const std::string expected = ReadFile(kData + "settings.dat");
  TRCMFile built;
  built.setFloat("settings::fullScreen", 1);
  built.setFloat("settings::musicVolume", 5);
  built.setFloat("settings::soundVolume", 5);
  TempDir dir;
  ASSERT_TRUE(built.save(dir / "settings.dat"));
  EXPECT_EQ(ReadFile(dir / "settings.dat"), expected);

  TRCMFile loaded(kData + "settings.dat");
  EXPECT_EQ(loaded._grupa->_id, "MAINGROUP");
  for (const char* path :
       {"settings::fullScreen", "SETTINGS::FULLSCREEN", "Settings::fullscreen"}) {
    EXPECT_EQ(loaded.getFloat(path), 1.0f) << path;
  }
  EXPECT_EQ(loaded.getFloat("settings::soundVolume"), 5.0f);
  ASSERT_TRUE(loaded.save(dir / "again.dat"));
  EXPECT_EQ(ReadFile(dir / "again.dat"), expected);
}

TEST(TRCMFile, GameWrittenFileSavesBackUnchanged) {
  const std::string original = ReadFile(kData + "profile.dat");
  TRCMFile file(kData + "profile.dat");
  EXPECT_EQ(file.getString("profile::name"), "Ania");
  EXPECT_EQ(file.getFloat("profile::quest::czas"), 0.05f);
  EXPECT_EQ(file.getString("profile::choinka::bombka1::opis", 0), "czerwona, duza");
  EXPECT_EQ(file.getFloat("PROFILE::Choinka::BOMBKA1::pos", 1), -41.25f);
  EXPECT_EQ(file.saveText(), original);
  EXPECT_EQ(file.saveText(), original);  // writing twice changes nothing either
}

struct RoundTrip {
  const char* name;
  std::string text;
  std::string saved;
};

TEST(TRCMFile, ReadThenWrittenTable) {
  const std::vector<RoundTrip> rows = {
      {"whole numbers lose their decimals", "a {\n\tk = 12.0\n\tf = 5.00000000\n}\n",
       "a {\n\tk = 12\n\tf = 5\n}\n\n"},
      {"other numbers keep their text", "a {\n\tk = 0.5\n\tn = -0.25, 1e3\n}\n",
       "a {\n\tk = 0.5\n\tn = -0.25, 1e3\n}\n\n"},
      {"empty and non-numeric further values", "a {\n\tk = 1, , 3, x\n}\n",
       "a {\n\tk = 1, 0, 3, 0\n}\n\n"},
      {"commas in quotes do not separate", "a {\n\tk = \"x, y\", \"z\"\n}\n",
       "a {\n\tk = \"x, y\", \"z\"\n}\n\n"},
      {"windows line ends", "a {\r\n\tk = \"v\"\r\n\tn = 3\r\n}\r\n",
       "a {\n\tk = \"v\"\n\tn = 3\n}\n\n"},
      {"file ending in a brace", "a {\n\tk = 1\n}", "a {\n\tk = 1\n}\n\n"},
      {"entry without a line break before the brace is lost", "a {\n\tk = 1\n\tj = 2}\n",
       "a {\n\tk = 1\n}\n\n"},
      {"group without entries", "a {\n}\nb {\n\tc {\n\t\tk = \"\"\n\t}\n}\n",
       "a {\n\n}\n\nb {\n\n\tc {\n\t\tk = \"\"\n\t}\n\n}\n\n"},
      {"root entries are not written", "k = 1\na {\n\tk = 2\n}\n", "a {\n\tk = 2\n}\n\n"},
      {"text without = joins the next group name", "junk\nname {\n}\n", "junkname {\n\n}\n\n"},
      {"only the text up to a second = is the value", "a {\n\tk = 1 = 2\n}\n",
       "a {\n\tk = 1\n}\n\n"},
      {"nothing after =", "a {\n\tk =\n}\n", "a {\n\tk = \"\"\n}\n\n"},
      {"a value piece without its blank", "a {\n\tk =\"value\"\n\tj =\"\"\n}\n",
       "a {\n\tk = \"alue\"\n\tj = \"\"\n}\n\n"},
      {"text after the outermost level is ignored", "a {\n}\n}\nb {\n\tk = 1\n", "a {\n\n}\n\n"},
      {"empty file", "", ""},
  };
  for (const RoundTrip& row : rows) {
    Loaded loaded(row.text);
    EXPECT_EQ(loaded.file.saveText(), row.saved) << row.name;
  }
}

struct Query {
  const char* text;
  const char* path;
  int index;
  std::string string;
  float number;
};

TEST(TRCMFile, QueryTable) {
  const char* file =
      "a {\n\tn = 5, 2.5, -3.75e1x\n\ts = \"v0\", \"12abc\"\n\tb {\n\t\tk = \"deep\"\n\t}\n}\n"
      "a {\n\tn = 99\n}\nlast {\n\tk = 1\n}\nr = 7";
  const std::vector<Query> rows = {
      {file, "a::n", 0, " 5", 5.0f},  // number texts keep their blank
      {file, "A::N", 1, " 2.5", 2.5f},
      {file, "a::n", 2, " -3.75e1x", -37.5f},
      {file, "a::n", 3, "", 0.0f},  // beyond the values
      {file, "a::n", -1, "", 0.0f},
      {file, "a::s", 1, "12abc", 12.0f},
      {file, "a::s", 0, "v0", 0.0f},
      {file, "a::B::K", 0, "deep", 0.0f},
      {file, "a::missing", 0, "", 0.0f},
      {file, "missing::n", 0, "", 0.0f},
      {file, "a::b::missing::k", 0, "", 0.0f},
      {file, "r", 0, "", 0.0f},  // the last line has no line break
      {"k = 3\na {\n}\n", "K", 0, " 3", 3.0f},
  };
  for (const Query& row : rows) {
    Loaded loaded(row.text);
    EXPECT_EQ(loaded.file.getString(row.path, row.index), row.string) << row.path << row.index;
    EXPECT_EQ(loaded.file.getFloat(row.path, row.index), row.number) << row.path << row.index;
  }
}

TEST(TRCMFile, ReadFloatTable) {
  const std::vector<std::pair<std::string, float>> rows = {
      {" \t12", 12.0f}, {"-0.5", -0.5f},   {"3.", 3.0f},    {".25", 0.25f}, {"1e3", 1000.0f},
      {"1e", 1.0f},     {"2e+2x", 200.0f}, {"7-1", 7.0f},   {"- 3", 0.0f},  {"abc", 0.0f},
      {"", 0.0f},       {"+4", 4.0f},      {"1e-60", 0.0f}, {"0x10", 0.0f}, {"inf", 0.0f},
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(TRCMEntry::readFloat(text), value) << text;
  EXPECT_EQ(TRCMEntry::readFloat("1e60"), HUGE_VALF);
}

TEST(TRCMFile, SetStringCreatesGroupsAndPadsValues) {
  TRCMFile file;
  EXPECT_EQ(file._grupa->_id, "");
  file.setString("a::b::k", "x", 2);
  EXPECT_EQ(file.getString("a::b::k", 0), "");
  EXPECT_EQ(file.getString("a::b::k", 2), "x");
  EXPECT_EQ(file.saveText(), "a {\n\n\tb {\n\t\tk = \"\", \"\", \"x\"\n\t}\n\n}\n\n");
  // Writing an empty first value stores "0" in its place, seen by the next write.
  EXPECT_EQ(file.getString("a::b::k", 0), "0");
  EXPECT_EQ(file.saveText(), "a {\n\n\tb {\n\t\tk = \"0\", \"\", \"x\"\n\t}\n\n}\n\n");
}

TEST(TRCMFile, SetFloatStoresNineDigitsAndTypesStayWithTheEntry) {
  TRCMFile file;
  file.setFloat("g::speed", 0.05f);
  file.setFloat("g::count", 5);
  file.setString("g::name", "Ania");
  EXPECT_EQ(file.getString("g::speed"), "0.0500000007");
  EXPECT_EQ(file.getString("g::count"), "5.00000000");
  EXPECT_NEAR(file.getFloat("g::speed"), 0.05f, 1e-9f);

  file.setString("G::COUNT", "7", 1);  // an existing float entry stays one
  file.setFloat("g::Name", 2.5f);      // an existing string entry stays one
  file.setFloat("g::new", -1, -1);     // negative indexes change nothing
  file.setString("rootOnly", "x");
  EXPECT_EQ(file.getString("rootonly"), "x");
  EXPECT_EQ(file.saveText(),
            "g {\n\tspeed = 0.0500000007\n\tcount = 5, 7\n\tname = \"2.50000000\"\n}\n\n");

  TempDir dir;
  ASSERT_TRUE(file.save(dir / "g.dat"));
  TRCMFile again(dir / "g.dat");
  EXPECT_NEAR(again.getFloat("g::speed"), 0.05f, 1e-9f);
  EXPECT_EQ(again.getFloat("g::count", 1), 7.0f);
}

TEST(TRCMFile, GetGroupWalksAllPartsButTheLast) {
  Loaded loaded("a {\n\tb {\n\t\tk = 1\n\t}\n}\n");
  TRCMFile& file = loaded.file;
  EXPECT_EQ(file.getGroup(TRCMFile::splitPath("A::B::k")),
            file._grupa->getGroup("a")->getGroup("b"));
  EXPECT_EQ(file.getGroup({"a"}), file._grupa);
  EXPECT_EQ(file.getGroup({"x", "k"}), nullptr);
  const TRCMGroupPtr created = file.getGroupSet({"a", "New", "k"});
  EXPECT_EQ(created->_id, "New");
  EXPECT_EQ(file.getGroup({"a", "new", ""}), created);
  EXPECT_EQ(file._grupa->getGroup("a")->_listaGrup.size(), 2u);
  EXPECT_EQ(TRCMFile::splitPath("a::b:::c"), (std::vector<std::string>{"a", "b", ":c"}));
}

TEST(TRCMFile, ProblemsArePrintedAndLeaveAnEmptyFile) {
  TempDir dir;
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"a {\n\tb {\n}\n", "Blad nawiasow klamrowych! \"{\" - 2 \"}\" - 1"},
      {"a }\n}\n{\n", "Blad nawiasow klamrowych! \"{\" - 1 \"}\" - 2"},
  };
  for (const auto& [text, message] : rows) {
    WriteFile(dir / "bad.dat", text);
    testing::internal::CaptureStdout();
    TRCMFile file(dir / "bad.dat");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Napotkano problem : " + message + "\n");
    EXPECT_TRUE(file._grupa->_listaGrup.empty());
    EXPECT_EQ(file.saveText(), "");
  }

  testing::internal::CaptureStdout();
  TRCMFile missing(dir / "missing.dat");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Napotkano problem : Nie znaleziono pliku : " + (dir / "missing.dat") + "\n");
  EXPECT_EQ(missing.getString("a::b"), "");
  EXPECT_EQ(missing._path, dir / "missing.dat");

  // Braces inside quotes are not counted.
  WriteFile(dir / "quoted.dat", "a {\n\tk = \"x}\"\n}\n");
  testing::internal::CaptureStdout();
  TRCMFile quoted(dir / "quoted.dat");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(TRCMFile, DiagnosticTextsForMisses) {
  Loaded loaded("a {\n\tk = 1\n}\n");
  std::vector<std::string> seen;
  loaded.file.diagnostic = [&seen](const std::string& text) { seen.push_back(text); };
  const std::string name = loaded.file._path;
  loaded.file.getString("x::k");
  loaded.file.getString("a::j");
  loaded.file.getFloat("a::j");
  loaded.file.getFloat("a::k");
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "Cant find group: 'x::k' in file : " + name + "' !",
                      "Cant find entry: a::j' in file : '" + name + "' !",
                      "Cant find entry: a::j' in file : " + name + "' !",
                  }));
}

TEST(TRCMFile, ConsoleDump) {
  Loaded loaded("a {\n\tk = \"\"\n\tn = 2.0\n\tb {\n\t}\n}\n");
  testing::internal::CaptureStdout();
  loaded.file.printAll();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "MAINGROUP{\n\n\ta{\n\t\tk = \"\"\n\t\tn = 2\n\t\tb{\n\n\t\t}\n\t}\n}\n");
  EXPECT_EQ(loaded.file.getString("a::k"), "0");  // printing ran the writer's replacement

  testing::internal::CaptureStdout();
  EXPECT_EQ(loaded.file.getFloat("a::n", 0, 1), 2.0f);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "a{\n\tk = \"0\"\n\tn = 2\n\tb{\n\n\t}\n}\n");

  // The characters file is dumped as soon as it is loaded, when named exactly so.
  TempDir dir;
  WriteFile(dir / "data/charakters.dat", "c {\n\tk = 1\n}\n");
  const std::string before = platform::CurrentDir();
  ASSERT_TRUE(platform::ChangeDir(dir.path()));
  testing::internal::CaptureStdout();
  TRCMFile characters("data/charakters.dat");
  const std::string dumped = testing::internal::GetCapturedStdout();
  testing::internal::CaptureStdout();
  TRCMFile other("./data/charakters.dat");
  const std::string quiet = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(platform::ChangeDir(before));
  EXPECT_EQ(dumped, "MAINGROUP{\n\n\tc{\n\t\tk = 1\n\t}\n}\n");
  EXPECT_EQ(quiet, "");
  EXPECT_EQ(characters._realPath, platform::RealPath(dir / "data/charakters.dat"));
}

}  // namespace

namespace {

std::string Repeat(const std::string& piece, size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (size_t i = 0; i < count; ++i) text += piece;
  return text;
}

size_t Depth(const TRCMGroupPtr& root) {
  size_t depth = 0;
  for (TRCMGroupPtr group = root; !group->_listaGrup.empty(); group = group->_listaGrup[0]) ++depth;
  return depth;
}

TEST(TRCMFileBadInput, NulBytesAndHugeLinesLoad) {
  Loaded nul(std::string("a {\n\tk\0 = \"v\0w\"\n\t\0\0\0\n}\n\0", 24));
  EXPECT_EQ(nul.file.getString("a::k"), std::string("v\0w", 3));

  const std::string big(1 << 20, 'x');
  Loaded longValue("a {\n\tk = \"" + big + "\", 3\n}\n");
  EXPECT_EQ(longValue.file.getString("a::k"), big);
  Loaded longName(big + " {\n\tk = 1\n}\n");
  EXPECT_EQ(longName.file.getFloat(big + "::k"), 1.0f);
}

TEST(TRCMFileBadInput, DeepNestingLoadsQueriesAndSaves) {
  const size_t depth = 2000;
  const std::string text = Repeat("g {\n", depth) + "\tk = 7\n" + Repeat("}\n", depth);
  Loaded loaded(text);
  EXPECT_EQ(Depth(loaded.file._grupa), depth);
  EXPECT_EQ(loaded.file.getFloat(Repeat("G::", depth) + "k"), 7.0f);
  const std::string saved = loaded.file.saveText();
  Loaded again(saved);
  EXPECT_EQ(Depth(again.file._grupa), depth);
  EXPECT_EQ(again.file.saveText(), saved);

  // Far deeper than any call stack would take: read and taken down without recursion.
  const size_t extreme = 200000;
  Loaded braces(std::string(extreme, '{') + std::string(extreme, '}'));
  EXPECT_EQ(Depth(braces.file._grupa), extreme);
}

TEST(TRCMFileBadInput, QuotesThatDoNotPairUp) {
  // A quote left open hides every later brace from the count.
  testing::internal::CaptureStdout();
  Loaded open("a {\n\tk = \"x, y\n}\n");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 1 \"}\" - 0\n");
  EXPECT_EQ(open.file.saveText(), "");

  // (The line of a group's name stays in its parent's line buffer, so an entry after a
  // group gets that name in front of its key.)
  Loaded after("a {\n\tk = 1\n}\nb = \"oops\n");
  EXPECT_EQ(after.file.getFloat("a::k"), 1.0f);
  EXPECT_EQ(after.file.getString("a b"), "oop");

  // A quoted brace opens a group the reader never sees closed: the value piece before it is
  // too short to hold its quotes, and the group around it runs to the end of the text.
  Loaded quotedBrace("a {\n\tk = \"{\"\n}\nb {\n\tn = 2\n}\n");
  EXPECT_EQ(quotedBrace.file.getString("a::k"), "");
  EXPECT_EQ(quotedBrace.file.getFloat("a::b::n"), 2.0f);
  EXPECT_EQ(quotedBrace.file._grupa->_listaGrup.size(), 1u);
}

}  // namespace

namespace {

// A string value whose closing quote is lost (a later line's stray quote keeps the file's quotes
// paired) ends with whatever character stood there. A file without a byte-order mark is read
// as Latin-1, so every byte is a character: the last one is dropped whole, never half of it.
TEST(TRCMFile, AValueWithoutItsClosingQuoteLosesAWholeCharacter) {
  const struct {
    const char* line;
    const char* value;
  } cases[] = {
      {"\tname = \"Ann\x84\n", "Ann"},
      {"\tname = \"No\xebl\n", "No\xc3\xab"},
      {"\tname = \"\x98nn\x84\n", "\xc2\x98nn"},
  };
  for (const auto& c : cases) {
    Loaded read(std::string("g {\n") + c.line + "\ttown = \"Fir\"\"\n}\n");
    EXPECT_EQ(read.file.getString("g::name"), c.value) << c.line;
  }
}

}  // namespace
