// The buttons of the in-game menu and of the lose screen, in the game's pill look with a
// pressed state that sinks. Their panels come from the shared window theme.
#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

using assetgen::gui::PillColor;
using assetgen::gui::savePillSheet;

constexpr int kCellW = 210, kCellH = 54;

void makeInGameMenuButtons(assetgen::Output& out) {
  savePillSheet(out, "gfx/gui/inGameMenu/resume.png", kCellW, kCellH, PillColor::Red, 4, "RESUME");
  savePillSheet(out, "gfx/gui/inGameMenu/restart.png", kCellW, kCellH, PillColor::Blue, 4,
                "RESTART");
  savePillSheet(out, "gfx/gui/inGameMenu/options.png", kCellW, kCellH, PillColor::Blue, 4,
                "OPTIONS");
  savePillSheet(out, "gfx/gui/inGameMenu/mainmenu.png", kCellW, kCellH, PillColor::Blue, 4,
                "MAIN MENU");
}
ASSETGEN_REGISTER("in-game menu buttons", makeInGameMenuButtons);

void makeLoseScreenButtons(assetgen::Output& out) {
  savePillSheet(out, "gfx/gui/loseScreen/restart.png", kCellW, kCellH, PillColor::Red, 4,
                "RESTART");
  savePillSheet(out, "gfx/gui/loseScreen/mainmenu.png", kCellW, kCellH, PillColor::Blue, 4,
                "MAIN MENU");
}
ASSETGEN_REGISTER("lose screen buttons", makeLoseScreenButtons);

}  // namespace
