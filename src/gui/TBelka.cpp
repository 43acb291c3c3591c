#include "gui/TBelka.h"

#include "gui/GuiContext.h"
#include "gui/GuiUtil.h"
#include "gui/TGui.h"
#include "gui/TTheme.h"
#include "gui/TThemeList.h"
#include "platform/platform.h"

using namespace platform;

std::shared_ptr<TBelka> TBelka::createFromList(
    const std::string& name, const GuiEntries& entries,
    const std::vector<std::shared_ptr<TSmallObject>>& nested, TGui& gui) {
  auto bar = std::make_shared<TBelka>();
  bar->_id = name;
  bar->menus = nested;
  std::vector<float> pos = guiNumbers(guiEntry(entries, "POSITION"));
  const float width = pos.size() >= 3 ? pos[2] : float(GraphicsWidth());
  pos.resize(2, 0.0f);
  bar->theme = gui._theme ? gui._theme : gui.context().themes().defaultTheme();
  const float height = bar->theme ? float(bar->theme->barHeight) : 0.0f;
  bar->dim = createDim(pos[0], pos[1], width, height);
  bar->dim->update();
  return bar;
}

void TBelka::draw(float x, float y) {
  if (!theme || !dim) return;
  const Image& left = theme->bar[0];
  const Image& middle = theme->bar[1];
  const Image& right = theme->bar[2];
  const float leftW = left ? float(ImageWidth(left)) : 0.0f;
  const float rightW = right ? float(ImageWidth(right)) : 0.0f;
  const float px = x + dim->x, py = y + dim->y;
  SetColor(rgb->r, rgb->g, rgb->b);
  SetAlpha(_alpha);
  SetScale(1, 1);
  DrawImage(left, px, py);
  if (middle && ImageWidth(middle) > 0) {
    SetScale((dim->w - leftW - rightW) / float(ImageWidth(middle)), 1);
    DrawImage(middle, px + leftW, py);
    SetScale(1, 1);
  }
  DrawImage(right, px + dim->w - rightW, py);
}
