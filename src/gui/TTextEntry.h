#pragma once
#include <memory>
#include <string>

#include "gui/GuiDeclaration.h"
#include "gui/TGuiObject.h"
#include "platform/platform.h"

class TGui;

// A one-line text input: typed characters, Backspace, Enter as a click, a blinking caret.
class TTextEntry : public TGuiObject {
 public:
  std::string _txt;
  platform::ImageFont _font;
  int _maxZnakow = 10;  // most characters
  float _curWidth = 0, _curHeight = 0;
  int _czas = 0;     // MilliSecs of the next blink
  int _trigger = 0;  // caret shown
  int _interwal = 300;

  TTextEntry() { _class = GUI_TEXTENTRY; }

  // The TEXTENTRY builder: POSITION "x y [width]", WIDTH (most characters), RGB, FONT,
  // VISIBLE, ACTIVE.
  static std::shared_ptr<TTextEntry> createFromList(const std::string& name,
                                                    const GuiEntries& entries, TGui* gui);
  void draw(float x, float y) override;
  const std::string& getTxt() const { return _txt; }
  void setTxt(const std::string& text) { _txt = text; }
  void setInterwal(int ms) { _interwal = ms; }
  // What fits the box: the whole text, or ".." and the longest tail that fits with it.
  std::string shownText() const;

 protected:
  void updateMe(const TMouse& mouse, int x, int y) override;

 private:
  void type(int character);
  void measureCaret();
};
