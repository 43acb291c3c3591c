// On-screen wording kept in plain text files, one text per line, fetched by line number.
#pragma once

#include <string>
#include <vector>

class TTxtFile {
 public:
  std::vector<std::string> txt;

  // Line n counted from 1; "(BEYOND TEXT ARRAY LENGTH!)" for 0, negative numbers and
  // numbers past the last line.
  std::string getTxt(int n) const;
  int lines() const;
};

// Every "\n" ends a line (an empty one too); a last line without "\n" counts when it is not
// empty. Nothing else is removed, so Windows line ends leave "\r" on the lines. A file that
// cannot be read gives no lines.
TTxtFile loadTxtFile(const std::string& path);
std::string getTxt(const TTxtFile& file, int n);

// A caption "[file|n]" names line n of a text file (read anew each time); any other caption,
// a bracketed one without "|" included, is returned as it is.
std::string resolveCaption(const std::string& caption);
