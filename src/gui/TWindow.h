#pragma once
#include <memory>
#include <string>

#include "gui/GuiDeclaration.h"
#include "gui/TControl.h"

class TGui;

// A framed window drawn from its theme's nine pieces: corners as they are, edges and centre
// stretched to fill POSITION's x, y, w, h. Without a theme it draws nothing.
class TWindow : public TControl {
 public:
  std::string title;
  float skala[4] = {1, 1, 1, 1};  // top/bottom across, left/right down, centre across, down
  float incX = 0, decX = 0, incY = 0, decY = 0;

  TWindow() { _class = GUI_WINDOW; }

  // The WINDOW builder: POSITION "x y w h", THEME, VISIBLE, ACTIVE.
  static std::shared_ptr<TWindow> CreateFromList(const std::string& name, const GuiEntries& entries,
                                                 TGui& gui);
  void obliczSkale();
  void draw(float x, float y) override;
};
