#pragma once

#include <string>

namespace assetgen {

// Looking at pictures while drawing them: an enlarged copy over the night-sky colour, and a
// mock-up of the main game screen built from the finished asset folder at game size.
class Preview {
 public:
  static bool zoom(const std::string& png, int factor, const std::string& outPng);
  static bool gameScreen(const std::string& assetDir, const std::string& outPng);
  // The tree screen's tree by night and by day side by side, with decorations hung on it,
  // and below both again in grey.
  static bool treeScreen(const std::string& assetDir, const std::string& outPng);
  // The whole tree screen with the shop panel shown, by night and by day, in colour and grey.
  static bool treeScreenMockup(const std::string& assetDir, const std::string& outPng);
  // The main menu, the loading screen, the credits and the intro at game size, composed as
  // the game composes them, written into `outDir` as main_menu.png, loading.png, credits.png
  // and intro.png.
  static bool menuScreens(const std::string& assetDir, const std::string& outDir);
};

}  // namespace assetgen
