#pragma once
#include <memory>
#include <string>

#include "gui/TDim.h"
#include "gui/TRGB.h"

class TMouse;

// Class tags of the controls.
enum GuiClass {
  GUI_BUTTON = 0,
  GUI_TEXTLIST = 1,
  GUI_WINDOW = 2,
  GUI_TEXT = 3,
  GUI_ANIMATION = 6,
  GUI_SUWAK = 7,
  GUI_TEXTENTRY = 8,
  GUI_BELKA = 9,
  GUI_CONTROL = 10,
};

// Base of every control: rectangle, visibility, activity, opacity and scale with their
// targets, and the pointer state of the last update.
class TGuiObject {
 public:
  std::string _id;
  int _v = 1;  // visible
  int _a = 1;  // active
  int _class = 0;
  std::shared_ptr<TDim> dim;
  float _alpha = 1.0f, _dAlpha = 1.0f;
  float _scale = 1.0f, _dScale = 1.0f;
  std::shared_ptr<TRGB> rgb = std::make_shared<TRGB>();
  int _over = 0;
  int _clicked = 0;
  int _holded = 0;
  float wzr = 0.03f;
  int _key = 0;
  int _mouseDown = 0;  // the left button as sampled by the last update

  virtual ~TGuiObject() = default;

  virtual void move(float dx, float dy);
  virtual void setPosition(float x, float y);
  virtual void clear();
  // mouse: the frame's sampler; x, y: the parent's offset, 0 at the top level.
  virtual void update(const TMouse& mouse, float x, float y);
  virtual void updateClass(const TMouse& mouse, int x, int y);
  virtual void updateParams();
  virtual void wygasAlpha() { _dAlpha = 0; }
  virtual void wygasScale() { _dScale = 0; }
  virtual void _drawFrame();
  virtual void draw(float x, float y);
  virtual void setKey(int key) { _key = key; }
  virtual void setRGB(int r, int g, int b);
  virtual void setState(int visible, int active);
  virtual void countDims() {}
  virtual void countDims2() {}

 protected:
  // The control's own per-frame work, after the pointer test.
  virtual void updateMe(const TMouse&, int, int) {}
  bool underPointer(const TMouse& mouse, float x, float y) const;
};

// A control that chooses among named options (menu bar, text list): the GUI reports the
// option's name instead of the control's id.
class TGuiSelector : public TGuiObject {
 public:
  std::string _clickedOp;
  std::string _overOp;
  virtual void _clean() {
    _clickedOp.clear();
    _overOp.clear();
  }
};
