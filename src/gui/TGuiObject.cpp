#include "gui/TGuiObject.h"

#include "core/Ease.h"
#include "core/Globals.h"
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

bool TGuiObject::underPointer(const TMouse& mouse, float x, float y) const {
  if (!dim) return false;
  return dim->x1 + x <= mouse.x && mouse.x <= dim->x2 + x && dim->y1 + y <= mouse.y &&
         mouse.y <= dim->y2 + y;
}

void TGuiObject::update(const TMouse& mouse, float x, float y) {
  _mouseDown = mouse.leftDown;
  if (_v && _a && underPointer(mouse, x, y)) {
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
  updateClass(mouse, int(x), int(y));
  updateParams();
}

void TGuiObject::updateClass(const TMouse& mouse, int x, int y) { updateMe(mouse, x, y); }

void TGuiObject::updateParams() {
  _scale = easeToward(_scale, _dScale, wzr * delta);
  _alpha = easeToward(_alpha, _dAlpha, wzr * delta);
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
