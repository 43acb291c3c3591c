#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/TGuiObject.h"

class TGui;
class TTheme;

// A menu bar declared by BAR. No screen uses one: it keeps its nested declarations and draws
// its theme's bar strip across POSITION "x y [width]", and chooses nothing.
class TBelka : public TGuiSelector {
 public:
  std::vector<std::shared_ptr<TSmallObject>> menus;
  std::shared_ptr<TTheme> theme;

  TBelka() { _class = GUI_BELKA; }

  static std::shared_ptr<TBelka> createFromList(
      const std::string& name, const GuiEntries& entries,
      const std::vector<std::shared_ptr<TSmallObject>>& nested, TGui& gui);
  void draw(float x, float y) override;
};
