// A flying text: usually one character that flies along a quadratic curve, spinning and
// growing in, rests, and is sent back the same way, shrinking and fading, trailing sparks.
// Also home of the plain centred-text drawer used across the screens.
#pragma once

#include <memory>
#include <string>

#include "effects/EffectList.h"
#include "gui/TBMFont.h"
#include "gui/TRGB.h"

class TFlyText;
using TFlyTextList = EffectList<TFlyText>;

class TFlyText {
 public:
  float x = 0, y = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  float mx = 0, my = 0;
  float px1 = 0, py1 = 0, px2 = 0, py2 = 0;
  float per = 0;
  TRGB _rgb;
  std::string state;  // "", "START", "END" or "BACK"
  std::string q;
  int time = 0;
  std::shared_ptr<TBMFont> font;
  TFlyTextList* list = nullptr;

  void start(float x1, float y1, float x2, float y2, float mx, float my, int delay);
  void getBack(int delay);
  void update();
  void draw();

  // Draws text with the font's spacing cleared, centred on x when centred is not 0.
  static void drawMyText(const std::string& text, int x, int y, TBMFont* font, int centred);
  // The right end of the text drawn centred on x.
  static int textEnd(const std::string& text, int x, int y, TBMFont* font, int centred);

 private:
  void _updateStart();
  void _updateBack();
  void _updateMyParticles();
  bool _advance(float speed);
  static void _prepareFont(TBMFont& font, int centred);
};

extern TFlyTextList flyTexts;

std::shared_ptr<TFlyText> addFlyText(const std::string& text, std::shared_ptr<TBMFont> font);
void updateFlyTexts();
void drawFlyTexts();
