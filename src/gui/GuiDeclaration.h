#pragma once
// The .gui file syntax: tokens, top-level declarations and their KEY = VALUE bodies.
#include <memory>
#include <string>
#include <variant>
#include <vector>

// One KEY = VALUE pair of a declaration; the key as written.
struct TSimpleEntry {
  std::string _typ;
  std::string _value;
};

// A nested declaration inside a BAR declaration.
struct TSmallObject;
using TSmallToken = std::variant<TSimpleEntry, std::shared_ptr<TSmallObject>>;
struct TSmallObject {
  std::vector<TSmallToken> _tokeny;
  std::string _typ;
  std::string _name;
  std::string _tytul;
};

using GuiEntries = std::vector<TSimpleEntry>;

// One top-level declaration: TYPE NAME { body }.
struct GuiDeclaration {
  std::string type;
  std::string name;
  GuiEntries entries;
  std::vector<std::shared_ptr<TSmallObject>> nested;  // BAR only
  bool closed = false;  // its braces balance (a cut-off file leaves the last one open)
};

// Tokens split at white space outside double quotes; quotes dropped, empty tokens dropped.
std::vector<std::string> tokenizeGui(const std::string& text);
// Token runs of the top-level declarations, each ending at the "}" back at depth 0.
std::vector<std::vector<std::string>> splitGuiDeclarations(const std::vector<std::string>& tokens);
// TYPE, NAME and body of one declaration's tokens. Only BAR bodies may nest declarations;
// elsewhere a token in the place of "=" is reported and the next one taken as the value.
GuiDeclaration parseGuiDeclaration(const std::vector<std::string>& tokens);

// The value of the last entry with this key (case-insensitive), or empty.
std::string guiEntry(const GuiEntries& entries, const std::string& key);
