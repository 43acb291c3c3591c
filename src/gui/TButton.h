#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/TAnimData.h"
#include "gui/TGuiObject.h"
#include "platform/platform.h"

class TGui;

// Button kinds (_typ).
enum ButtonKind {
  SIMPLE_BUTTON = 0,
  ANIM_BUTTON = 1,
  BLEND_BUTTON = 2,
  FSTEP_BUTTON = 3,
  TEXT_BUTTON = 4,
  TEXT_SPEC_BUTTON1 = 5,
  FSTEP_BLEND_BUTTON = 6,
};

// A clickable control centred on its POSITION: a picture, a sheet of state cells, an
// animation, or a caption.
class TButton : public TGuiObject {
 public:
  static constexpr int MAX_LETTERS = 200;

  platform::Image _image;
  platform::ImageFont _font;
  int _typ = SIMPLE_BUTTON;
  int _dir = 0;  // 0: cells side by side, 1: one under the other
  std::shared_ptr<TRGB> outLine;
  TAnimData _animData;
  int frames = 0;
  int aktAnim = 0, aktFrame = 0;
  int _activeFlag = 0, _overFlag = 0, _unactiveFlag = 0;
  int _animNormal = 0, _animActive = 0, _animOver = 0, _animUnActive = 0;
  float _buttonAlpha = 1.0f, _dButtonAlpha = 1.0f;
  float _buttonScale = 1.0f, _dButtonScale = 1.0f;
  std::string _txt;
  float _textScale[MAX_LETTERS];
  float _chrN = 0;
  float _dTextScale[MAX_LETTERS];
  int _wykonano = 0;
  float _textWidth = 0, _textHeight = 0;  // of the letter "O"
  float _bigText = 2.0f;
  float _old4StepB = 0, _new4StepB = 0;
  float _oldAlpha = 1.0f, _newAlpha = 1.0f;
  std::string _gfx;  // the picture's path, for cutting the sheet

  TButton();

  // The BUTTON builder; null, after an error, for an unknown TYP.
  static std::shared_ptr<TButton> CreateFromList(const std::string& name, const GuiEntries& entries,
                                                 TGui* gui);
  static int kindFromName(const std::string& name);  // -1 when unknown

  void interpretujSchemat(const std::string& schema, int dir);
  void updateScaleAndAlpha();
  void sprawdzAnimacje();
  void animUpdate();
  void playAnim(const std::string& name);
  void draw(float x, float y) override;
  void drawMyTextSpec(const std::string& text, float x, float y);
  void CountDims();
  void countDims2() override { CountDims(); }
  void countDims() override { CountDims(); }
  void setDeltaTime(int ms, int index);
  // The cell an FSTEP_BUTTON shows now: 0 normal, 1 over, 2 pressed, 3 inactive.
  int stateCell() const;

 protected:
  void updateMe(const TMouse& mouse, int x, int y) override;

 private:
  void loadCells(int count);
  void updateWave();
  void drawImageKind(float x, float y);
  void drawCaption(float x, float y);
  bool pressedLook() const;
  static std::vector<std::string> letters(const std::string& text);
};
