// The main game's menu button: a blue pill that sits on the right end of the top bar, in the
// four cells of a stepped button (normal, under the pointer, pressed, inactive).
#include "core/Registry.h"
#include "gui/ButtonArt.h"

namespace {

// The bar's body is 44 pixels high; the game centres the button 28 pixels below the bar's top.
constexpr int kCellW = 96, kCellH = 40;

void makeMenuButton(assetgen::Output& out) {
  assetgen::gui::savePillSheet(out, "gfx/gui/mainGame/menu.png", kCellW, kCellH,
                               assetgen::gui::PillColor::Blue, 4, "MENU");
}
ASSETGEN_REGISTER("main game menu button", makeMenuButton);

}  // namespace
