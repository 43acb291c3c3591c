// The profile list and the current profile: the list file, reading and saving profiles, the
// first profile of a first start, and the dialog in which players are added, renamed, deleted
// and chosen. Every other part of the game reaches the player's data through `profile`.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/TEkran.h"
#include "match3/IMainGameProfile.h"
#include "player/TProfile.h"
#include "tree/ITreeProfile.h"

class IProfileDialogs;
class ScreenContext;
class TBMFont;

class TProfileManager : public TEkran, public IMainGameProfile, public ITreeProfile {
 public:
  TProfileManager(ScreenContext& screen, ProfileServices& services, IProfileDialogs& dialogs);

  TProfilePtr profile;
  std::vector<TProfileDataPtr> profiles;
  TProfileDataPtr _profile;
  std::vector<TProfileDataPtr> _profilesList;
  int toExit = 0;
  int startN = 0;
  std::shared_ptr<TBMFont> ProfileFont;
  TProfileDataPtr clicked;
  TProfileDataPtr over;

  // Asks for the first player's name over `screen` and starts a quest for them.
  virtual void createNewProfile(TEkran* screen, const std::function<void()>& behind);
  // Writes the list, then the current profile; false (said in the log, and once to the
  // player) when something could not be written.
  virtual bool saveAll();
  virtual void loadProfiles();
  virtual TProfileDataPtr getProfileData(const std::string& profileId) const;
  // The dialog over `screen`, until it has faded out.
  virtual std::string mainLoop(TEkran* screen, std::function<void()> behind = {});
  virtual void UP();
  virtual void DOWN();
  virtual void goNEW();
  virtual void goRENAME();
  virtual void goDELETE();
  virtual void goOK();
  virtual void goCANCEL();
  virtual void getAktProfile();
  virtual void findAktProfile();
  // Opens the dialog: a working copy of the list, faded in from nothing.
  virtual void prepare();

  void setup() override;
  void update() override;
  void draw() override;

  // IMainGameProfile: what the main game reads of the current profile.
  int mode() const override { return profile ? profile->mode : 0; }
  int nrLeveluQuest() const override { return profile ? profile->nrLeveluQuest : 0; }
  void save() override { saveAll(); }

  // ITreeProfile: what the tree screen reads and changes of the current profile.
  bool hasPlayer() const override { return profile != nullptr; }
  std::vector<TElementChoinkiPtr>& decorations() override {
    return profile ? profile->all : noDecorations_;
  }
  int stars() const override { return profile ? profile->stars : 0; }
  void addStars(int amount) override {
    if (profile) profile->stars += amount;
  }
  int levelNumber() const override { return profile ? profile->nrLeveluQuest : 0; }
  void saveProfile() override { saveAll(); }

  // The row of the working list under the point, or -1; and the colour a row is drawn in.
  int rowAt(int x, int y) const;
  struct Colour {
    int r, g, b;
  };
  Colour rowColour(const TProfileData* entry) const;

  static constexpr int kRows = 4;

 private:
  void _prepareProfiles();
  void _prepareSelf();
  void _updateProfiles();
  void _drawProfiles();
  void _controlGUI();
  void _controlKEYBOARD();
  void showButton(const char* button, bool shown);
  TProfilePtr newProfile(const std::string& name, std::vector<TProfileDataPtr>& list);
  void reportSaveFailure(const std::string& what);
  // Whether another player of the working list has the name (or one differing only in letter
  // case); says so to the player.
  bool nameTaken(const std::string& name, const TProfileData* except) const;

  ScreenContext& screen_;
  ProfileServices& services_;
  IProfileDialogs& dialogs_;
  std::function<void()> updateBehind_;
  bool saveFailureShown_ = false;
  bool listRead_ = false;  // loadProfiles has run: the list may be written
  std::vector<TElementChoinkiPtr> noDecorations_;
};
