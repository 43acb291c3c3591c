#pragma once

// Where boards sit on the screen: the board centre, the cell pitch (set from tile kind 1 by the
// geometry step), the board scale and the two factors of the editor's size display.
struct TBoardGeometry {
  float centreX = 400.0f;  // GraphicsWidth() / 2 at 800 x 600
  float centreY = 340.0f;  // (GraphicsHeight() + 80) / 2
  float tileWidth = 42.0f;
  float tileHeight = 42.0f;
  float scale = 1.0f;
  float factorW = 64.0f;
  float factorH = 64.0f;

  // The centre for a screen of the given size.
  static TBoardGeometry forScreen(int width, int height);
};
