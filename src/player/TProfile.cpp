#include "player/TProfile.h"

#include <algorithm>

#include "datafile/FileValues.h"
#include "datafile/TRCMFile.h"
#include "match3/TLevel.h"
#include "match3/TLevelManager.h"
#include "match3/TZestaw.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "player/SavedFile.h"
#include "tree/DecorationFactory.h"
#include "tree/TShopCatalogue.h"

namespace {

constexpr int kStartStars = 10;

void setNumber(TRCMFile& file, const std::string& key, int value) {
  file.setFloat(key, static_cast<float>(value));
}

bool hasEntry(TRCMFile& file, const std::string& path) { return valueCount(file, path) > 0; }

// A position number as the saved tree holds it ("345.000000"): its sign and the digits before
// the point.
int positionNumber(const std::string& text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min<long long>(value * 10 + (text[i] - '0'), 1000000);
  return static_cast<int>(negative ? -value : value);
}

std::vector<int> positionNumbers(const std::string& text) {
  std::vector<int> numbers;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(' ', start), text.size());
    numbers.push_back(positionNumber(text.substr(start, end - start)));
    start = end + 1;
  }
  return numbers;
}

constexpr const char* kQuestLevelFile = "questlevel.lvl";
constexpr const char* kFreePlayLevelFile = "FreePlayLevel.lvl";
constexpr const char* kNext = ".next";

}  // namespace

void TProfile::_saveStandardData(TRCMFile& file) const {
  file.setString("profile::name", name);
  setNumber(file, "Profile::nrLeveluQuest", nrLeveluQuest);
  setNumber(file, "Profile::nrZestawuQuest", nrZestawuQuest);
  setNumber(file, "Profile::nrLeveluFree", nrLeveluFree);
  setNumber(file, "Profile::nrZestawuFree", nrZestawuFree);
  setNumber(file, "Profile::nrFolderuFree", nrFolderuFree);
}

void TProfile::_saveTutorial(TRCMFile& file) const {
  for (size_t k = 0; k < hintsDone.size(); ++k)
    setNumber(file, "Profile::hint" + std::to_string(k + 1), hintsDone[k]);
}

void TProfile::_saveStats(TRCMFile& file) const {
  setNumber(file, "Profile::stars", stars);
  setNumber(file, "Profile::score", score);
  setNumber(file, "Profile::mode", mode);
}

void TProfile::_saveLevel(TRCMFile& file) const {
  setNumber(file, "Profile::questLevel", questLevel ? 1 : 0);
  if (!saveLevelFile(questLevel, kQuestLevelFile)) levelSaveFailed_ = true;
  setNumber(file, "Profile::FreePlayLevel", freePlayLevel ? 1 : 0);
  if (!saveLevelFile(freePlayLevel, kFreePlayLevelFile)) levelSaveFailed_ = true;
}

// The board goes first beside its file, numbered with this save.
bool TProfile::saveLevelFile(const std::shared_ptr<TLevel>& level,
                             const std::string& fileName) const {
  if (!level) return true;
  const std::string next = folder() + "/" + fileName + kNext;
  if (!level->save(next)) return false;
  TRCMFile written(next);
  written.setFloat("Level::saveStamp", static_cast<float>(saveStamp));
  return written.save(next);
}

// Once the profile is written, the board takes its place.
bool TProfile::placeLevelFile(const std::shared_ptr<TLevel>& level,
                              const std::string& fileName) const {
  if (!level) return true;
  const std::string path = folder() + "/" + fileName;
  const std::string next = path + kNext;
  const auto bytes = platform::LoadBytes(next);
  if (!bytes) return false;
  savedfile::keepGoodCopy(path, savedfile::holds("Level"));
  if (!platform::SaveBytesAtomic(*bytes, path)) return false;
  platform::DeleteFile(next);
  return true;
}

void TProfile::_saveTree(TRCMFile& file) const {
  setNumber(file, "Profile::choinka::i", static_cast<int>(all.size()));
  int k = 0;
  for (const auto& element : all) {
    const std::string key = "Profile::choinka::elm" + std::to_string(++k);
    const int id = element->data ? element->data->id : 0;
    file.setString(key, std::to_string(id), 0);
    file.setString(key, element->data ? element->data->typ : "", 1);
    file.setString(key, element->getPosString(), 2);
  }
}

bool TProfile::save() const {
  TRCMFile file;
  levelSaveFailed_ = false;
  ++saveStamp;
  _saveStandardData(file);
  _saveTutorial(file);
  _saveStats(file);
  _saveLevel(file);
  _saveTree(file);
  setNumber(file, "Profile::saveStamp", saveStamp);
  if (!savedfile::keepGoodCopy(url, savedfile::holds("Profile")))
    platform::Log("Napotkano problem : could not keep a copy of " + url);
  const bool written = file.save(url);
  if (!written) {
    platform::Log("Napotkano problem : could not write the profile " + url);
    return false;
  }
  const bool placed = placeLevelFile(questLevel, kQuestLevelFile) &&
                      placeLevelFile(freePlayLevel, kFreePlayLevelFile);
  return placed && !levelSaveFailed_;
}

void TProfile::QUEST_startNew() {
  nrLeveluQuest = 1;
  nrZestawuQuest = 1;
  QUEST_getLevelAndZestaw();
  questLevel = nullptr;
  stars = kStartStars;
  all.clear();
  score = 0;
  // A new quest teaches again from the first hint.
  hintsDone.clear();
}

void TProfile::QUEST_nextLevel() {
  nrLeveluQuest += 1;
  const int levelsInSet = zestawQuest ? static_cast<int>(zestawQuest->levels.size()) : 0;
  if (nrLeveluQuest > levelsInSet) {
    nrZestawuQuest += 1;
    nrLeveluQuest = 1;
    if (static_cast<int>(services_.levels().zestawyQuest.size()) < nrZestawuQuest) QUEST_startNew();
  }
  QUEST_getLevelAndZestaw();
}

void TProfile::QUEST_getLevelAndZestaw() {
  zestawQuest = services_.levels().getZestaw(-1, nrZestawuQuest);
  questLevel = services_.levels().QUEST_loadLevel(nrZestawuQuest, nrLeveluQuest);
}

void TProfile::removeObject(const TElementChoinki* element) {
  all.erase(std::remove_if(all.begin(), all.end(),
                           [element](const auto& e) { return e.get() == element; }),
            all.end());
}

void TProfile::read() {
  TRCMFile file = savedfile::read(url, savedfile::holds("Profile"));
  // A lost or damaged file keeps the name the list gave the player.
  if (std::string stored = readName(file, "Profile::name"); !stored.empty()) name = stored;
  saveStamp = readInt(file, "Profile::saveStamp");
  hintsDone.clear();
  for (int k = 1; hasEntry(file, "Profile::hint" + std::to_string(k)); ++k)
    hintsDone.push_back(readInt(file, "Profile::hint" + std::to_string(k)));
  stars = std::max(0, readInt(file, "Profile::stars"));
  score = std::max(0, readInt(file, "Profile::score"));
  mode = readInt(file, "Profile::mode");
  nrLeveluQuest = readInt(file, "Profile::nrLeveluQuest");
  nrLeveluFree = readInt(file, "Profile::nrLeveluFree");
  nrZestawuQuest = readInt(file, "Profile::nrZestawuQuest");
  nrZestawuFree = readInt(file, "Profile::nrZestawuFree");
  nrFolderuFree = readInt(file, "Profile::nrFolderuFree");
  zestawFree = services_.levels().getZestaw(nrFolderuFree, nrZestawuFree);
  zestawQuest = services_.levels().getZestaw(-1, nrZestawuQuest);
  if (readInt(file, "Profile::questLevel") != 0) questLevel = readLevel(kQuestLevelFile);
  if (readInt(file, "Profile::FreePlayLevel") != 0) freePlayLevel = readLevel(kFreePlayLevelFile);
  readTree(file);
}

std::shared_ptr<TLevel> TProfile::readLevel(const std::string& fileName) const {
  const std::string path = folder() + "/" + fileName;
  for (const std::string& candidate : {path, path + kNext, savedfile::copyPath(path)}) {
    if (platform::FileType(candidate) != 1) continue;
    TRCMFile level(candidate);
    if (!savedfile::holds("Level")(level) || readInt(level, "Level::saveStamp") != saveStamp)
      continue;
    if (candidate != path)
      platform::Log("Napotkano problem : " + path + " is not the board of this profile; reading " +
                    candidate);
    return services_.levels().loadLevel(candidate);
  }
  platform::Log("Napotkano problem : no board saved with the profile " + url +
                "; the level starts afresh");
  return nullptr;
}

void TProfile::readTree(TRCMFile& file) {
  all.clear();
  const int count = readInt(file, "Profile::choinka::i");
  for (int k = 1; k <= count; ++k) {
    const std::string key = "Profile::choinka::elm" + std::to_string(k);
    if (!hasEntry(file, key)) break;  // a count larger than the list: stop at its end
    const int id = truncToInt(TRCMEntry::readFloat(file.getString(key, 0)));
    const std::string kind = platform::Upper(file.getString(key, 1));
    auto decoration =
        makeDecoration(id, kind, positionNumbers(platform::Upper(file.getString(key, 2))));
    if (decoration) all.push_back(decoration);
  }
}

TElementChoinkiPtr TProfile::makeDecoration(int id, const std::string& kind,
                                            const std::vector<int>& p) const {
  const TShopCatalogue& shop = services_.products();
  const auto at = [&p](size_t i) { return float(i < p.size() ? p[i] : 0); };
  TElementChoinkiPtr made;
  if (kind == "BOMBKA") {
    if (auto data = shop.getBombkaData(id)) made = createBombka(data, at(0), at(1));
  } else if (kind == "LAMPKA") {
    if (auto data = shop.getLampkaData(id)) made = createLampka(data, at(0), at(1));
  } else if (kind == "DEKOR") {
    if (auto data = shop.getDekorData(id)) made = createDekor(data, at(0), at(1));
  } else if (kind == "OZDOBA") {
    if (auto data = shop.getOzdobkaData(id)) made = createOzdobka(data, at(0), at(1));
  } else if (kind == "LANCUCH") {
    if (auto data = shop.getLancuchData(id)) made = createLancuch(data, at(0), at(1), at(2), at(3));
  } else {
    return nullptr;  // not a kind of decoration
  }
  if (!made)
    platform::Log("Napotkano problem : the shop has no " + kind + " " + std::to_string(id) +
                  "; it is left off the tree");
  return made;
}

TProfilePtr loadProfile(const TProfileData& entry, ProfileServices& services) {
  auto profile = std::make_shared<TProfile>(services);
  profile->name = entry.name;
  profile->url = entry.url;
  profile->read();
  return profile;
}
