#include "gui/TTheme.h"

#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"
#include "gui/GuiContext.h"
#include "gui/GuiUtil.h"
#include "gui/TGui.h"
#include "gui/TThemeList.h"
#include "platform/files.h"
#include "platform/strings.h"

using namespace platform;

namespace {
const char* const kWindowKeys[9] = {"leftUp", "Up",       "rightUp", "right", "rightdown",
                                    "down",   "leftdown", "left",    "srodek"};
const char* const kBarKeys[3] = {"lewo", "srodek", "prawo"};
const char* const kRectKeys[9] = {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"};

Image loadPiece(TRCMFile& file, const std::string& key) {
  const std::string path = file.getString(key, 0);
  return path.empty() ? nullptr : LoadImage(path, ImageFlags::Default);
}

// Right pieces end at the right edge, bottom pieces at the bottom edge.
void handlePieces(Image (&pieces)[9]) {
  for (int i : {TTheme::RIGHT_UP, TTheme::RIGHT}) {
    if (pieces[i]) SetImageHandle(pieces[i], float(ImageWidth(pieces[i])), 0);
  }
  if (const Image& p = pieces[TTheme::RIGHT_DOWN]) {
    SetImageHandle(p, float(ImageWidth(p)), float(ImageHeight(p)));
  }
  for (int i : {TTheme::DOWN, TTheme::LEFT_DOWN}) {
    if (pieces[i]) SetImageHandle(pieces[i], 0, float(ImageHeight(pieces[i])));
  }
}

std::shared_ptr<TRGB> readRGB(TRCMFile& file, const std::string& key) {
  return createRGB(readInt(file, key, 0), readInt(file, key, 1), readInt(file, key, 2));
}
}  // namespace

std::shared_ptr<TTheme> TTheme::loadTheme(const std::string& path) {
  auto theme = std::make_shared<TTheme>();
  theme->remPath = RealPath(CurrentDir());
  const std::string resolved = ResolvePath(path);
  TRCMFile file(resolved);
  const std::string folder = ExtractDir(RealPath(resolved));
  if (!folder.empty()) ChangeDir(folder);
  theme->loadWindowGFX(file);
  theme->loadBelkaGFX(file);
  ChangeDir(theme->remPath);
  return theme;
}

void TTheme::loadWindowGFX(TRCMFile& file) {
  for (int i = 0; i < 9; ++i)
    oknoImg[i] = loadPiece(file, std::string("TEMAT::OKNO::") + kWindowKeys[i]);
  handlePieces(oknoImg);
}

void TTheme::loadBelkaGFX(TRCMFile& file) {
  for (int i = 0; i < 3; ++i) bar[i] = loadPiece(file, std::string("TEMAT::BELKA::") + kBarKeys[i]);
  for (int i = 0; i < 9; ++i)
    rect[i] = loadPiece(file, std::string("TEMAT::BELKA::") + kRectKeys[i]);
  handlePieces(rect);
  barHeight = bar[1] ? ImageHeight(bar[1]) : 0;
  textRGB = readRGB(file, "TEMAT::BELKA::textRGB");
  outLineRGB = readRGB(file, "TEMAT::BELKA::outLineRGB");
  backRGB = readRGB(file, "TEMAT::BELKA::backRGB");
}

std::shared_ptr<TTheme> TTheme::createFromList(const std::string& name, const GuiEntries& entries,
                                               TGui& gui) {
  const std::string url = guiEntry(entries, "URL");
  if (url.empty()) {
    guiError("No path for theme file!");
    return nullptr;
  }
  auto theme = loadTheme(url);
  theme->id = Upper(name);
  gui.context().themes().add(theme);
  gui._themes.push_back(theme);
  gui._theme = theme;
  return theme;
}

std::shared_ptr<TTheme> TTheme::loadDefault(const std::string& path, const std::string& id,
                                            TThemeList& themes) {
  auto theme = loadTheme(path);
  theme->id = Upper(id);
  themes.add(theme);
  themes.setDefault(theme);
  return theme;
}

std::shared_ptr<TTheme> TTheme::find(const std::string& id, TGui& gui) {
  for (const auto& theme : gui._themes) {
    if (SameText(theme->id, id)) return theme;
  }
  return gui.context().themes().find(id);
}
