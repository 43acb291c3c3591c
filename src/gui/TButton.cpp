#include "gui/TButton.h"

#include <algorithm>
#include <cctype>

#include "core/Ease.h"
#include "core/Globals.h"
#include "gui/GuiCaption.h"
#include "gui/GuiUtil.h"
#include "gui/TMouse.h"
#include "gui/TRGMFont.h"
#include "platform/strings.h"

using namespace platform;

namespace {

// Button pictures: masked, smoothly scaled, mipmapped.
constexpr ImageFlags kButtonFlags =
    ImageFlags::Masked | ImageFlags::Filtered | ImageFlags::Mipmapped;

const char* const kKindNames[] = {"SIMPLE_BUTTON",     "ANIM_BUTTON", "BLEND_BUTTON",
                                  "FSTEP_BUTTON",      "TEXT_BUTTON", "TEXT_SPEC_BUTTON1",
                                  "FSTEP_BLEND_BUTTON"};

bool isTextKind(int kind) { return kind == TEXT_BUTTON || kind == TEXT_SPEC_BUTTON1; }

bool digitsOnly(const std::string& token) {
  return !token.empty() &&
         std::all_of(token.begin(), token.end(), [](unsigned char c) { return std::isdigit(c); });
}

// Schema tokens: blank-separated, a bracketed text being one token without its brackets.
std::vector<std::string> schemaTokens(const std::string& schema) {
  std::vector<std::string> tokens;
  std::string current;
  bool bracket = false;
  auto flush = [&] {
    if (!current.empty()) tokens.push_back(current);
    current.clear();
  };
  for (char c : schema) {
    if (c == '[') {
      flush();
      bracket = true;
    } else if (c == ']') {
      flush();
      bracket = false;
    } else if (!bracket && static_cast<unsigned char>(c) < 33) {
      flush();
    } else {
      current += c;
    }
  }
  flush();
  return tokens;
}

}  // namespace

TButton::TButton() {
  _class = GUI_BUTTON;
  std::fill(std::begin(_textScale), std::end(_textScale), 1.0f);
  std::fill(std::begin(_dTextScale), std::end(_dTextScale), 1.0f);
}

int TButton::kindFromName(const std::string& name) {
  for (int kind = 0; kind <= FSTEP_BLEND_BUTTON; ++kind) {
    if (SameText(name, kKindNames[kind])) return kind;
  }
  return -1;
}

std::shared_ptr<TButton> TButton::CreateFromList(const std::string& name, const GuiEntries& entries,
                                                 TGui* gui) {
  std::string typName = guiEntry(entries, "TYP");
  if (typName.empty()) typName = "SIMPLE_BUTTON";
  const int kind = kindFromName(typName);
  if (kind < 0) {
    guiError("Unknown button type : '" + typName + "' !");
    return nullptr;
  }
  auto b = std::make_shared<TButton>();
  b->_id = name;
  b->_typ = kind;
  std::vector<float> pos = guiNumbers(guiEntry(entries, "POSITION"));
  pos.resize(2, 0.0f);
  b->dim = createDim(float(int(pos[0])), float(int(pos[1])));
  const std::string dir = guiEntry(entries, "DIR");
  b->_dir = (dir.empty() || SameText(dir, "H")) ? 0 : 1;
  b->_gfx = guiEntry(entries, "GFX");
  b->_txt = guiCaption(guiEntry(entries, "TXT"));
  b->outLine = createRGB(255, 255, 255);
  for (const auto& e : entries) {
    const std::string key = Upper(e._typ);
    if (key == "FONT") {
      auto font = TRGMFont::getByID(e._value, gui);
      if (!font) guiError("Nie znaleziono czcionki : " + e._value);
      b->_font = font ? font->_font : nullptr;
    } else if (key == "RGB") {
      b->rgb = guiRGB(e._value);
    } else if (key == "OUTLINE") {
      b->outLine = SameText(e._value, "NONE") ? nullptr : guiRGB(e._value);
    } else if (key == "VISIBLE") {
      b->_v = guiTrue(e._value) ? 1 : 0;
    } else if (key == "ACTIVE") {
      b->_a = guiTrue(e._value) ? 1 : 0;
    }
  }
  switch (kind) {
    case SIMPLE_BUTTON:
      b->_image = LoadImage(b->_gfx, kButtonFlags);
      if (b->_image) MidHandleImage(b->_image);
      break;
    case ANIM_BUTTON: {
      const std::string schema = guiEntry(entries, "SCHEMAT");
      if (schema.empty()) {
        guiError("Nieprawidlowy schemat :" + schema);
      } else {
        b->interpretujSchemat(schema, b->_dir);
      }
      break;
    }
    case BLEND_BUTTON:
      b->loadCells(2);
      break;
    case FSTEP_BUTTON:
    case FSTEP_BLEND_BUTTON:
      b->loadCells(4);
      break;
    default: {
      GuiFontScope scope(b->_font);
      b->_textWidth = float(TextWidth("O"));
      b->_textHeight = float(TextHeight("O"));
    }
  }
  b->CountDims();
  return b;
}

void TButton::loadCells(int count) {
  _image = nullptr;
  const Image sheet = LoadImage(_gfx, kButtonFlags);
  if (!sheet || count < 1) return;
  const int w = ImageWidth(sheet), h = ImageHeight(sheet);
  const int cellW = _dir == 0 ? w / count : w;
  const int cellH = _dir == 0 ? h : h / count;
  // The cells come from the picture just loaded: the cache decodes the file once.
  _image = LoadAnimImage(_gfx, cellW, cellH, 0, count, kButtonFlags);
  if (_image) MidHandleImage(_image);
}

void TButton::interpretujSchemat(const std::string& schema, int dir) {
  _dir = dir;
  _animData = TAnimData();
  int current = -1;
  bool hasNormal = false;
  for (const std::string& token : schemaTokens(schema)) {
    if (digitsOnly(token)) {
      if (current >= 0) _animData.addFrame(current, std::atoi(token.c_str()));
      continue;
    }
    std::string name = token;
    int time = -1;
    const size_t open = token.find('('), close = token.find(')', open);
    if (open != std::string::npos && close != std::string::npos) {
      time = std::atoi(token.substr(open + 1, close - open - 1).c_str());
      name = token.substr(0, open) + token.substr(close + 1);
    }
    name = Upper(Trim(name));
    const bool known = _animData.find(name) >= 0 || _animData.anims < TAnimData::MAX_ANIMS;
    current = _animData.dodajNazwe(name);
    if (!known) continue;  // past the limit: the name maps to animation 0, nothing else changes
    if (time >= 0) _animData.frameDelta[current] = time;
    if (name == "ACTIVE") _activeFlag = 1, _animActive = current;
    if (name == "OVER") _overFlag = 1, _animOver = current;
    if (name == "UNACTIVE") _unactiveFlag = 1, _animUnActive = current;
    if (name == "NORMAL") hasNormal = true, _animNormal = current;
  }
  frames = _animData.liczbaKlatek();
  loadCells(frames);
  if (!hasNormal) {
    guiError("Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:" + schema);
    return;
  }
  playAnim("NORMAL");
}

void TButton::playAnim(const std::string& name) {
  aktAnim = _animData.getAnimByName(name);
  aktFrame = 0;
  _wykonano = 0;
  _animData.animTime = MilliSecs() + _animData.frameDelta[aktAnim];
}

void TButton::setDeltaTime(int ms, int index) {
  if (index >= 0 && index < TAnimData::MAX_ANIMS) _animData.frameDelta[index] = ms;
}

void TButton::animUpdate() {
  const int now = MilliSecs();
  if (now < _animData.animTime) return;
  _animData.animTime = now + _animData.frameDelta[aktAnim];
  if (++aktFrame > _animData.maxFrames[aktAnim] - 1) {
    aktFrame = 0;
    _wykonano = 1;
  }
}

void TButton::sprawdzAnimacje() {
  const std::string& current = _animData.animName[aktAnim];
  if (current == "UNACTIVE") {
    if (_wykonano) playAnim(_a ? "NORMAL" : "UNACTIVE");
    return;
  }
  if (current == "ACTIVE") {
    if (_wykonano) {
      if (!_over) {
        playAnim("NORMAL");
      } else if (_overFlag) {
        playAnim("OVER");
      }
    }
  } else if (current == "OVER") {
    if (!_over) {
      playAnim("NORMAL");
    } else if (_clicked && _activeFlag) {
      playAnim("ACTIVE");
    }
  } else if (current == "NORMAL") {
    if (_clicked && _activeFlag) playAnim("ACTIVE");
    if (_over && _overFlag) playAnim("OVER");
  } else if (_wykonano) {
    playAnim("NORMAL");
  }
  if (!_a && _unactiveFlag) playAnim("UNACTIVE");
}

bool TButton::pressedLook() const {
  // Held from the press on: the hold is recognised only after 100 ms, and the cell must not
  // fall back to "over" in between.
  return _over && (_clicked || _holded || _mouseDown);
}

int TButton::stateCell() const {
  if (!_a) return 3;
  if (pressedLook()) return 2;
  return _over ? 1 : 0;
}

void TButton::updateMe(const TMouse&, int, int) {
  switch (_typ) {
    case SIMPLE_BUTTON:
    case TEXT_BUTTON:
      _dButtonScale = _over ? 1.1f : 1.0f;
      if (_clicked) _buttonScale = 1.0f;
      if (_typ == TEXT_BUTTON && _over && (_holded || _mouseDown)) {
        _buttonScale = 1.0f;
      }
      break;
    case ANIM_BUTTON:
      sprawdzAnimacje();
      animUpdate();
      break;
    case BLEND_BUTTON:
      _dButtonAlpha = _over ? 1.0f : 0.0f;
      _buttonAlpha = easeToward(_buttonAlpha, _dButtonAlpha, wzr * delta);
      break;
    case TEXT_SPEC_BUTTON1:
      updateWave();
      break;
    case FSTEP_BLEND_BUTTON: {
      int target = 3;
      if (_over && pressedLook()) {
        target = 2;
      } else if (_over) {
        target = 1;
      } else if (_a) {
        target = 0;
      }
      if (float(target) != _new4StepB) {
        _old4StepB = _new4StepB;
        _newAlpha = 0;
        _new4StepB = float(target);
      }
      _newAlpha = std::min(_newAlpha + 0.05f * delta, 1.0f);
      break;
    }
    default:
      break;
  }
  updateScaleAndAlpha();
}

std::vector<std::string> TButton::letters(const std::string& text) {
  std::vector<std::string> result;
  for (int codepoint : DecodeUtf8(text)) result.push_back(EncodeUtf8(codepoint));
  if (result.size() > size_t(MAX_LETTERS)) result.resize(MAX_LETTERS);
  return result;
}

void TButton::updateWave() {
  std::fill(std::begin(_textScale), std::end(_textScale), 1.0f);
  if (!_over) {
    _chrN = 0;
    return;
  }
  const std::vector<std::string> text = letters(_txt);
  const int length = int(text.size());
  if (length == 0) return;
  _chrN += 0.08f * delta;
  if (int(_chrN) >= length) _chrN = 0;
  if (text[int(_chrN)] == " ") _chrN += 1;
  if (int(_chrN) >= length) _chrN = 0;
  const int index = int(_chrN);
  const float d = _chrN - float(index);
  if (d < 0.5f) {
    _textScale[index] = 1.0f + d * _bigText;
  } else if (d == 0.5f) {
    _textScale[index] = 1.5f + 0.5f * _bigText;
  } else {
    _textScale[index] = 1.5f - (d - 0.5f) * _bigText;
  }
}

void TButton::updateScaleAndAlpha() {
  _buttonScale = easeToward(_buttonScale, _dButtonScale, 0.05f * delta);
  _buttonAlpha = easeToward(_buttonAlpha, _dButtonAlpha, 0.05f * delta);
}

void TButton::draw(float x, float y) {
  if (!dim) return;
  SetColor(rgb->r, rgb->g, rgb->b);
  if (isTextKind(_typ)) {
    drawCaption(x, y);
  } else {
    drawImageKind(x + dim->x, y + dim->y);
  }
}

void TButton::drawImageKind(float px, float py) {
  if (!_image) return;
  SetAlpha(_alpha);
  switch (_typ) {
    case SIMPLE_BUTTON:
      SetScale(_scale * _buttonScale, _scale * _buttonScale);
      DrawImage(_image, px, py);
      return;
    case ANIM_BUTTON: {
      SetScale(_scale, _scale);
      const int number = _animData.frameN[aktAnim][aktFrame];
      DrawImage(_image, px, py, std::max(number - 1, 0));
      return;
    }
    case BLEND_BUTTON:
      SetScale(_scale, _scale);
      DrawImage(_image, px, py, 0);
      SetAlpha(_alpha * _buttonAlpha);
      DrawImage(_image, px, py, 1);
      return;
    case FSTEP_BUTTON:
      SetScale(_scale, _scale);
      DrawImage(_image, px, py, stateCell());
      return;
    case FSTEP_BLEND_BUTTON:
      SetScale(_scale, _scale);
      DrawImage(_image, px, py, int(_old4StepB));
      SetAlpha(_alpha * _newAlpha);
      DrawImage(_image, px, py, int(_new4StepB));
      return;
    default:
      return;
  }
}

void TButton::drawCaption(float x, float y) {
  GuiFontScope scope(_font);
  SetAlpha(_alpha);
  const float s = _scale * _buttonScale;
  SetScale(s, s);
  if (_typ == TEXT_SPEC_BUTTON1) {
    drawMyTextSpec(_txt, x + dim->x, y + dim->y);
    return;
  }
  const float px = float(int(x + dim->x - TextWidth(_txt) / 2.0f * s));
  const float py = float(int(y + dim->y - TextHeight(_txt) / 2.0f * s));
  if (outLine) {
    SetColor(outLine->r, outLine->g, outLine->b);
    for (int dx = -1; dx <= 1; dx += 2) {
      for (int dy = -1; dy <= 1; dy += 2) DrawText(_txt, px + dx, py + dy);
    }
    SetColor(rgb->r, rgb->g, rgb->b);
  }
  DrawText(_txt, px, py);
}

void TButton::drawMyTextSpec(const std::string& caption, float x, float y) {
  // Each letter scales about its own centre; the pen advances by the unscaled width + 3.
  const std::vector<std::string> text = letters(caption);
  float width = 0;
  for (const auto& letter : text) width += float(TextWidth(letter)) + 3.0f;
  float pen = x - width / 2.0f;
  const float middle = y - _textHeight / 2.0f;
  for (size_t i = 0; i < text.size(); ++i) {
    const float w = float(TextWidth(text[i]));
    const float s = _scale * _buttonScale * _textScale[i];
    SetScale(s, s);
    DrawText(text[i], float(int(pen + w / 2.0f - w * s / 2.0f)),
             float(int(middle - _textHeight * s / 2.0f)));
    pen += w + 3.0f;
  }
}

void TButton::CountDims() {
  if (!dim) return;
  float w = 0, h = 0;
  if (_typ == TEXT_SPEC_BUTTON1) {
    GuiFontScope scope(_font);
    for (const auto& letter : letters(_txt)) w += float(TextWidth(letter)) + 3.0f;
    dim->w = w;
    dim->h = _textHeight;
    dim->x1 = dim->x - w / 2.0f;
    dim->x2 = dim->x + w / 2.0f;
    dim->y1 = dim->y - _textHeight;
    dim->y2 = dim->y;
    return;
  }
  if (_typ == TEXT_BUTTON) {
    GuiFontScope scope(_font);
    w = float(TextWidth(_txt));
    h = float(TextHeight(_txt));
  } else if (_image) {
    w = float(ImageWidth(_image));
    h = float(ImageHeight(_image));
  }
  dim->w = w;
  dim->h = h;
  dim->x1 = dim->x - w / 2.0f;
  dim->x2 = dim->x + w / 2.0f;
  dim->y1 = dim->y - h / 2.0f;
  dim->y2 = dim->y + h / 2.0f;
}
