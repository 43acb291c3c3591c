// Sizes of the tree screen's pictures and where the screen puts them. The screen places the
// panel's contents by fixed numbers (the star count centred on x 86, the product slots centred
// on x 52 from y 125 down, the bin at (750, 560), the play button centred on x 730), so the
// pictures are cut to fit those numbers; the layout file and the tab positions in
// data/kategorie.dat repeat the ones chosen here.
#pragma once

namespace assetgen::treescreen {

constexpr int kScreenW = 800, kScreenH = 600;

// The shop panel: main part at (0, 0), the decorative edge right of it, the eye part below.
constexpr int kPanelW = 172, kPanelH = 510;
constexpr int kEdgeW = 18;
constexpr int kEyeW = 100, kEyeH = 70;

// One product slot; six of them centred on x 52, y 125 + i * kSlotH.
constexpr int kSlotW = 84, kSlotH = 60;

// Tabs: a column on the right of the panel; the chosen one is a little larger, drawn at its
// position moved up and left by kTabGrow / 2.
constexpr int kTabW = 60, kTabH = 60, kTabGrow = 6;
constexpr int kTabX = 104, kTabY0 = 100, kTabStep = 66;

// The play button's backing in the bottom right corner, the bin over which it lies.
constexpr int kBackingW = 140, kBackingH = 100;
constexpr int kBinSize = 76;

// The sun's disc and its two ray crowns, all centred on (370, 70).
constexpr int kSunDisc = 110, kSunRays = 220;

// The "no" marks.
constexpr int kSignSize = 40;

// The chimney top of the house on the left, where the smoke starts.
constexpr int kChimneyX = 256, kChimneyY = 204;

}  // namespace assetgen::treescreen
