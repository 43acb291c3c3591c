#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/TRGB.h"
#include "platform/platform.h"

class TGui;
class TRCMFile;
class TThemeList;

// The pictures of windows, sliders and menu bars, named by a theme file in the group/entry
// format; paths in it are relative to the theme file.
class TTheme {
 public:
  // Window pieces in this order.
  enum Piece { LEFT_UP, UP, RIGHT_UP, RIGHT, RIGHT_DOWN, DOWN, LEFT_DOWN, LEFT, SRODEK };

  std::string id;
  platform::Image oknoImg[9];
  platform::Image suwak[6];
  std::string suwakUrl[2];
  platform::Image _suwakImg[2];
  platform::Image bar[3];
  platform::Image rect[9];
  int barHeight = 0;
  std::shared_ptr<TRGB> backRGB = std::make_shared<TRGB>();
  std::shared_ptr<TRGB> textRGB = std::make_shared<TRGB>();
  std::shared_ptr<TRGB> outLineRGB = std::make_shared<TRGB>();
  std::string remPath;

  static std::shared_ptr<TTheme> loadTheme(const std::string& path);
  // The THEME builder: loads URL, names it, adds it to the GUI's and the shared themes and
  // makes it the GUI's current theme.
  static std::shared_ptr<TTheme> createFromList(const std::string& name, const GuiEntries& entries,
                                                TGui& gui);
  // Loads a theme for every screen: it joins the shared list and becomes the default.
  static std::shared_ptr<TTheme> loadDefault(const std::string& path, const std::string& id,
                                             TThemeList& themes);
  // By id: the GUI's themes first, then the shared list; null when none matches.
  static std::shared_ptr<TTheme> find(const std::string& id, TGui& gui);

  void loadWindowGFX(TRCMFile& file);
  void loadBelkaGFX(TRCMFile& file);
};
