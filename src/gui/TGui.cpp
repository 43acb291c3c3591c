#include "gui/TGui.h"

#include "gui/GuiContext.h"
#include "gui/GuiSounds.h"
#include "gui/GuiUtil.h"
#include "gui/TBelka.h"
#include "gui/TButton.h"
#include "gui/TRGMAnimation.h"
#include "gui/TRGMFont.h"
#include "gui/TText.h"
#include "gui/TTextEntry.h"
#include "gui/TTheme.h"
#include "gui/TWindow.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/strings.h"

std::shared_ptr<TGui> loadGui(const std::string& path, GuiContext& context) {
  auto gui = std::make_shared<TGui>(context);
  if (platform::FileType(platform::ResolvePath(path)) == 1) {
    gui->Load(path);
  } else {
    guiError("Plik : " + platform::RealPath(path) + " nie istenieje!");
  }
  return gui;
}

namespace {

// Valid UTF-8 without NUL bytes (which text never holds, and UTF-16 is full of).
bool utf8Text(const std::string& bytes) {
  if (bytes.find('\0') != std::string::npos) return false;
  std::string again;
  for (const int c : platform::DecodeUtf8(bytes)) again += platform::EncodeUtf8(c);
  return again == bytes;
}

bool hasByteOrderMark(const std::vector<uint8_t>& bytes) {
  return (bytes.size() >= 2 &&
          ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) ||
         (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF);
}

// The file's text; a file that cannot be read, or that is neither marked nor UTF-8 (so its
// words would come out garbled), is the designer's to see.
std::string readGuiText(const std::string& path, const std::string& shown) {
  std::string why;
  const auto bytes = platform::LoadBytes(path, &why);
  if (!bytes) {
    guiError("Plik : " + shown + " : " + why);
    return "";
  }
  if (!hasByteOrderMark(*bytes) && !utf8Text(std::string(bytes->begin(), bytes->end())))
    guiError("Plik : " + shown + " is not UTF-8 text");
  return platform::LoadText(path).value_or("");
}

}  // namespace

std::vector<GuiDeclaration> TGui::stworzListyTokenow(const std::string& text) {
  std::vector<GuiDeclaration> declarations;
  for (const auto& tokens : splitGuiDeclarations(tokenizeGui(text))) {
    declarations.push_back(parseGuiDeclaration(tokens));
  }
  return declarations;
}

void TGui::Load(const std::string& path) {
  remPath = platform::RealPath(platform::CurrentDir());
  const std::string resolved = platform::ResolvePath(path);
  _myPath = platform::RealPath(resolved);
  _listaObiektow.clear();
  const auto declarations = stworzListyTokenow(readGuiText(resolved, _myPath));
  const size_t before = _fonts.size() + _themes.size();
  platform::ChangeDir(platform::ExtractDir(_myPath));
  for (const auto& declaration : declarations) {
    if (!declaration.closed)
      guiError("Plik : " + _myPath + " : " +
               platform::Trim(declaration.type + " " + declaration.name) + " - unbalanced braces");
    if (platform::SameText(declaration.type, "BAR")) {
      dodajObiektZlozony(declaration);
    } else {
      dodajObiekt(declaration);
    }
  }
  platform::ChangeDir(remPath);
  // An empty, cut-off or garbled file must not pass as a screen that shows nothing.
  if (_listaObiektow.empty() && _fonts.size() + _themes.size() == before)
    guiError("Plik : " + _myPath + " declares nothing");
}

void TGui::reload() {
  // A file that went away keeps the controls on screen.
  if (platform::FileType(_myPath) != 1) {
    guiError("Plik : " + _myPath + " nie istenieje!");
    return;
  }
  Load(_myPath);
}

void TGui::dodajObiekt(const GuiDeclaration& d) {
  const std::string type = platform::Upper(d.type);
  std::shared_ptr<TGuiObject> control;
  if (type == "BUTTON") {
    control = TButton::CreateFromList(d.name, d.entries, this);
  } else if (type == "ANIM") {
    control = TRGMAnimation::createFromList(d.name, d.entries);
  } else if (type == "TEXT") {
    control = TText::createFromList(d.name, d.entries, this);
  } else if (type == "WINDOW") {
    control = TWindow::CreateFromList(d.name, d.entries, *this);
  } else if (type == "TEXTENTRY") {
    control = TTextEntry::createFromList(d.name, d.entries, this);
  } else if (type == "FONT") {
    if (auto font = TRGMFont::createFromList(d.name, d.entries)) _fonts.push_back(font);
  } else if (type == "THEME") {
    TTheme::createFromList(d.name, d.entries, *this);
  }
  if (control) addItem(control);
}

void TGui::dodajObiektZlozony(const GuiDeclaration& d) {
  if (auto bar = TBelka::createFromList(d.name, d.entries, d.nested, *this)) addItem(bar);
}

void TGui::clear() {
  _listaObiektow.clear();
  _clicked.clear();
  _over.clear();
}

void TGui::addItem(const std::shared_ptr<TGuiObject>& control) {
  if (control) _listaObiektow.push_back(control);
}

std::shared_ptr<TGuiObject> TGui::getItem(const std::string& id) const {
  for (const auto& control : _listaObiektow) {
    if (platform::SameText(control->_id, id)) return control;
  }
  return nullptr;
}

int TGui::clickedItem(const std::string& id) const {
  return platform::SameText(_clicked, id) ? 1 : 0;
}

void TGui::setGuiAlpha(float a) {
  for (const auto& control : _listaObiektow) {
    control->_alpha = a;
    control->_dAlpha = a;
  }
}

void TGui::update() {
  _clicked.clear();
  _over.clear();
  // A reload below replaces the list; finish this frame on the controls it started with.
  const auto controls = _listaObiektow;
  for (const auto& control : controls) {
    control->update(context_.mouse(), 0, 0);
    if (auto* selector = dynamic_cast<TGuiSelector*>(control.get())) {
      if (!selector->_clickedOp.empty()) _clicked = selector->_clickedOp;
      if (!selector->_overOp.empty()) _over = selector->_overOp;
      if (!_clicked.empty()) selector->_clean();
    } else {
      if (control->_clicked) _clicked = control->_id;
      if (control->_over) _over = control->_id;
    }
  }
  if (!_clicked.empty()) context_.guiSounds().playClick();
  if (platform::KeyDown(platform::key::LCONTROL) && platform::KeyHit('L')) reload();
}

void TGui::draw() {
  for (const auto& control : _listaObiektow) {
    if (control->_v) control->draw(0, 0);
  }
}
