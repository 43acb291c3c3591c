#include "datafile/TRCMGroup.h"

#include "platform/Log.h"
#include "platform/strings.h"

namespace {

// Visits the subtree depth first without recursion: `enter` before a group's subgroups,
// `leave` after them, each with the group's indent.
template <typename Enter, typename Leave>
void Walk(TRCMGroup& root, std::string indent, Enter enter, Leave leave) {
  struct Item {
    TRCMGroup* group;
    size_t next;
  };
  std::vector<Item> stack{{&root, 0}};
  enter(root, indent);
  while (!stack.empty()) {
    TRCMGroup& group = *stack.back().group;
    const size_t next = stack.back().next++;
    if (next < group._listaGrup.size()) {
      TRCMGroup* child = group._listaGrup[next].get();
      if (child == nullptr) continue;
      indent += '\t';
      enter(*child, indent);
      stack.push_back({child, 0});
    } else {
      leave(group, indent);
      stack.pop_back();
      if (!stack.empty()) indent.pop_back();
    }
  }
}

template <typename List>
typename List::value_type FindByName(const List& list, std::string_view name) {
  const std::string wanted = platform::Upper(name);
  for (const auto& item : list) {
    if (item && platform::Upper(item->_id) == wanted) return item;
  }
  return nullptr;
}

}  // namespace

TRCMGroup::TRCMGroup(std::string id) : _id(std::move(id)) {}

TRCMGroup::~TRCMGroup() {
  std::vector<TRCMGroupPtr> pending = std::move(_listaGrup);
  while (!pending.empty()) {
    TRCMGroupPtr group = std::move(pending.back());
    pending.pop_back();
    // A subgroup that someone else still holds keeps its own subtree.
    if (group && group.use_count() == 1) {
      for (TRCMGroupPtr& child : group->_listaGrup) pending.push_back(std::move(child));
      group->_listaGrup.clear();
    }
  }
}

TRCMGroupPtr TRCMGroup::getGroup(std::string_view name) const {
  return FindByName(_listaGrup, name);
}

TRCMEntryPtr TRCMGroup::getEntry(std::string_view name) const {
  return FindByName(_listaWpisow, name);
}

void TRCMGroup::setStringEntry(const std::string& name, const std::string& value, int index) {
  if (index < 0) return;
  if (const TRCMEntryPtr entry = getEntry(name)) {
    entry->setValue(value, index);
  } else {
    _addEntry(name, value, index)->_type = TRCMEntry::STRING;
  }
}

void TRCMGroup::setFloatEntry(const std::string& name, float value, int index) {
  if (index < 0) return;
  const std::string text = TRCMEntry::formatFloat(value);
  if (const TRCMEntryPtr entry = getEntry(name)) {
    entry->setValue(text, index);
  } else {
    _addEntry(name, text, index)->_type = TRCMEntry::FLOAT;
  }
}

TRCMEntryPtr TRCMGroup::_addEntry(const std::string& name, const std::string& value, int index) {
  auto entry = std::make_shared<TRCMEntry>(name, TRCMEntry::STRING);
  entry->_value = TRCMEntry::createArray(index < 0 ? 1 : index + 1);
  entry->setValue(value, index);
  _listaWpisow.push_back(entry);
  return entry;
}

std::string TRCMGroup::save(const std::string& indent) {
  std::string text;
  const auto enter = [&text](TRCMGroup& group, const std::string& at) {
    if (!group._id.empty()) text += at + group._id + " {\n";
    if (group._listaWpisow.empty()) text += "\n";
    for (const TRCMEntryPtr& entry : group._listaWpisow) {
      if (entry) text += at + "\t" + entry->toTxt() + "\n";
    }
  };
  const auto leave = [&text](TRCMGroup& group, const std::string& at) {
    if (!group._id.empty()) text += at + "}\n\n";
  };
  Walk(*this, indent, enter, leave);
  return text;
}

void TRCMGroup::showGroup(const std::string& indent) {
  std::string text;
  const auto enter = [&text](TRCMGroup& group, const std::string& at) {
    text += at + group._id + "{\n";
    if (group._listaWpisow.empty()) text += "\n";
    for (const TRCMEntryPtr& entry : group._listaWpisow) {
      if (entry) text += at + "\t" + entry->toTxt() + "\n";
    }
  };
  const auto leave = [&text](TRCMGroup&, const std::string& at) { text += at + "}\n"; };
  Walk(*this, indent, enter, leave);
  if (text.empty()) return;
  text.pop_back();  // the log line brings its own newline
  platform::Log(text);
}
