#include "screens/TEnterText.h"

#include <vector>

#include "datafile/AssetNames.h"
#include "effects/TFlyText.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TGui.h"
#include "platform/strings.h"

namespace {
bool isLetterOrDigit(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
}  // namespace

TEnterText::TEnterText(ScreenContext& screen) : TEkran(screen), screen_(screen) {
  id = "EnterText";
}

void TEnterText::setup() {
  Gui = loadGui(assets::GUI_ENTER_TEXT, screen_);
  font = platform::LoadImageFont(assets::TTF_ENTER_TEXT, 16, 4);
  nameFont_ = TBMFont::Create(assets::FONT_DIR, assets::FONT_WHITESMALL);
}

std::string TEnterText::typed(const std::string& entry, int character) {
  if (character == platform::key::BACKSPACE) {
    // Whole characters go, so a name read from a file never ends in half a character.
    std::vector<int> codepoints = platform::DecodeUtf8(entry);
    if (codepoints.empty()) return entry;
    codepoints.pop_back();
    std::string shorter;
    for (int c : codepoints) shorter += platform::EncodeUtf8(c);
    return shorter;
  }
  if (isLetterOrDigit(character) && entry.size() < size_t(kMaxLength))
    return entry + char(character);
  return entry;
}

void TEnterText::prepare(TEkran* screen, const std::string&, const std::string& text,
                         int noCancel) {
  if (!Gui) setup();
  ekran = screen;
  entry = text;
  dAlpha = 1.0f;
  alpha = 0.0f;
  noCancel_ = noCancel;
  const int v = noCancel == 0 ? 1 : 0;
  if (auto cancel = Gui->getItem("cancel")) cancel->setState(v, v);
  _exit = 0;
}

std::string TEnterText::mainloop(TEkran* screen, std::function<void()> behind,
                                 const std::string& prompt, const std::string& text, int noCancel) {
  prepare(screen, prompt, text, noCancel);
  updateBehind_ = std::move(behind);
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _controlGUI();
    _controlKeyboard();
  } while (alpha != 0.0f || dAlpha != 0.0f);
  updateBehind_ = nullptr;
  // The Enter or Escape that closed the dialog must not reach the screen below as well.
  platform::FlushKeys();
  return entry;
}

void TEnterText::update() {
  updateCommon();
  _updateAlpha();
  if (updateBehind_) updateBehind_();
  _updateGui();
  _updateEntry();
}

void TEnterText::_updateEntry() {
  const int now = platform::MilliSecs();
  if (now > time) {
    time = now + 500;
    switch_ = switch_ ? 0 : 1;
  }
  const int v = entry.empty() ? 0 : 1;
  if (auto ok = Gui->getItem("ok")) ok->setState(v, v);
}

void TEnterText::_controlGUI() {
  if (!shown()) return;
  if (Gui->clickedItem("ok")) goOk();
  if (shown() && Gui->clickedItem("cancel")) goCancel();
}

void TEnterText::_controlKeyboard() {
  // Characters typed while the dialog fades in are dropped, not kept for later.
  for (int c = platform::GetChar(); c != 0; c = platform::GetChar()) {
    if (!shown()) continue;
    if (c == platform::key::ENTER) {
      goOk();
    } else if (c == platform::key::ESCAPE) {
      // A dialog opened without a way out (the first profile's name) cannot be escaped.
      if (noCancel_ == 0) goCancel();
    } else {
      entry = typed(entry, c);
    }
  }
}

void TEnterText::goOk() {
  if (entry.empty()) return;
  alpha = 0.0f;
  dAlpha = 0.0f;
}

void TEnterText::goCancel() {
  entry = "//";
  alpha = 0.0f;
  dAlpha = 0.0f;
}

void TEnterText::draw() {
  _drawBack();
  _drawGui();
  _drawEntry();
  _drawMouse();
}

void TEnterText::_drawBack() {
  if (ekran) ekran->draw();
  platform::SetScale(1, 1);
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(alpha);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetRotation(0);
}

void TEnterText::_drawEntry() {
  platform::SetColor(255, 255, 255);
  platform::SetScale(1, 1);
  platform::SetAlpha(alpha);
  platform::SetBlend(platform::ALPHABLEND);
  TFlyText::drawMyText(entry, kEntryX, kEntryY, nameFont_.get(), 1);
  if (switch_ != 1) return;
  const int end = TFlyText::textEnd(entry, kEntryX, kEntryY, nameFont_.get(), 1);
  platform::DrawRect(float(end + 2), float(kCaretY), float(kCaretW), float(kCaretH));
}
