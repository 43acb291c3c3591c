#include "gui/TGuiObject.h"

#include "app/Globals.h"
#include "gui/GuiUtil.h"
#include "gui/TMouse.h"
#include "platform/platform.h"

void TGuiObject::move(float dx, float dy) {
  if (!dim) return;
  dim->x += dx;
  dim->x1 += dx;
  dim->x2 += dx;
  dim->y += dy;
  dim->y1 += dy;
  dim->y2 += dy;
}

void TGuiObject::setPosition(float x, float y) {
  if (!dim) return;
  move(float(int(x - dim->x)), float(int(y - dim->y)));
}

void TGuiObject::clear() {
  _v = 1;
  _a = 1;
  _over = 0;
  _clicked = 0;
}

bool TGuiObject::underPointer(float x, float y) const {
  if (!dim) return false;
  const TMouse& mouse = TMouse::current();
  return dim->x1 + x <= mouse.x && mouse.x <= dim->x2 + x && dim->y1 + y <= mouse.y &&
         mouse.y <= dim->y2 + y;
}

void TGuiObject::update(float x, float y) {
  if (_v && _a && underPointer(x, y)) {
    const TMouse& mouse = TMouse::current();
    _over = 1;
    _clicked = mouse.leftPressed ? 1 : 0;
    _holded = mouse.leftHolded ? 1 : 0;
  } else {
    _over = 0;
    _clicked = 0;
  }
  if (_a && _key && platform::KeyHit(_key)) {
    _clicked = 1;
    _over = 1;
  }
  updateClass(int(x), int(y));
  updateParams();
}

void TGuiObject::updateClass(int x, int y) { updateMe(x, y); }

void TGuiObject::updateParams() {
  _scale = guiEase(_scale, _dScale, wzr * delta);
  _alpha = guiEase(_alpha, _dAlpha, wzr * delta);
}

void TGuiObject::_drawFrame() {
  if (!dim) return;
  platform::SetColor(255, 0, 0);
  platform::SetAlpha(1);
  platform::SetScale(1, 1);
  platform::DrawLine(dim->x1, dim->y1, dim->x2, dim->y1);
  platform::DrawLine(dim->x2, dim->y1, dim->x2, dim->y2);
  platform::DrawLine(dim->x2, dim->y2, dim->x1, dim->y2);
  platform::DrawLine(dim->x1, dim->y2, dim->x1, dim->y1);
  platform::SetColor(255, 255, 255);
}

void TGuiObject::draw(float, float) {}

void TGuiObject::setRGB(int r, int g, int b) {
  rgb->r = r;
  rgb->g = g;
  rgb->b = b;
}

void TGuiObject::setState(int visible, int active) {
  _v = visible;
  _a = active;
}
