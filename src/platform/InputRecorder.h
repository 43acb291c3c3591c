// Writes the input a player gives, frame by frame, in the input-script format, so that a
// session can be replayed (GLIMMERFIR_RECORD).
#pragma once

#include <fstream>
#include <optional>
#include <string>
#include <utility>

namespace platform {

class InputRecorder {
 public:
  bool open(const std::string& path);
  bool isOpen() const { return out_.is_open(); }
  void close();
  void setFrame(int frame);

  void move(int x, int y);
  void button(int button, bool down);
  void key(int code, bool down);
  void character(int codepoint);
  void closeRequest();

 private:
  void flushMove();
  void line(const std::string& text);

  std::ofstream out_;
  int frame_ = 0;
  std::optional<std::pair<int, int>> pendingMove_;
};

}  // namespace platform
