#pragma once
#include <memory>
#include <vector>

#include "gui/TGuiObject.h"

class TTheme;

// A control that carries children, updated and drawn at its own position.
class TControl : public TGuiObject {
 public:
  std::vector<std::shared_ptr<TGuiObject>> listaObiektow;
  std::shared_ptr<TTheme> theme;

  TControl() { _class = GUI_CONTROL; }

  void dodajObiekt(const std::shared_ptr<TGuiObject>& control);
  void draw(float x, float y) override;
  void updateObiekty(const TMouse& mouse, float x, float y);
  // Hidden children are drawn too: they decide for themselves.
  void rysujObiekty(float x, float y);

 protected:
  void updateMe(const TMouse& mouse, int x, int y) override;
};
