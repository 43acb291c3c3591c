// The game's name as the menu, the loading screen and the intro show it: the festive display
// face in gold with a dark red outline, a warm glow and twinkles on the upper letter edges;
// and the quiet "Loading…" caption in the rounded sans.
#pragma once

#include <memory>

#include "core/Canvas.h"

namespace assetgen::gui {

inline constexpr const char* kGameName = "Glimmerfir";

// The title with its ink `inkHeight` pixels tall (from the top of the tallest letter to the
// bottom of the lowest) and, its letters spread a little, at least `inkWidth` wide; on a
// transparent canvas just large enough for its glow and shadow.
std::unique_ptr<Canvas> renderTitle(double inkHeight, double inkWidth);

std::unique_ptr<Canvas> renderLoadingCaption();

// Draws `picture` onto `onto` centred on (x, y).
void paintCentred(Canvas& onto, const Canvas& picture, double x, double y, double alpha = 1.0);

}  // namespace assetgen::gui
