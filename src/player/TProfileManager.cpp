#include "player/TProfileManager.h"

#include <algorithm>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "datafile/FileValues.h"
#include "datafile/TRCMFile.h"
#include "effects/TFlyText.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TGui.h"
#include "gui/TGuiObject.h"
#include "gui/TMouse.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/strings.h"
#include "player/IProfileDialogs.h"
#include "player/SavedFile.h"

namespace {

constexpr int kRowX = 309, kRowY = 200, kRowWidth = 270, kRowHeight = 24, kNameX = 442;
constexpr const char* kCancelled = "//";

}  // namespace

TProfileManager::TProfileManager(ScreenContext& screen, ProfileServices& services,
                                 IProfileDialogs& dialogs)
    : TEkran(screen), screen_(screen), services_(services), dialogs_(dialogs) {}

void TProfileManager::setup() {
  if (platform::FileType(assets::GUI_PROFILE_MANAGER) != 1)
    platform::Notify(std::string("No file : ") + assets::GUI_PROFILE_MANAGER);
  Gui = loadGui(assets::GUI_PROFILE_MANAGER, screen_);
  ProfileFont = TBMFont::Create(assets::FONT_DIR, assets::FONT_WHITESMALL);
}

// ---- The list and the files ------------------------------------------------------------------

TProfileDataPtr TProfileManager::getProfileData(const std::string& profileId) const {
  const std::string wanted = platform::Upper(profileId);
  for (const auto& entry : profiles)
    if (platform::Upper(entry->getMyID()) == wanted) return entry;
  return nullptr;
}

bool TProfileManager::saveAll() {
  // Before the list has been read (a quit while the game is still loading) there is nothing
  // to save, and writing the empty list would lose every player.
  if (!listRead_) return true;
  TRCMFile file;
  file.setFloat("Profiles::i", static_cast<float>(profiles.size()));
  file.setString("Profiles::ActProfile", profile ? profile->getMyID() : "NULL");
  int k = 0;
  for (const auto& entry : profiles) {
    const std::string key = "Profiles::Profile" + std::to_string(++k);
    file.setString(key, entry->name, 0);
    // The folder the player's files are in: a renamed player keeps theirs.
    file.setString(key, entry->folderId(), 1);
  }
  savedfile::keepGoodCopy(profilesFile, savedfile::holds("Profiles"));
  bool ok = file.save(profilesFile);
  if (!ok) reportSaveFailure("the list of players " + profilesFile);
  if (profile && !profile->save()) {
    reportSaveFailure("the profile of " + profile->name + " (" + profile->url + ")");
    ok = false;
  }
  return ok;
}

void TProfileManager::reportSaveFailure(const std::string& what) {
  platform::Log("Napotkano problem : could not save " + what);
  if (saveFailureShown_) return;
  saveFailureShown_ = true;
  platform::Notify("Your progress could not be saved (" + what +
                   "). Check that the disk has room and the game may write to its folder.");
}

void TProfileManager::loadProfiles() {
  listRead_ = true;
  if (platform::FileType(profilesFile) != 1) saveAll();
  TRCMFile file = savedfile::read(profilesFile, savedfile::holds("Profiles"));
  const std::string act = platform::Upper(readName(file, "Profiles::ActProfile"));
  const int count = readInt(file, "Profiles::i");
  profiles.clear();
  for (int k = 1; k <= count; ++k) {
    const std::string key = "Profiles::Profile" + std::to_string(k);
    if (valueCount(file, key) == 0) break;  // a count larger than the list: stop at its end
    // A damaged entry without a name is no player (and would name no folder of its own).
    const std::string name = readName(file, key, 0);
    if (name.empty()) continue;
    profiles.push_back(createProfileData(name, file.getString(key, 1)));
  }
  profile = nullptr;
  if (act == "NULL" || act.empty()) return;
  if (const auto entry = getProfileData(act)) {
    profile = loadProfile(*entry, services_);
  } else if (!profiles.empty()) {
    // The current player is not on the list (a damaged list): the first player is.
    profile = loadProfile(*profiles.front(), services_);
  }
}

TProfilePtr TProfileManager::newProfile(const std::string& name,
                                        std::vector<TProfileDataPtr>& list) {
  auto created = std::make_shared<TProfile>(services_);
  created->name = name;
  auto entry = createProfileData(name, created->getMyID());
  created->url = entry->url;
  list.push_back(entry);
  return created;
}

bool TProfileManager::nameTaken(const std::string& name, const TProfileData* except) const {
  const std::string wanted = TProfileData(name, "").getMyID();
  for (const auto& entry : _profilesList) {
    if (entry.get() == except) continue;
    if (entry->getMyID() != wanted && entry->folderId() != wanted) continue;
    // Names that differ only in letter case would share one folder.
    platform::Notify("There is a player called " + entry->name +
                     " already. Please choose another name.");
    return true;
  }
  return false;
}

void TProfileManager::createNewProfile(TEkran* screen, const std::function<void()>& behind) {
  std::string name;
  do {
    name = dialogs_.askName(screen, behind, "Enter your name", "", 1);
  } while (name.empty() || name == kCancelled);
  profile = newProfile(name, profiles);
  profile->QUEST_startNew();
  saveAll();
  platform::FlushKeys();
}

// ---- The dialog ------------------------------------------------------------------------------

std::string TProfileManager::mainLoop(TEkran* screen, std::function<void()> behind) {
  if (!Gui) setup();
  ekran = screen;
  updateBehind_ = std::move(behind);
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _controlGUI();
    _controlKEYBOARD();
    if (alpha == 0.0f && dAlpha == 0.0f) toExit = 1;
  } while (!toExit);
  updateBehind_ = nullptr;
  return "";
}

void TProfileManager::prepare() {
  _prepareProfiles();
  _prepareSelf();
}

void TProfileManager::_prepareProfiles() {
  _profilesList.clear();
  for (const auto& entry : profiles)
    _profilesList.push_back(createProfileData(entry->name, entry->getMyID()));
  getAktProfile();
}

void TProfileManager::getAktProfile() {
  _profile = nullptr;
  if (!profile) return;
  for (const auto& entry : _profilesList)
    if (entry->getMyID() == profile->getMyID()) _profile = entry;
}

void TProfileManager::findAktProfile() {
  _profile = _profilesList.empty() ? nullptr : _profilesList.front();
}

void TProfileManager::_prepareSelf() {
  toExit = 0;
  alpha = 0.0f;
  dAlpha = 1.0f;
  startN = 0;
  clicked = _profile;
  saveAll();
}

void TProfileManager::update() {
  updateCommon();
  if (updateBehind_) updateBehind_();
  _updateProfiles();
  _updateGui();
  _updateAlpha();
}

int TProfileManager::rowAt(int x, int y) const {
  for (int r = 0; r < kRows; ++r) {
    const size_t index = size_t(startN) + size_t(r);
    if (index >= _profilesList.size()) break;
    if (x >= kRowX && x < kRowX + kRowWidth && y >= kRowY + kRowHeight * r &&
        y < kRowY + kRowHeight * (r + 1))
      return int(index);
  }
  return -1;
}

void TProfileManager::_updateProfiles() {
  const TMouse& mouse = screen_.mouse();
  const int row = rowAt(mouse.x, mouse.y);
  over = row >= 0 ? _profilesList[size_t(row)] : nullptr;
  if (over && mouse.leftPressed) clicked = over;
  showButton("RENAME", clicked != nullptr);
  showButton("DELETE", clicked != nullptr && _profilesList.size() != 1);
}

void TProfileManager::showButton(const char* button, bool shown) {
  if (!Gui) return;
  if (const auto item = Gui->getItem(button)) item->setState(shown ? 1 : 0, shown ? 1 : 0);
}

TProfileManager::Colour TProfileManager::rowColour(const TProfileData* entry) const {
  const bool picked = entry == _profile.get(), isClicked = entry == clicked.get(),
             isOver = entry == over.get();
  if (picked && isClicked) return {255, 0, 0};
  if (picked) return {50, 50, 250};
  if (isOver && !isClicked) return {255, 255, 255};
  if (isOver) return {255, 255, 0};
  if (isClicked) return {0, 255, 0};
  return {200, 200, 200};
}

void TProfileManager::draw() {
  if (ekran) ekran->draw();
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(alpha);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  _drawGui();
  _drawProfiles();
  _drawMouse();
}

void TProfileManager::_drawProfiles() {
  if (!ProfileFont) return;
  for (int r = 0; r < kRows; ++r) {
    const size_t index = size_t(startN) + size_t(r);
    if (index >= _profilesList.size()) break;
    const Colour c = rowColour(_profilesList[index].get());
    platform::SetBlend(platform::ALPHABLEND);
    platform::SetColor(c.r, c.g, c.b);
    platform::SetAlpha(alpha);
    platform::SetScale(1, 1);
    TFlyText::drawMyText(_profilesList[index]->name, kNameX, kRowY + kRowHeight * r,
                         ProfileFont.get(), 1);
  }
  platform::SetColor(255, 255, 255);
}

void TProfileManager::_controlGUI() {
  if (!Gui) return;
  const std::pair<const char*, void (TProfileManager::*)()> actions[] = {
      {"NEW", &TProfileManager::goNEW},       {"RENAME", &TProfileManager::goRENAME},
      {"DELETE", &TProfileManager::goDELETE}, {"OK", &TProfileManager::goOK},
      {"CANCEL", &TProfileManager::goCANCEL}, {"UP", &TProfileManager::UP},
      {"DOWN", &TProfileManager::DOWN}};
  for (const auto& [button, action] : actions)
    if (Gui->clickedItem(button)) (this->*action)();
}

void TProfileManager::_controlKEYBOARD() {
  if (platform::KeyHit(platform::key::ESCAPE)) goCANCEL();
}

void TProfileManager::UP() {
  if (startN + kRows < int(_profilesList.size())) startN += 1;
}

void TProfileManager::DOWN() { startN = std::max(0, startN - 1); }

void TProfileManager::goNEW() {
  const std::string name = dialogs_.askName(ekran, updateBehind_, "Enter your name", "", 0);
  if (name == kCancelled || name.empty() || nameTaken(name, nullptr)) return;
  auto created = newProfile(name, _profilesList);
  created->save();
  if (profile && !profile->save()) reportSaveFailure("the profile of " + profile->name);
  profile = created;
  getAktProfile();
  clicked = _profile;
}

void TProfileManager::goRENAME() {
  if (!clicked) return;
  const std::string name =
      dialogs_.askName(ekran, updateBehind_, "Enter your name", clicked->name, 1);
  if (name != kCancelled && !name.empty() && !nameTaken(name, clicked.get())) clicked->name = name;
}

void TProfileManager::goDELETE() {
  if (!clicked || _profilesList.size() <= 1) return;
  if (!dialogs_.confirmDelete(ekran, updateBehind_)) return;
  const bool wasPicked = clicked == _profile;
  _profilesList.erase(std::remove(_profilesList.begin(), _profilesList.end(), clicked),
                      _profilesList.end());
  if (wasPicked) findAktProfile();
  clicked = _profile;
}

void TProfileManager::goOK() {
  profiles = _profilesList;
  if (clicked) _profile = clicked;
  if (_profile && profile && profile->url == _profile->url) {
    profile->name = _profile->name;  // renamed in the dialog
  } else if (_profile) {
    if (profile) profile->save();
    profile = loadProfile(*_profile, services_);
    profile->name = _profile->name;
  }
  saveAll();
  dAlpha = 0.0f;
}

void TProfileManager::goCANCEL() {
  dAlpha = 0.0f;
  // A player added with NEW is already the current one: they stay on the list.
  if (profile && !getProfileData(profile->getMyID()))
    profiles.push_back(createProfileData(profile->name, profile->folderId()));
  saveAll();
}
