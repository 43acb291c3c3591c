// The current player's profile: the quest position and the level in progress, stars, score,
// play mode, the decorations on the tree and the tutorial marks; and its file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "player/TProfileData.h"
#include "tree/TElementChoinki.h"

class TLevel;
class TLevelManager;
class TRCMFile;
class TShopCatalogue;
class TZestaw;

// What a profile reads its levels and its tree from; both are loaded before any profile is
// read.
class ProfileServices {
 public:
  virtual ~ProfileServices() = default;
  virtual const TLevelManager& levels() = 0;
  virtual const TShopCatalogue& products() = 0;
};

class TProfile : public TProfileData {
 public:
  explicit TProfile(ProfileServices& services) : services_(services) {}

  std::shared_ptr<TLevel> questLevel;
  std::shared_ptr<TLevel> freePlayLevel;
  int nrLeveluQuest = 0;
  int nrZestawuQuest = 0;
  std::shared_ptr<TZestaw> zestawQuest;
  int nrLeveluFree = 0;
  int nrZestawuFree = 0;
  int nrFolderuFree = 0;
  std::shared_ptr<TZestaw> zestawFree;
  std::vector<TElementChoinkiPtr> all;
  int stars = 0;
  int score = 0;
  int mode = 0;  // 0 timed, anything else relaxed
  // Which tutorial hints were shown, in the order of the hint list.
  std::vector<int> hintsDone;
  // Counts the saves: the level files of a save carry the same number as its profile file, so
  // a profile is never read with a board of another moment.
  mutable int saveStamp = 0;

  virtual void _saveStandardData(TRCMFile& file) const;
  virtual void _saveStats(TRCMFile& file) const;
  virtual void _saveLevel(TRCMFile& file) const;
  virtual void _saveTree(TRCMFile& file) const;
  virtual void _saveTutorial(TRCMFile& file) const;
  // Writes the whole profile to `url`, keeping the last good files as "<file>.bak": first
  // the levels beside their files, then the profile (the moment the save counts), then the
  // levels in their places. False when something could not be written.
  virtual bool save() const;
  virtual int canResumeQuest() const { return questLevel ? 1 : 0; }
  virtual void QUEST_startNew();
  virtual void QUEST_nextLevel();
  virtual void QUEST_getLevelAndZestaw();
  virtual void addObject(const TElementChoinkiPtr& element) { all.push_back(element); }
  virtual void removeObject(const TElementChoinki* element);

  // Reads the profile file at `url` (or its kept copy when the file is missing or damaged).
  void read();

 private:
  void readTree(TRCMFile& file);
  // The level saved with this profile: the first of its file, the file being written and the
  // kept copy that carries the profile's save number; null when none does.
  std::shared_ptr<TLevel> readLevel(const std::string& fileName) const;
  bool saveLevelFile(const std::shared_ptr<TLevel>& level, const std::string& fileName) const;
  bool placeLevelFile(const std::shared_ptr<TLevel>& level, const std::string& fileName) const;
  TElementChoinkiPtr makeDecoration(int id, const std::string& kind,
                                    const std::vector<int>& position) const;
  ProfileServices& services_;
  mutable bool levelSaveFailed_ = false;
};

using TProfilePtr = std::shared_ptr<TProfile>;

// The profile of a list entry, read from its file.
TProfilePtr loadProfile(const TProfileData& entry, ProfileServices& services);
