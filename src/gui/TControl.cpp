#include "gui/TControl.h"

void TControl::dodajObiekt(const std::shared_ptr<TGuiObject>& control) {
  if (control) listaObiektow.push_back(control);
}

void TControl::updateMe(int x, int y) { updateObiekty(float(x), float(y)); }

void TControl::draw(float x, float y) { rysujObiekty(x, y); }

void TControl::updateObiekty(float x, float y) {
  if (!dim) return;
  for (const auto& child : listaObiektow) child->update(x + dim->x, y + dim->y);
}

void TControl::rysujObiekty(float x, float y) {
  if (!dim) return;
  for (const auto& child : listaObiektow) child->draw(x + dim->x, y + dim->y);
}
