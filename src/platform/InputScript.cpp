#include "platform/InputScript.h"

#include <algorithm>
#include <sstream>

#include "platform/Input.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace platform {

namespace {

struct Verb {
  const char* name;
  ScriptEvent::Kind kind;
  int numbers;
};

constexpr Verb kVerbs[] = {
    {"move", ScriptEvent::Kind::Move, 2},       {"press", ScriptEvent::Kind::Press, 1},
    {"release", ScriptEvent::Kind::Release, 1}, {"key", ScriptEvent::Kind::Key, 1},
    {"keydown", ScriptEvent::Kind::KeyDown, 1}, {"keyup", ScriptEvent::Kind::KeyUp, 1},
    {"char", ScriptEvent::Kind::Char, 0},       {"close", ScriptEvent::Kind::Close, 0},
};

bool readInt(std::istringstream& in, int& value) {
  long long v = 0;
  if (!(in >> v) || v < -1000000000LL || v > 1000000000LL) return false;
  value = int(v);
  return true;
}

// The argument of "char": a number, or text in double quotes.
bool readChars(std::istringstream& in, std::vector<int>& out) {
  std::string rest;
  std::getline(in, rest);
  const size_t first = rest.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  rest = rest.substr(first);
  if (rest.front() == '"') {
    const size_t close = rest.rfind('"');
    if (close == 0) return false;
    out = DecodeUtf8(std::string_view(rest).substr(1, close - 1));
    return !out.empty();
  }
  std::istringstream number(rest);
  int codepoint = 0;
  std::string trailing;
  if (!readInt(number, codepoint) || codepoint <= 0 || (number >> trailing)) return false;
  out = {codepoint};
  return true;
}

std::string stripComment(const std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == '#' && !quoted) return line.substr(0, i);
  }
  return line;
}

}  // namespace

InputScript InputScript::parse(const std::string& text, std::vector<std::string>& errors) {
  InputScript script;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    line = stripComment(line);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream in(line);
    ScriptEvent event;
    std::string verb;
    const Verb* found = nullptr;
    if (readInt(in, event.frame) && event.frame >= 0 && (in >> verb)) {
      for (const Verb& v : kVerbs)
        if (verb == v.name) found = &v;
    }
    bool ok = found != nullptr;
    if (ok) {
      event.kind = found->kind;
      if (found->numbers >= 1) ok = readInt(in, event.a);
      if (ok && found->numbers >= 2) ok = readInt(in, event.b);
      if (ok && event.kind == ScriptEvent::Kind::Char) ok = readChars(in, event.text);
      std::string trailing;
      if (ok && event.kind != ScriptEvent::Kind::Char) ok = !(in >> trailing);
    }
    if (!ok) {
      errors.push_back("line " + std::to_string(number) + ": cannot read \"" + line + "\"");
      continue;
    }
    script.events_.push_back(std::move(event));
  }
  std::stable_sort(script.events_.begin(), script.events_.end(),
                   [](const ScriptEvent& x, const ScriptEvent& y) { return x.frame < y.frame; });
  return script;
}

InputScript InputScript::load(const std::string& path) {
  std::string why;
  const auto bytes = LoadBytes(path, &why);
  if (!bytes) {
    platform::Logf("Cannot read the input script %s : %s", path.c_str(), why.c_str());
    return {};
  }
  std::vector<std::string> errors;
  InputScript script = parse(std::string(bytes->begin(), bytes->end()), errors);
  for (const std::string& error : errors)
    platform::Logf("Input script %s, %s", path.c_str(), error.c_str());
  return script;
}

bool InputScript::applyDue(int frame, Input& input) {
  bool close = false;
  for (; next_ < events_.size() && events_[next_].frame <= frame; ++next_) {
    const ScriptEvent& e = events_[next_];
    switch (e.kind) {
      case ScriptEvent::Kind::Move:
        input.mouseMove(e.a, e.b);
        break;
      case ScriptEvent::Kind::Press:
        input.mouseButton(e.a, true);
        break;
      case ScriptEvent::Kind::Release:
        input.mouseButton(e.a, false);
        break;
      case ScriptEvent::Kind::Key:
        input.key(e.a, true, false);
        input.key(e.a, false, false);
        break;
      case ScriptEvent::Kind::KeyDown:
        input.key(e.a, true, false);
        break;
      case ScriptEvent::Kind::KeyUp:
        input.key(e.a, false, false);
        break;
      case ScriptEvent::Kind::Char:
        for (int c : e.text) input.character(c);
        break;
      case ScriptEvent::Kind::Close:
        close = true;
        break;
    }
  }
  return close;
}

}  // namespace platform
