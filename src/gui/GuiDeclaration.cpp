#include "gui/GuiDeclaration.h"

#include <algorithm>

#include "gui/GuiUtil.h"
#include "platform/strings.h"

std::vector<std::string> tokenizeGui(const std::string& text) {
  std::vector<std::string> tokens;
  std::string current;
  bool quoted = false;
  auto flush = [&] {
    std::string token = platform::Trim(current);
    if (!token.empty()) tokens.push_back(token);
    current.clear();
  };
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
      flush();
    } else {
      current += c;
    }
  }
  flush();
  return tokens;
}

std::vector<std::vector<std::string>> splitGuiDeclarations(const std::vector<std::string>& tokens) {
  std::vector<std::vector<std::string>> declarations;
  std::vector<std::string> current;
  int depth = 0;
  for (const std::string& token : tokens) {
    current.push_back(token);
    if (token == "{") ++depth;
    if (token == "}" && --depth <= 0) {
      declarations.push_back(std::move(current));
      current.clear();
      depth = 0;
    }
  }
  if (!current.empty()) declarations.push_back(std::move(current));
  return declarations;
}

namespace {

using Tokens = std::vector<std::string>;

// Reads a nested body from pos (just after its "{") up to its "}", leaving pos after it.
std::shared_ptr<TSmallObject> readNested(const Tokens& t, size_t& pos, const std::string& typ,
                                         const std::string& name) {
  auto object = std::make_shared<TSmallObject>();
  object->_typ = typ;
  object->_name = name;
  while (pos < t.size() && t[pos] != "}") {
    if (pos + 2 < t.size() && t[pos + 1] == "=") {
      object->_tokeny.push_back(TSimpleEntry{t[pos], t[pos + 2]});
      pos += 3;
    } else if (pos + 2 < t.size()) {
      const std::string& key = t[pos];
      const std::string& inner = t[pos + 1];
      pos += 3;  // KEY NAME {
      object->_tokeny.push_back(readNested(t, pos, key, inner));
    } else {
      pos = t.size();
    }
  }
  if (pos < t.size()) ++pos;  // the "}"
  return object;
}

}  // namespace

GuiDeclaration parseGuiDeclaration(const Tokens& t) {
  GuiDeclaration declaration;
  if (t.empty()) return declaration;
  declaration.type = t[0];
  if (t.size() > 1) declaration.name = t[1];
  const auto opening = std::count(t.begin(), t.end(), "{");
  declaration.closed = opening > 0 && opening == std::count(t.begin(), t.end(), "}");
  // The token after the name is taken as the "{", and a final "}" closes the body.
  const size_t end = (t.size() > 3 && t.back() == "}") ? t.size() - 1 : t.size();
  const bool bar = platform::SameText(declaration.type, "BAR");
  size_t pos = 3;
  while (pos + 2 < end) {
    if (t[pos + 1] == "=") {
      declaration.entries.push_back({t[pos], t[pos + 2]});
      pos += 3;
    } else if (bar) {
      const std::string& key = t[pos];
      const std::string& name = t[pos + 1];
      pos += 3;
      declaration.nested.push_back(readNested(t, pos, key, name));
    } else {
      guiError("Nieprawidlowy wpis :" + t[pos + 1]);
      declaration.entries.push_back({t[pos], t[pos + 2]});
      pos += 3;
    }
  }
  return declaration;
}

std::string guiEntry(const GuiEntries& entries, const std::string& key) {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (platform::SameText(it->_typ, key)) return it->_value;
  }
  return {};
}
