#include "gui/TMouse.h"

#include "platform/strings.h"

void TMouse::update() {
  leftPressed = platform::MouseHit(1);
  rightPressed = platform::MouseHit(2);
  leftDown = platform::MouseDown(1);
  const int now = platform::MilliSecs();
  if (!leftDown) {
    _leftHoldedTime = now;
    leftHolded = 0;
  } else if (_leftHolded) {
    leftHolded = (now - _leftHoldedTime > 100) ? 1 : 0;
  } else {
    _leftHolded = 1;
    _leftHoldedTime = now;
  }
  middleHit = platform::MouseHit(3);
  middleHold = platform::MouseDown(3);
  px = x;
  py = y;
  x = platform::MouseX();
  y = platform::MouseY();
  vx = px - x;
  vy = py - y;
  if (cur) cur->update();
}

void TMouse::draw() {
  if (_v && cur) cur->draw(x, y);
}

int TMouse::inRect(float rx, float ry, float rw, float rh) const {
  return (rx <= x && x <= rx + rw && ry <= y && y <= ry + rh) ? 1 : 0;
}

int TMouse::inDim(const TDim& dim) const { return inRect(dim.x, dim.y, dim.w, dim.h); }

void TMouse::loadCursor(const std::string& id, const platform::Image& image, int hx, int hy) {
  addCursor(id, image, hx, hy, 1, 0);
}

void TMouse::loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames,
                        int frameTime) {
  platform::Image image;
  if (frames < 2) {
    image = platform::LoadImage(path);
  } else if (auto sheet = platform::LoadImage(path)) {
    const int cell = platform::ImageWidth(sheet) / frames;
    image = platform::LoadAnimImage(path, cell, platform::ImageHeight(sheet), 0, frames);
  }
  addCursor(id, image, hx, hy, frames, frameTime);
}

void TMouse::addCursor(const std::string& id, const platform::Image& image, int hx, int hy,
                       int frames, int frameTime) {
  auto cursor = std::make_shared<TCursor>();
  cursor->_id = id;
  cursor->_img = image;
  cursor->_hx = hx;
  cursor->_hy = hy;
  if (frames >= 2) {
    cursor->_maxFrames = frames - 1;
    cursor->_timeDelta = frameTime;
  }
  if (image) platform::SetImageHandle(image, float(hx), float(hy));
  listaKursorow.push_back(cursor);
  cur = cursor;
}

void TMouse::setCursor(const std::string& id) {
  for (auto it = listaKursorow.rbegin(); it != listaKursorow.rend(); ++it) {
    if (platform::SameText((*it)->_id, id)) {
      cur = *it;
      return;
    }
  }
}

void TMouse::clear() {
  platform::FlushMouse();
  leftPressed = 0;
  leftHolded = 0;
  rightPressed = 0;
  rightHolded = 0;
}
