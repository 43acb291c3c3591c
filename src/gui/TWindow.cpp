#include "gui/TWindow.h"

#include <vector>

#include "gui/GuiContext.h"
#include "gui/GuiUtil.h"
#include "gui/TGui.h"
#include "gui/TTheme.h"
#include "gui/TThemeList.h"
#include "platform/strings.h"

using namespace platform;

std::shared_ptr<TWindow> TWindow::CreateFromList(const std::string& name, const GuiEntries& entries,
                                                 TGui& gui) {
  auto w = std::make_shared<TWindow>();
  w->_id = name;
  std::vector<float> pos = guiNumbers(guiEntry(entries, "POSITION"));
  pos.resize(4, 0.0f);
  w->dim = createDim(pos[0], pos[1], pos[2], pos[3]);
  w->dim->update();
  std::string themeId;
  for (const auto& e : entries) {
    const std::string key = Upper(e._typ);
    if (key == "THEME") themeId = e._value;
    if (key == "VISIBLE") w->_v = guiTrue(e._value) ? 1 : 0;
    if (key == "ACTIVE") w->_a = guiTrue(e._value) ? 1 : 0;
  }
  if (!themeId.empty()) w->theme = TTheme::find(themeId, gui);
  if (!w->theme) w->theme = gui._theme;
  if (!w->theme) w->theme = gui.context().themes().defaultTheme();
  if (!w->theme) guiError("No theme for window object!");
  w->obliczSkale();
  return w;
}

void TWindow::obliczSkale() {
  if (!theme || !dim) return;
  const auto& p = theme->oknoImg;
  auto width = [](const Image& i) { return i ? float(ImageWidth(i)) : 0.0f; };
  auto height = [](const Image& i) { return i ? float(ImageHeight(i)) : 0.0f; };
  auto ratio = [](float span, float size) { return size > 0 ? span / size : 0.0f; };
  const float a = width(p[TTheme::LEFT_UP]) + width(p[TTheme::RIGHT_UP]);
  const float b = height(p[TTheme::LEFT_UP]) + height(p[TTheme::RIGHT_UP]);
  skala[0] = ratio(dim->w - a, width(p[TTheme::UP]));
  skala[1] = ratio(dim->h - b, height(p[TTheme::RIGHT]));
  skala[2] = ratio(dim->w - a, width(p[TTheme::SRODEK]));
  skala[3] = ratio(dim->h - b, height(p[TTheme::SRODEK]));
  // The insets down use the corners' heights, so corners that are not square leave no gap.
  incX = width(p[TTheme::LEFT_UP]);
  incY = height(p[TTheme::LEFT_UP]);
  decX = width(p[TTheme::RIGHT_UP]);
  decY = height(p[TTheme::RIGHT_UP]);
}

void TWindow::draw(float x, float y) {
  if (!theme || !dim) return;
  const auto& p = theme->oknoImg;
  const float left = x + dim->x, top = y + dim->y;
  const float right = left + dim->w, bottom = top + dim->h;
  SetColor(rgb->r, rgb->g, rgb->b);
  SetAlpha(_alpha);
  SetScale(1, 1);
  DrawImage(p[TTheme::LEFT_UP], left, top);
  DrawImage(p[TTheme::RIGHT_UP], right, top);
  DrawImage(p[TTheme::RIGHT_DOWN], right, bottom);
  DrawImage(p[TTheme::LEFT_DOWN], left, bottom);
  SetScale(skala[0], 1);
  DrawImage(p[TTheme::UP], left + incX, top);
  DrawImage(p[TTheme::DOWN], left + incX, bottom);
  SetScale(1, skala[1]);
  DrawImage(p[TTheme::LEFT], left, top + incY);
  DrawImage(p[TTheme::RIGHT], right, top + incY);
  SetScale(skala[2], skala[3]);
  DrawImage(p[TTheme::SRODEK], left + incX, top + incY);
  SetScale(1, 1);
  rysujObiekty(x, y);
}
