// The game's button look, for every screen's buttons: glossy pills, red for the main action
// and blue for the others, a gold rim under the pointer, a pressed state that sinks, and a
// greyed inactive state. Sheets hold their cells side by side in the order the GUI expects.
#pragma once

#include <string>

#include "core/Canvas.h"
#include "core/Registry.h"

namespace assetgen::gui {

enum class PillColor { Red, Blue };
enum class PillState { Normal, Over, Pressed, Inactive };

// One pill filling a w x h cell whose top-left corner is at (x, y); the caption is optional.
void drawPill(Canvas& canvas, double x, double y, double w, double h, PillColor color,
              PillState state, const std::string& caption = "");

// A sheet of `cells` cells (1: normal; 2: normal, over; 4: normal, over, pressed, inactive).
void savePillSheet(Output& out, const std::string& path, int cellW, int cellH, PillColor color,
                   int cells, const std::string& caption = "");

}  // namespace assetgen::gui
