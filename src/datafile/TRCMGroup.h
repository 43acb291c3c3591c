// A named group of a data file: its entries, then its subgroups, both in file order.
// Names compare without regard to case; the first match in list order wins.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "datafile/TRCMEntry.h"

class TRCMGroup;
using TRCMGroupPtr = std::shared_ptr<TRCMGroup>;

class TRCMGroup {
 public:
  std::string _id;
  // While reading: the position just after the closing brace, in the text the group was
  // read from.
  size_t _pos = 0;
  std::vector<TRCMGroupPtr> _listaGrup;
  std::vector<TRCMEntryPtr> _listaWpisow;

  explicit TRCMGroup(std::string id = "");
  // Groups may nest thousands deep: the subtree is taken down without recursion.
  ~TRCMGroup();
  TRCMGroup(const TRCMGroup&) = delete;
  TRCMGroup& operator=(const TRCMGroup&) = delete;

  TRCMGroupPtr getGroup(std::string_view name) const;
  TRCMEntryPtr getEntry(std::string_view name) const;

  // Set value `index` of the named entry, appending the entry when missing. An existing
  // entry keeps its type; a new one is a string or a float entry respectively.
  void setStringEntry(const std::string& name, const std::string& value, int index);
  void setFloatEntry(const std::string& name, float value, int index);
  TRCMEntryPtr _addEntry(const std::string& name, const std::string& value, int index);

  // The group as written to a file, subgroups indented by one more tab each.
  std::string save(const std::string& indent = "");
  // Prints the group to standard output in the console dump layout.
  void showGroup(const std::string& indent = "");
};
