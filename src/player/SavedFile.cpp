#include "player/SavedFile.h"

#include "platform/Log.h"
#include "platform/files.h"

namespace savedfile {

std::string copyPath(const std::string& path) { return path + ".bak"; }

Check holds(const std::string& group) {
  return [group](TRCMFile& file) { return file.getGroup({group, "x"}) != nullptr; };
}

bool keepGoodCopy(const std::string& path, const Check& good) {
  if (platform::FileType(path) != 1) return true;
  TRCMFile current(path);
  if (!good(current)) return true;  // a damaged file never replaces the good copy
  const auto bytes = platform::LoadBytes(path);
  return bytes && platform::SaveBytesAtomic(*bytes, copyPath(path));
}

TRCMFile read(const std::string& path, const Check& good) {
  if (platform::FileType(path) == 1) {
    TRCMFile file(path);
    if (good(file)) return file;
  }
  if (platform::FileType(copyPath(path)) == 1) {
    TRCMFile kept(copyPath(path));
    if (good(kept)) {
      platform::Log("Napotkano problem : " + path +
                    " is missing or damaged; reading the copy kept at the last good save");
      return kept;
    }
  }
  return TRCMFile(path);
}

}  // namespace savedfile
