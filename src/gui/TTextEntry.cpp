#include "gui/TTextEntry.h"

#include <vector>

#include "gui/GuiUtil.h"
#include "gui/TRGMFont.h"
#include "platform/strings.h"

using namespace platform;

std::shared_ptr<TTextEntry> TTextEntry::createFromList(const std::string& name,
                                                       const GuiEntries& entries, TGui* gui) {
  auto t = std::make_shared<TTextEntry>();
  t->_id = name;
  t->_maxZnakow = 25;
  std::vector<float> pos = guiNumbers(guiEntry(entries, "POSITION"));
  const float width = pos.size() >= 3 ? pos[2] : 300.0f;
  pos.resize(2, 0.0f);
  t->dim = createDim(float(int(pos[0])), float(int(pos[1])), width, 0);
  for (const auto& e : entries) {
    const std::string key = Upper(e._typ);
    if (key == "WIDTH") {
      t->_maxZnakow = guiInt(e._value);
    } else if (key == "RGB") {
      t->rgb = guiRGB(e._value);
    } else if (key == "FONT") {
      auto font = TRGMFont::getByID(e._value, gui);
      if (!font) guiError("Nie znaleziono czcionki : " + e._value);
      t->_font = font ? font->_font : nullptr;
    } else if (key == "VISIBLE") {
      t->_v = guiTrue(e._value) ? 1 : 0;
    } else if (key == "ACTIVE") {
      t->_a = guiTrue(e._value) ? 1 : 0;
    }
  }
  t->measureCaret();
  return t;
}

void TTextEntry::measureCaret() {
  GuiFontScope scope(_font);
  _curWidth = float(TextWidth("A"));
  _curHeight = float(TextHeight("A"));
  if (!dim) return;
  dim->h = _curHeight;
  dim->update();
}

void TTextEntry::type(int character) {
  if (character == key::BACKSPACE) {
    std::vector<int> letters = DecodeUtf8(_txt);
    if (letters.empty()) return;
    letters.pop_back();
    _txt.clear();
    for (int letter : letters) _txt += EncodeUtf8(letter);
  } else if (character == key::ENTER) {
    _clicked = 1;
  } else if (character >= 32 && character != 127 && int(DecodeUtf8(_txt).size()) < _maxZnakow) {
    // Other control characters (Tab, Escape) are not text.
    _txt += EncodeUtf8(character);
  }
}

void TTextEntry::updateMe(const TMouse&, int, int) {
  // An inactive entry leaves typed characters to whoever reads them.
  if (_a) {
    if (const int character = GetChar()) type(character);
  }
  const int now = MilliSecs();
  if (now > _czas) {
    _czas = now + _interwal;
    _trigger = !_trigger;
  }
}

std::string TTextEntry::shownText() const {
  if (!dim || float(TextWidth(_txt)) < dim->w) return _txt;
  const std::vector<int> letters = DecodeUtf8(_txt);
  auto tail = [&](size_t from) {
    std::string text;
    for (size_t i = from; i < letters.size(); ++i) text += EncodeUtf8(letters[i]);
    return text;
  };
  for (size_t from = 0; from + 1 < letters.size(); ++from) {
    std::string shown = ".." + tail(from);
    if (float(TextWidth(shown)) <= dim->w) return shown;
  }
  return ".." + tail(letters.empty() ? 0 : letters.size() - 1);
}

void TTextEntry::draw(float x, float y) {
  if (!dim) return;
  GuiFontScope scope(_font);
  SetScale(_scale, _scale);
  SetAlpha(_alpha);
  SetColor(rgb->r, rgb->g, rgb->b);
  const std::string shown = shownText();
  const float px = x + dim->x, py = y + dim->y;
  DrawText(shown, px, py);
  if (_trigger && _a) DrawRect(px + float(TextWidth(shown)) + 2.0f, py, _curWidth, _curHeight);
}
