// Feeds arbitrary bytes to the data-file reader as a file on disk, then queries, changes,
// prints and writes what was read, and reads the written text again.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>

#include "datafile/TRCMFile.h"
#include "datafile/TTxtFile.h"
#include "platform/files.h"

namespace {

// A plain buffer: it must outlive the exit handler that removes the file.
char scratchPath[] = "/tmp/glimmerfir-fuzz-XXXXXX";

std::string ScratchFile() {
  static const bool created = [] {
    const int fd = mkstemp(scratchPath);
    if (fd < 0) return false;
    close(fd);
    atexit([] { unlink(scratchPath); });
    return true;
  }();
  return created ? scratchPath : "";
}

// The path of the first entry on the way down the first subgroups, e.g. "a::b::key".
std::string FirstEntryPath(const TRCMGroupPtr& root) {
  std::string prefix;
  for (TRCMGroupPtr group = root; group;) {
    if (!group->_listaWpisow.empty()) return prefix + group->_listaWpisow[0]->_id;
    if (group->_listaGrup.empty()) break;
    group = group->_listaGrup[0];
    prefix += group->_id + "::";
  }
  return prefix + "k";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::cout.rdbuf(nullptr);  // dumps go nowhere
  std::cout.clear();
  const std::string path = ScratchFile();
  if (path.empty()) return 0;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) return 0;
  }

  TRCMFile file(path);
  const std::string entry = FirstEntryPath(file._grupa);
  for (int index = -1; index < 3; ++index) {
    file.getString(entry, index);
    file.getFloat(entry, index, index == 0);
  }
  file.printAll();
  file.setString(entry, "x", 2);
  file.setFloat(entry + "::n", 0.05f, 1);
  const std::string saved = file.saveText();
  const TRCMGroupPtr again = TRCMFile::readAll(saved, "MAINGROUP");
  again->save("");

  const TTxtFile text = loadTxtFile(path);
  text.getTxt(text.lines());
  resolveCaption("[" + path + "|" + std::to_string(size % 7) + "]");
  return 0;
}
