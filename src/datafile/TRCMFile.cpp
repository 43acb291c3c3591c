#include "datafile/TRCMFile.h"

#include "datafile/AssetNames.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text of a string value's piece: without its first two characters and its last one.
std::string quotedText(std::string_view piece) {
  size_t start = 0;
  for (int skipped = 0; skipped < 2 && start < piece.size(); ++skipped) {
    ++start;
    while (start < piece.size() && continuationByte(piece[start])) ++start;
  }
  size_t end = piece.size();
  if (end > start) {
    --end;
    while (end > start && continuationByte(piece[end])) --end;
  }
  return end > start ? std::string(piece.substr(start, end - start)) : std::string();
}

// The pieces of a value part split at commas outside double quotes, quotes kept.
std::vector<std::string_view> SplitValues(std::string_view values) {
  std::vector<std::string_view> pieces;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] == '"') quoted = !quoted;
    if (values[i] == ',' && !quoted) {
      pieces.push_back(values.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(values.substr(start));
  return pieces;
}

// One group being read: its text is [begin, end) of the whole text.
struct ReadFrame {
  TRCMGroupPtr group;
  size_t begin;
  size_t end;
  std::string name;
  std::string line;
  bool equals = false;
};

}  // namespace

TRCMFile::TRCMFile() : _grupa(std::make_shared<TRCMGroup>()) {}

TRCMFile::TRCMFile(const std::string& path) : TRCMFile() { Load(path); }

void TRCMFile::Load(const std::string& path) {
  _grupa = std::make_shared<TRCMGroup>();
  _path = path;
  _realPath = platform::RealPath(path);
  _txt.clear();
  std::string why;
  std::optional<std::string> text;
  if (platform::FileType(path) != 0) text = platform::LoadText(path, &why);
  if (!text) {
    // A file that is there but cannot be read says why, not that it is missing.
    errorMsg(why.empty() ? "Nie znaleziono pliku : " + path : path + " : " + why);
    return;
  }
  _txt = std::move(*text);
  checkTxt();
  if (!checkGroups()) return;
  _grupa = readAll(_txt, "MAINGROUP");
  if (_path == assets::DEBUG_DUMP_DATA) printAll();
}

void TRCMFile::checkTxt() {
  if (!_txt.empty() && _txt.back() == '}') _txt += '\n';
}

bool TRCMFile::checkGroups() {
  size_t opening = 0;
  size_t closing = 0;
  bool quoted = false;
  for (const char c : _txt) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '{') ++opening;
    if (c == '}') ++closing;
  }
  if (opening == closing) return true;
  errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opening) + " \"}\" - " +
           std::to_string(closing));
  return false;
}

// A group's text runs from just after its "{" up to, not including, the last character of
// the text its parent was read from. Reading keeps one frame per open group instead of
// recursing or copying, so depth and size cost nothing beyond the text itself.
TRCMGroupPtr TRCMFile::readAll(std::string_view text, const std::string& name) {
  auto root = std::make_shared<TRCMGroup>(name);
  std::vector<ReadFrame> stack;
  stack.push_back({root, 0, text.size(), {}, {}, false});
  size_t i = 0;
  while (!stack.empty()) {
    ReadFrame& top = stack.back();
    if (i >= top.end) {
      // Left open: it ends at the end of its text, and so does every group around it.
      top.group->_pos = top.end - top.begin + 1;
      i = top.end + 1;
      stack.pop_back();
      continue;
    }
    const char c = text[i];
    if (c == '{') {
      auto group = std::make_shared<TRCMGroup>(platform::Trim(top.name));
      top.group->_listaGrup.push_back(group);
      top.name.clear();
      const size_t begin = i + 1;
      const size_t end = top.end > begin ? top.end - 1 : begin;
      stack.push_back({group, begin, end, {}, {}, false});
      i = begin;
      continue;
    }
    if (c == '}') {
      top.group->_pos = i + 1 - top.begin;
      stack.pop_back();
      ++i;
      if (stack.empty()) break;  // text after the outermost level is ignored
      continue;
    }
    if (c == '\n') {
      if (top.equals) {
        top.group->_listaWpisow.push_back(readEntry(platform::Trim(top.line)));
        top.name.clear();
        top.line.clear();
        top.equals = false;
      }
    } else {
      if (c == '=') top.equals = true;
      top.name += c;
      top.line += c;
    }
    ++i;
  }
  return root;
}

TRCMEntryPtr TRCMFile::readEntry(std::string_view line) {
  const size_t first = line.find('=');
  const std::string_view key = line.substr(0, first);
  std::string_view values;
  if (first != std::string_view::npos) {
    const size_t second = line.find('=', first + 1);
    const size_t end = second == std::string_view::npos ? line.size() : second;
    values = line.substr(first + 1, end - first - 1);
  }
  const std::string trimmed = platform::Trim(values);
  const bool number =
      !trimmed.empty() && ((trimmed[0] >= '0' && trimmed[0] <= '9') || trimmed[0] == '-');
  auto entry = std::make_shared<TRCMEntry>(platform::Trim(key),
                                           number ? TRCMEntry::FLOAT : TRCMEntry::STRING);
  for (const std::string_view piece : SplitValues(values)) {
    if (number) {
      entry->_value.emplace_back(piece);
    } else {
      // Drops the blank and the opening quote before the text and the closing quote after:
      // whole characters, so a damaged line without its quotes never splits one in two.
      entry->_value.emplace_back(quotedText(piece));
    }
  }
  return entry;
}

bool TRCMFile::save(const std::string& path, std::string* why) {
  return platform::SaveText(saveText(), path, why);
}

std::string TRCMFile::saveText() {
  std::string text;
  for (const TRCMGroupPtr& group : _grupa->_listaGrup) {
    if (group) text += group->save("");
  }
  return text;
}

std::vector<std::string> TRCMFile::splitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t found = path.find("::"); found != std::string_view::npos;
       found = path.find("::", start)) {
    parts.emplace_back(path.substr(start, found - start));
    start = found + 2;
  }
  parts.emplace_back(path.substr(start));
  return parts;
}

TRCMGroupPtr TRCMFile::getGroup(const std::vector<std::string>& parts) const {
  TRCMGroupPtr group = _grupa;
  for (size_t i = 0; i + 1 < parts.size() && group; ++i) group = group->getGroup(parts[i]);
  return group;
}

TRCMGroupPtr TRCMFile::getGroupSet(const std::vector<std::string>& parts) {
  TRCMGroupPtr group = _grupa;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    TRCMGroupPtr next = group->getGroup(parts[i]);
    if (!next) {
      next = std::make_shared<TRCMGroup>(parts[i]);
      group->_listaGrup.push_back(next);
    }
    group = next;
  }
  return group;
}

TRCMEntryPtr TRCMFile::findEntry(const std::string& path, const char* missingEntryText) {
  const std::vector<std::string> parts = splitPath(path);
  const TRCMGroupPtr group = getGroup(parts);
  if (!group) {
    if (diagnostic) diagnostic("Cant find group: '" + path + "' in file : " + _path + "' !");
    return nullptr;
  }
  TRCMEntryPtr entry = group->getEntry(parts.back());
  if (!entry && diagnostic) {
    diagnostic("Cant find entry: " + path + missingEntryText + _path + "' !");
  }
  return entry;
}

std::string TRCMFile::getString(const std::string& path, int index) {
  const TRCMEntryPtr entry = findEntry(path, "' in file : '");
  return entry ? entry->getString(index) : "";
}

float TRCMFile::getFloat(const std::string& path, int index, int show) {
  if (show != 0) {
    if (const TRCMGroupPtr group = getGroup(splitPath(path))) group->showGroup("");
  }
  const TRCMEntryPtr entry = findEntry(path, "' in file : ");
  return entry ? entry->getFloat(index) : 0.0f;
}

void TRCMFile::setString(const std::string& path, const std::string& value, int index) {
  if (index < 0) return;
  const std::vector<std::string> parts = splitPath(path);
  getGroupSet(parts)->setStringEntry(parts.back(), value, index);
}

void TRCMFile::setFloat(const std::string& path, float value, int index) {
  if (index < 0) return;
  const std::vector<std::string> parts = splitPath(path);
  getGroupSet(parts)->setFloatEntry(parts.back(), value, index);
}

void TRCMFile::printAll() { _grupa->showGroup(""); }

void TRCMFile::errorMsg(const std::string& text) { platform::Log("Napotkano problem : " + text); }
