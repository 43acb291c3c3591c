// Keyboard and mouse calls of the platform API.
#include "platform/Backend.h"
#include "platform/platform.h"

namespace platform {

int KeyHit(int key) { return Backend::get().input.keyHit(key); }
int KeyDown(int key) { return Backend::get().input.keyDown(key); }
int GetChar() { return Backend::get().input.nextChar(); }
void FlushKeys() { Backend::get().input.flushKeys(); }
int MouseX() { return Backend::get().input.mouseX(); }
int MouseY() { return Backend::get().input.mouseY(); }
int MouseHit(int button) { return Backend::get().input.mouseHit(button); }
int MouseDown(int button) { return Backend::get().input.mouseDown(button); }
void FlushMouse() { Backend::get().input.flushMouse(); }

void InjectMouseMove(int x, int y) { Backend::get().input.mouseMove(x, y); }
void InjectMouseButton(int button, bool down) { Backend::get().input.mouseButton(button, down); }
void InjectKey(int key, bool down, bool repeat) { Backend::get().input.key(key, down, repeat); }
void InjectChar(int codepoint) { Backend::get().input.character(codepoint); }
void InjectCloseRequest() { Backend::get().requestClose(); }
void InjectFocusLost() { Backend::get().loseFocus(); }

}  // namespace platform
