// One key of a data file with its values. Values are always held as text; the type only
// decides how they are written back.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TRCMEntry {
 public:
  static constexpr int STRING = 0;
  static constexpr int FLOAT = 1;

  std::string _id;
  std::vector<std::string> _value;
  int _type = STRING;

  TRCMEntry() = default;
  TRCMEntry(std::string id, int type);

  // The entry line without indentation. Writing an entry whose first value is empty turns
  // that value into "0" (the line written still shows the empty value).
  std::string toTxt();
  // Replaces value `index`, growing the array with empty values as needed; a negative
  // index changes nothing.
  void setValue(const std::string& value, int index);
  static std::vector<std::string> createArray(int size);

  // Value `index` as text, "" when the entry has no such value.
  std::string getString(int index) const;
  // Value `index` read as a number, 0 when the entry has no such value.
  float getFloat(int index) const;

  // The number at the start of `text`: leading characters below 33 are skipped and the
  // number ends at the first character that cannot belong to it; no number gives 0.
  static float readFloat(std::string_view text);
  // The "%#.9g" text numbers are stored as (0.05 -> "0.0500000007", 5 -> "5.00000000").
  static std::string formatFloat(float value);
};

using TRCMEntryPtr = std::shared_ptr<TRCMEntry>;
