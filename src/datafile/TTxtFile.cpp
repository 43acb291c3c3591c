#include "datafile/TTxtFile.h"

#include "datafile/TRCMEntry.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/strings.h"

namespace {
const char* const kBeyond = "(BEYOND TEXT ARRAY LENGTH!)";
}

std::string TTxtFile::getTxt(int n) const {
  if (n < 1 || static_cast<size_t>(n) > txt.size()) return kBeyond;
  return txt[static_cast<size_t>(n) - 1];
}

int TTxtFile::lines() const { return static_cast<int>(txt.size()); }

TTxtFile loadTxtFile(const std::string& path) {
  TTxtFile file;
  std::string why;
  const std::optional<std::string> text = platform::LoadText(path, &why);
  if (!text) {
    // The game's wording is part of its design: a table it cannot read is the designer's
    // to see, not a silent "(BEYOND ...)" on screen.
    platform::Notify(" >> BLAD! << : Plik : " + path + " : " + why);
    return file;
  }
  size_t start = 0;
  for (size_t end = text->find('\n'); end != std::string::npos; end = text->find('\n', start)) {
    file.txt.push_back(text->substr(start, end - start));
    start = end + 1;
  }
  if (start < text->size()) file.txt.push_back(text->substr(start));
  return file;
}

std::string getTxt(const TTxtFile& file, int n) { return file.getTxt(n); }

std::string resolveCaption(const std::string& caption) {
  if (caption.size() < 2 || caption.front() != '[' || caption.back() != ']') return caption;
  const std::string inner = caption.substr(1, caption.size() - 2);
  const size_t bar = inner.find('|');
  if (bar == std::string::npos) return caption;
  // Numbers in the game's files are read as floats and truncated.
  const float number = TRCMEntry::readFloat(inner.substr(bar + 1));
  const int n = number >= 1.0f && number < 2147483648.0f ? static_cast<int>(number) : 0;
  const std::string path = platform::Trim(inner.substr(0, bar));
  const TTxtFile file = loadTxtFile(path);
  if (n < 1 || n > file.lines())
    platform::Logf("Text table %s has no line %s", path.c_str(), inner.substr(bar + 1).c_str());
  return file.getTxt(n);
}
