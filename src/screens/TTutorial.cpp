#include "screens/TTutorial.h"

#include <algorithm>

#include "datafile/AssetNames.h"
#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"
#include "gui/TBMFont.h"
#include "gui/TButton.h"
#include "platform/strings.h"

namespace {

std::string hintKey(int i, const std::string& field) {
  return "tutorial::hint" + std::to_string(i) + "::" + field;
}

int fileInt(TRCMFile& file, const std::string& key, int index = 0) {
  return truncToInt(file.getFloat(key, index));
}

// A name or parameter, upper case; a bare number in the file reads as its digits.
std::string fileWord(TRCMFile& file, const std::string& key, int index) {
  const std::string text = file.getString(key, index);
  if (!text.empty()) return platform::Upper(text);
  const int number = truncToInt(file.getFloat(key, index));
  return number != 0 ? std::to_string(number) : std::string();
}

}  // namespace

TTutorial::TTutorial(ITutorialWorld& world, const TMouse& mouse, IGuiSounds& sounds)
    : world_(world), mouse_(mouse), sounds_(sounds) {}

TTutorial::~TTutorial() = default;

void TTutorial::loadTutorial() {
  panel = platform::LoadImage(assets::TUTORIAL_PANEL);
  arrow = platform::LoadImage(assets::TUTORIAL_ARROW);
  if (arrow) platform::MidHandleImage(arrow);
  okButton = std::make_shared<TButton>();
  okButton->_id = "button";
  okButton->_typ = SIMPLE_BUTTON;
  okButton->_image = platform::LoadImage(assets::TUTORIAL_OK, platform::ImageFlags::Masked |
                                                                  platform::ImageFlags::Filtered |
                                                                  platform::ImageFlags::Mipmapped);
  if (okButton->_image) platform::MidHandleImage(okButton->_image);
  okButton->dim = createDim(0, 0, float(platform::ImageWidth(okButton->_image)),
                            float(platform::ImageHeight(okButton->_image)));
  okButton->setState(1, 1);
  okButton->countDims();
  font = TBMFont::Create(assets::FONT_DIR, assets::FONT_TUTORIAL);
  TRCMFile file(assets::DATA_TUTORIAL);
  loadHints(file);
}

void TTutorial::loadHints(TRCMFile& file) {
  const int count = fileInt(file, "tutorial::hints");
  for (int i = 1; i <= count; ++i) tutorialHints.push_back(readHint(file, i));
}

std::shared_ptr<TTutorialHint> TTutorial::readHint(TRCMFile& file, int i) {
  auto hint = std::make_shared<TTutorialHint>(*this);
  hint->id = fileInt(file, hintKey(i, "id"));
  const std::string gfx = file.getString(hintKey(i, "gfx"));
  if (!gfx.empty()) hint->gfx = platform::LoadImage(gfx);
  hint->dim = createDim(float(fileInt(file, hintKey(i, "position"), 0)),
                        float(fileInt(file, hintKey(i, "position"), 1)));
  const int lines = fileInt(file, hintKey(i, "txts"));
  for (int j = 1; j <= lines; ++j)
    hint->teksty.push_back(file.getString(hintKey(i, "txt" + std::to_string(j))));
  const int conditions = fileInt(file, hintKey(i, "conditions"));
  for (int j = 1; j <= conditions; ++j) {
    const std::string key = hintKey(i, "cond" + std::to_string(j));
    hint->warunki.push_back({fileWord(file, key, 0), fileWord(file, key, 1)});
  }
  const int actions = fileInt(file, hintKey(i, "actions"));
  for (int j = 1; j <= actions; ++j) {
    const std::string key = hintKey(i, "action" + std::to_string(j));
    auto up = [&](int index) { return fileWord(file, key, index); };
    hint->akcje.push_back({up(0), up(1), up(2), up(3), up(4), up(5)});
  }
  const int arrows = fileInt(file, hintKey(i, "arrows"));
  for (int j = 1; j <= arrows; ++j) {
    const std::string key = hintKey(i, "arrow" + std::to_string(j));
    TArrow made;
    made.x = file.getFloat(key, 0);
    made.y = file.getFloat(key, 1);
    made.r = fileInt(file, key, 2);
    hint->strzalki.push_back(made);
  }
  hint->killer = platform::Upper(file.getString(hintKey(i, "killer")));
  return hint;
}

// The player's flags are the record: each frame the hints take them from the profile.
void TTutorial::readFlags() {
  const std::vector<int>* flags = world_.hintFlags();
  if (!flags) return;
  for (const auto& hint : tutorialHints) {
    if (hint->id < 1) continue;
    const size_t index = size_t(hint->id - 1);
    hint->wykonany = index < flags->size() && (*flags)[index] != 0 ? 1 : 0;
  }
}

void TTutorial::markDone(TTutorialHint& hint) {
  hint.wykonany = 1;
  if (activeHint == &hint) activeHint = nullptr;
  std::vector<int>* flags = world_.hintFlags();
  if (!flags || hint.id < 1) return;
  if (flags->size() < size_t(hint.id)) flags->resize(size_t(hint.id), 0);
  (*flags)[size_t(hint.id - 1)] = 1;
}

void TTutorial::updateTutorialHints(TutorialScreen screen) {
  // Hints are a player's: a level played without one (a level file opened directly) has none.
  if (!world_.hintFlags()) {
    activeHint = nullptr;
    return;
  }
  readFlags();
  if (world_.fade(screen) != 0) return;
  if (activeHint) {
    activeHint->update();
    return;
  }
  for (const auto& hint : tutorialHints) hint->check(screen);
}

void TTutorial::drawTutorialHint() const {
  if (activeHint) activeHint->draw();
}

void TTutorial::resetTutorialHints() {
  for (const auto& hint : tutorialHints) hint->wykonany = 0;
  if (std::vector<int>* flags = world_.hintFlags()) flags->clear();
}

TTutorialHint* TTutorial::getHintById(int id) const {
  for (const auto& hint : tutorialHints)
    if (hint->id == id) return hint.get();
  return nullptr;
}

bool TTutorial::hintShown() const { return activeHint && activeHint->a != 0; }

// The buttons wait for the first hint only on the visit where it is due: a player past its
// level (a profile older than the hints) would wait forever. And a hint holds them only while
// it can be seen: one waiting unseen for a match on the board, carried over from a level left
// early, must not lock the player in here.
bool TTutorial::treeGuiAllowed() const {
  const TTutorialHint* first = tutorialHints.empty() ? nullptr : tutorialHints.front().get();
  const bool firstDue = first && !first->wykonany && first->belongsTo(TutorialScreen::Tree);
  return !firstDue && (!hintShown() || activeHint->id == 5);
}

void TTutorial::closeHint() {
  if (activeHint) activeHint->kill();
}

int TTutorial::panelWidth() const { return panel ? platform::ImageWidth(panel) : 0; }

int TTutorial::panelHeight() const { return panel ? platform::ImageHeight(panel) : 0; }
