#include "player/TProfileData.h"

#include "core/Globals.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace {

// The code points of UTF-8 text; a broken sequence stands for itself byte by byte.
std::u32string codePoints(const std::string& text) {
  std::u32string out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    bool valid = i + size_t(extra) < text.size() || extra == 0;
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + size_t(k)]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (!valid) {
      out.push_back(lead);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += size_t(extra) + 1;
  }
  return out;
}

}  // namespace

std::string TProfileData::getMyID() const {
  std::string id;
  for (const char32_t cp : codePoints(platform::Upper(name))) {
    if (cp >= 0x10000) {  // a surrogate pair in UTF-16
      const char32_t v = cp - 0x10000;
      id += std::to_string(0xD800 + (v >> 10)) + "-" + std::to_string(0xDC00 + (v & 0x3FF)) + "-";
    } else {
      id += std::to_string(static_cast<unsigned>(cp)) + "-";
    }
  }
  return id;
}

std::string TProfileData::folder() const {
  const size_t slash = url.find_last_of('/');
  return slash == std::string::npos ? std::string() : url.substr(0, slash);
}

std::string TProfileData::folderId() const {
  const std::string dir = folder();
  const size_t slash = dir.find_last_of('/');
  const std::string last = slash == std::string::npos ? dir : dir.substr(slash + 1);
  return isProfileId(last) ? last : getMyID();
}

bool isProfileId(const std::string& id) {
  if (id.empty()) return false;
  for (const char c : id)
    if (c != '-' && (c < '0' || c > '9')) return false;
  return true;
}

TProfileDataPtr createProfileData(const std::string& name, const std::string& id) {
  auto entry = std::make_shared<TProfileData>(name, "");
  const std::string safeId = isProfileId(id) ? id : entry->getMyID();
  const std::string dir = profilesFolder + safeId;
  entry->url = dir + "/profile.dat";
  if (platform::FileType(dir) != 2) platform::CreateDir(dir);
  return entry;
}
