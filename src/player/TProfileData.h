// One entry of the profile list: a player's name and where the profile's file lives. The
// profile's id, its folder name and its key in the list, is derived from the name.
#pragma once

#include <memory>
#include <string>

class TProfileData {
 public:
  TProfileData() = default;
  TProfileData(std::string playerName, std::string profileUrl)
      : name(std::move(playerName)), url(std::move(profileUrl)) {}
  virtual ~TProfileData() = default;

  std::string name;
  std::string url;  // full path of the profile's "profile.dat"

  // The upper-cased name's UTF-16 code units, each in decimal followed by "-": Ann and ann
  // both give "65-78-78-".
  virtual std::string getMyID() const;
  // The folder holding `url`, and its name: the id the player had when the profile was made.
  std::string folder() const;
  std::string folderId() const;
};

using TProfileDataPtr = std::shared_ptr<TProfileData>;

// The entry for a name and id: its file lies in profilesFolder + id, a folder made when
// missing. An id that is not a profile id (only digits and "-") is taken from the name, so a
// damaged list cannot name a folder elsewhere.
TProfileDataPtr createProfileData(const std::string& name, const std::string& id);
// Whether the text has the form of a profile id.
bool isProfileId(const std::string& id);
