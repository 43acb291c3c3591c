#include "gui/TText.h"

#include <utility>
#include <vector>

#include "gui/GuiCaption.h"
#include "gui/GuiUtil.h"
#include "gui/TRGMFont.h"
#include "platform/strings.h"

using namespace platform;

namespace {

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string current;
  for (char c : line + " ") {
    if (c == ' ') {
      if (!current.empty()) words.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  return words;
}

void placeJustified(std::vector<TextPiece>& out, const std::string& line, float x, float y,
                    float boxWidth) {
  const std::vector<std::string> words = splitWords(line);
  float total = 0;
  for (const auto& word : words) total += float(TextWidth(word));
  const float gap = words.size() > 1 ? (boxWidth - total) / float(words.size() - 1) : 8.0f;
  float before = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    out.push_back({words[i], float(int(x + before + gap * float(i))), float(int(y))});
    before += float(TextWidth(words[i]));
  }
}

void placeLine(std::vector<TextPiece>& out, const std::string& raw, float x, float y,
               float boxWidth, int align, bool last) {
  const std::string line = Trim(raw);
  const float width = float(TextWidth(line));
  float left = x;
  if (align == ALIGN_RIGHT) left = x + boxWidth - width;
  if (align == ALIGN_CENTER) left = x + boxWidth / 2.0f - width / 2.0f;
  if (align == ALIGN_JUSTIFY && !last) {
    placeJustified(out, line, x, y, boxWidth);
    return;
  }
  out.push_back({line, float(int(left)), float(int(y))});
}

}  // namespace

float TText::layoutText(const std::string& text, float x, float y, float boxWidth, int align,
                        float lineSpace, std::vector<TextPiece>* pieces) {
  const float lineHeight = float(TextHeight("A")) + lineSpace;
  int lines = 0;
  std::string line, word;
  bool lineEmpty = true;
  auto endLine = [&](bool last) {
    if (pieces) placeLine(*pieces, line, x, y + lineHeight * float(lines), boxWidth, align, last);
    ++lines;
  };
  // Words end at single blanks; a blank is added so the last word ends too.
  for (char c : text + " ") {
    if (c != ' ') {
      word += c;
      continue;
    }
    std::string candidate = lineEmpty ? word : line;
    if (!lineEmpty) candidate.append(" ").append(word);
    if (lineEmpty || float(TextWidth(candidate)) <= boxWidth) {
      line = std::move(candidate);
    } else {
      endLine(false);
      line = word;
    }
    lineEmpty = false;
    word.clear();
  }
  endLine(true);
  return lineHeight * float(lines);
}

float TText::drawTextBox(const std::string& text, float x, float y, float boxWidth, int align,
                         float lineSpace) {
  std::vector<TextPiece> pieces;
  const float height = layoutText(text, x, y, boxWidth, align, lineSpace, &pieces);
  for (const auto& piece : pieces) DrawText(piece.text, piece.x, piece.y);
  return height;
}

std::shared_ptr<TText> TText::createFromList(const std::string& name, const GuiEntries& entries,
                                             TGui* gui) {
  auto t = std::make_shared<TText>();
  t->_id = name;
  std::vector<float> pos = guiNumbers(guiEntry(entries, "POSITION"));
  const float width = pos.size() >= 3 ? pos[2] : NO_WRAP;
  pos.resize(2, 0.0f);
  t->dim = createDim(float(int(pos[0])), float(int(pos[1])), width, 0);
  for (const auto& e : entries) {
    const std::string key = Upper(e._typ);
    if (key == "TXT") {
      t->_txt = odczytajTekst(e._value);
    } else if (key == "FONT") {
      auto font = TRGMFont::getByID(e._value, gui);
      if (!font) guiError("Nie znaleziono czcionki : " + e._value);
      t->_font = font ? font->_font : nullptr;
    } else if (key == "RGB") {
      t->rgb = guiRGB(e._value);
    } else if (key == "SHADOW") {
      t->_shadow = 1;
      t->shRGB = guiRGB(e._value);
    } else if (key == "ALIGN") {
      t->setAlign(e._value);
    } else if (key == "VISIBLE") {
      t->_v = guiTrue(e._value) ? 1 : 0;
    } else if (key == "ACTIVE") {
      t->_a = guiTrue(e._value) ? 1 : 0;
    }
  }
  t->countH();
  return t;
}

std::string TText::odczytajTekst(const std::string& reference) { return guiCaption(reference); }

void TText::setAlign(const std::string& name) {
  const std::string upper = Upper(name);
  if (upper == "LEFT") _align = ALIGN_LEFT;
  if (upper == "RIGHT") _align = ALIGN_RIGHT;
  if (upper == "CENTER") _align = ALIGN_CENTER;
  if (upper == "JUSTIFY") _align = ALIGN_JUSTIFY;
}

float TText::countH() {
  if (!dim) return 0;
  GuiFontScope scope(_font);
  dim->h = layoutText(_txt, dim->x, dim->y, dim->w, _align, _adh, nullptr);
  dim->update();
  return dim->h;
}

void TText::draw(float x, float y) {
  if (!dim) return;
  // A red channel of -1 leaves the colour as the caller set it.
  int r = rgb->r, g = rgb->g, b = rgb->b;
  if (r < 0) GetColor(r, g, b);
  SetColor(r, g, b);
  if (_alpha == 0) return;
  GuiFontScope scope(_font);
  SetAlpha(_alpha);
  SetScale(_scale, _scale);
  const float px = x + dim->x, py = y + dim->y;
  if (_shadow) {
    SetColor(shRGB->r, shRGB->g, shRGB->b);
    drawTextBox(_txt, px + 1, py + 1, dim->w, _align, _adh);
    SetColor(r, g, b);
  }
  dim->h = drawTextBox(_txt, px, py, dim->w, _align, _adh);
  dim->update();
}
