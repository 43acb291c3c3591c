// One data file of named groups in braces holding "key = values" lines, such as
//
//   settings {
//   	fullScreen = 1
//   }
//
// Queries and changes go by a path of group names and a key joined by "::" (such as
// "settings::fullScreen") and a 0-based value index; names compare without regard to case.
// A path without "::" names an entry of the root group, which is never written to a file.
//
// Choices where the format leaves the answer open:
// - getString / getFloat with an index beyond the entry's values (or a negative one) give ""
//   and 0.0, as for a missing entry; setString / setFloat with a negative index do nothing.
// - A line "key =" with nothing after "=" is a string entry with one empty value.
// Damaged input never stops the game: a quoted value cut shorter than its blank and quotes
// reads as "", a group left open at the end of the text ends there, and a file with
// unbalanced braces loads as an empty file. Reading is linear in the size of the text.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "datafile/TRCMEntry.h"
#include "datafile/TRCMGroup.h"

class TRCMFile {
 public:
  TRCMGroupPtr _grupa;
  std::string _path;
  std::string _realPath;
  std::string _txt;
  // Receives the "Cant find ..." texts of missing groups and entries when set; the game
  // leaves it empty, so misses are silent.
  std::function<void(const std::string&)> diagnostic;

  TRCMFile();
  explicit TRCMFile(const std::string& path);  // Load(path)

  // Reads and parses the file; a missing file or unbalanced braces leave an empty file and
  // print the reason.
  void Load(const std::string& path);
  // Replaces the file with the tree's text atomically; false when it could not be written
  // (the reason is logged, and given in `why` when asked for).
  bool save(const std::string& path, std::string* why = nullptr);
  // The text save writes.
  std::string saveText();

  std::string getString(const std::string& path, int index = 0);
  // Prints the entry's group first when `show` is not 0.
  float getFloat(const std::string& path, int index = 0, int show = 0);
  void setString(const std::string& path, const std::string& value, int index = 0);
  void setFloat(const std::string& path, float value, int index = 0);

  // The group named by all parts but the last (the last is the entry name), or null.
  TRCMGroupPtr getGroup(const std::vector<std::string>& parts) const;
  // The same walk, creating the missing groups.
  TRCMGroupPtr getGroupSet(const std::vector<std::string>& parts);

  void printAll();
  static void errorMsg(const std::string& text);
  static std::vector<std::string> splitPath(std::string_view path);

  // The reading steps.
  void checkTxt();
  bool checkGroups();
  static TRCMGroupPtr readAll(std::string_view text, const std::string& name);
  static TRCMEntryPtr readEntry(std::string_view line);

 private:
  TRCMEntryPtr findEntry(const std::string& path, const char* missingEntryText);
};

using TRCMFilePtr = std::shared_ptr<TRCMFile>;
