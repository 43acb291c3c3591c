#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/TGuiObject.h"
#include "platform/platform.h"

class TGui;

// One drawn run of text: a line, or a word of a justified line.
struct TextPiece {
  std::string text;
  float x, y;
};

// Text alignments (_align).
enum TextAlign { ALIGN_RIGHT = 0, ALIGN_LEFT = 1, ALIGN_CENTER = 2, ALIGN_JUSTIFY = 3 };

// A caption wrapped into a box of width dim.w and aligned in it; dim.h is the laid-out
// height.
class TText : public TGuiObject {
 public:
  static constexpr float NO_WRAP = 10000000.0f;

  int _align = ALIGN_LEFT;
  std::string _txt;
  float _adh = 0;  // extra space between lines
  float _adW = 0;
  platform::ImageFont _font;
  int _shadow = 0;
  std::shared_ptr<TRGB> shRGB = std::make_shared<TRGB>();

  TText() { _class = GUI_TEXT; }

  // The TEXT builder: POSITION "x y [width]", TXT, FONT, RGB, SHADOW, ALIGN, VISIBLE, ACTIVE.
  static std::shared_ptr<TText> createFromList(const std::string& name, const GuiEntries& entries,
                                               TGui* gui);
  void setAlign(const std::string& name);
  // The laid-out height, without drawing.
  float countH();
  void draw(float x, float y) override;
  static std::string odczytajTekst(const std::string& reference);

  // Lays text out in the current font in a box of the given width at (x, y) and returns its
  // height; the drawn runs go to pieces when given. Other controls use it for paragraphs.
  static float layoutText(const std::string& text, float x, float y, float boxWidth, int align,
                          float lineSpace, std::vector<TextPiece>* pieces);
  static float drawTextBox(const std::string& text, float x, float y, float boxWidth, int align,
                           float lineSpace);
};
