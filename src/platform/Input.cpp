#include "platform/Input.h"

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "platform/InputRecorder.h"
#include "platform/strings.h"

namespace platform {

namespace {

struct ScanMap {
  SDL_Scancode scancode;
  int code;
};

constexpr ScanMap kScanMap[] = {
    {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_LSHIFT, 160},
    {SDL_SCANCODE_RSHIFT, 161},
    {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163},
    {SDL_SCANCODE_LALT, 164},
    {SDL_SCANCODE_RALT, 165},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
};

// Windows virtual-key code of an SDL key; 0 when the game has no name for it.
int virtualKey(const SDL_Keysym& keysym) {
  const SDL_Scancode sc = keysym.scancode;
  if (keysym.sym >= SDLK_a && keysym.sym <= SDLK_z) return 'A' + (keysym.sym - SDLK_a);
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  if (sc == SDL_SCANCODE_0) return '0';
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return 97 + (sc - SDL_SCANCODE_KP_1);
  if (sc == SDL_SCANCODE_KP_0) return 96;
  for (const ScanMap& entry : kScanMap)
    if (entry.scancode == sc) return entry.code;
  return 0;
}

// Keys that also arrive as typed characters, repeats included.
bool typesCharacter(int code) { return code == 8 || code == 9 || code == 13 || code == 27; }

}  // namespace

void Input::setKey(int code, bool down) {
  if (code <= 0 || code >= kKeys) return;
  if (down && !down_[size_t(code)]) ++hits_[size_t(code)];
  down_[size_t(code)] = down;
}

void Input::key(int code, bool down, bool repeat) {
  if (code <= 0 || code >= kKeys) return;
  if (down && typesCharacter(code)) chars_.push_back(code);
  if (repeat) return;
  if (recorder_) recorder_->key(code, down);
  setKey(code, down);
  // Left and right Shift, Ctrl and Alt also drive the generic 16, 17, 18.
  if (code >= 160 && code <= 165) {
    const int generic = 16 + (code - 160) / 2;
    const int twin = code ^ 1;
    const bool either = down_[size_t(code)] || down_[size_t(twin)];
    if (down && !down_[size_t(generic)]) ++hits_[size_t(generic)];
    down_[size_t(generic)] = either;
  }
}

void Input::character(int codepoint) {
  if (codepoint <= 0) return;
  if (recorder_) recorder_->character(codepoint);
  chars_.push_back(codepoint);
}

void Input::setBounds(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  mouseX_ = std::clamp(mouseX_, 0, width_ - 1);
  mouseY_ = std::clamp(mouseY_, 0, height_ - 1);
}

void Input::mouseMove(int x, int y) {
  mouseX_ = std::clamp(x, 0, width_ - 1);
  mouseY_ = std::clamp(y, 0, height_ - 1);
  if (recorder_) recorder_->move(mouseX_, mouseY_);
}

void Input::mouseButton(int button, bool down) {
  if (button <= 0 || button >= kButtons) return;
  if (recorder_) recorder_->button(button, down);
  if (down && !buttonDown_[size_t(button)]) ++buttonHits_[size_t(button)];
  buttonDown_[size_t(button)] = down;
}

bool Input::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      key(virtualKey(event.key.keysym), event.type == SDL_KEYDOWN, event.key.repeat != 0);
      return true;
    case SDL_TEXTINPUT:
      for (int codepoint : DecodeUtf8(event.text.text)) character(codepoint);
      return true;
    case SDL_MOUSEMOTION:
      mouseMove(event.motion.x, event.motion.y);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int button = event.button.button == SDL_BUTTON_LEFT     ? 1
                         : event.button.button == SDL_BUTTON_RIGHT  ? 2
                         : event.button.button == SDL_BUTTON_MIDDLE ? 3
                                                                    : 0;
      mouseMove(event.button.x, event.button.y);
      mouseButton(button, event.type == SDL_MOUSEBUTTONDOWN);
      return true;
    }
    default:
      return false;
  }
}

int Input::keyHit(int code) {
  if (code <= 0 || code >= kKeys) return 0;
  return std::exchange(hits_[size_t(code)], 0);
}

int Input::keyDown(int code) const {
  return code > 0 && code < kKeys && down_[size_t(code)] ? 1 : 0;
}

int Input::nextChar() {
  if (chars_.empty()) return 0;
  const int c = chars_.front();
  chars_.pop_front();
  return c;
}

void Input::flushKeys() {
  down_.fill(false);
  hits_.fill(0);
  chars_.clear();
}

int Input::mouseHit(int button) {
  if (button <= 0 || button >= kButtons) return 0;
  return std::exchange(buttonHits_[size_t(button)], 0);
}

int Input::mouseDown(int button) const {
  return button > 0 && button < kButtons && buttonDown_[size_t(button)] ? 1 : 0;
}

void Input::flushMouse() {
  buttonDown_.fill(false);
  buttonHits_.fill(0);
}

void Input::reset() {
  flushKeys();
  flushMouse();
  mouseX_ = mouseY_ = 0;
}

}  // namespace platform
