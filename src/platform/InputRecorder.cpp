#include "platform/InputRecorder.h"

#include "platform/Log.h"

namespace platform {

bool InputRecorder::open(const std::string& path) {
  close();
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) {
    platform::Logf("Cannot record input into %s", path.c_str());
    return false;
  }
  out_ << "# frame event arguments; events of frame N come after the N-th frame was shown\n";
  return true;
}

void InputRecorder::close() {
  if (!out_.is_open()) return;
  flushMove();
  out_.close();
}

void InputRecorder::setFrame(int frame) {
  if (frame != frame_) flushMove();
  frame_ = frame;
}

void InputRecorder::line(const std::string& text) {
  if (!out_.is_open()) return;
  out_ << frame_ << ' ' << text << '\n';
  out_.flush();  // a crash must not lose the session
}

// Pointer moves within one frame collapse into the last position.
void InputRecorder::move(int x, int y) {
  if (out_.is_open()) pendingMove_ = std::make_pair(x, y);
}

void InputRecorder::flushMove() {
  if (!pendingMove_) return;
  const auto [x, y] = *pendingMove_;
  pendingMove_.reset();
  line("move " + std::to_string(x) + ' ' + std::to_string(y));
}

void InputRecorder::button(int button, bool down) {
  flushMove();
  line((down ? "press " : "release ") + std::to_string(button));
}

void InputRecorder::key(int code, bool down) {
  flushMove();
  line((down ? "keydown " : "keyup ") + std::to_string(code));
}

void InputRecorder::character(int codepoint) {
  flushMove();
  line("char " + std::to_string(codepoint));
}

void InputRecorder::closeRequest() {
  flushMove();
  line("close");
}

}  // namespace platform
