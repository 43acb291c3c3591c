// Keyboard and mouse state as the game reads it. Real events and injected ones (tests, the
// input script) arrive through the same calls.
#pragma once

#include <array>
#include <deque>

union SDL_Event;

namespace platform {

class InputRecorder;

class Input {
 public:
  static constexpr int kKeys = 256;
  static constexpr int kButtons = 4;

  void key(int code, bool down, bool repeat);
  void character(int codepoint);
  void mouseMove(int x, int y);
  void mouseButton(int button, bool down);
  void setBounds(int width, int height);
  // Takes in one SDL event; true when it was an input event.
  bool handle(const SDL_Event& event);

  int keyHit(int code);
  int keyDown(int code) const;
  int nextChar();
  void flushKeys();
  int mouseX() const { return mouseX_; }
  int mouseY() const { return mouseY_; }
  int mouseHit(int button);
  int mouseDown(int button) const;
  void flushMouse();
  void reset();
  // Every event taken in is also written here (may be null).
  void setRecorder(InputRecorder* recorder) { recorder_ = recorder; }

 private:
  void setKey(int code, bool down);

  std::array<bool, kKeys> down_{};
  std::array<int, kKeys> hits_{};
  std::deque<int> chars_;
  std::array<bool, kButtons> buttonDown_{};
  std::array<int, kButtons> buttonHits_{};
  int mouseX_ = 0, mouseY_ = 0;
  int width_ = 800, height_ = 600;
  InputRecorder* recorder_ = nullptr;
};

}  // namespace platform
