#include "gui/TControl.h"

void TControl::dodajObiekt(const std::shared_ptr<TGuiObject>& control) {
  if (control) listaObiektow.push_back(control);
}

void TControl::updateMe(const TMouse& mouse, int x, int y) {
  updateObiekty(mouse, float(x), float(y));
}

void TControl::draw(float x, float y) { rysujObiekty(x, y); }

void TControl::updateObiekty(const TMouse& mouse, float x, float y) {
  if (!dim) return;
  for (const auto& child : listaObiektow) child->update(mouse, x + dim->x, y + dim->y);
}

void TControl::rysujObiekty(float x, float y) {
  if (!dim) return;
  for (const auto& child : listaObiektow) child->draw(x + dim->x, y + dim->y);
}
