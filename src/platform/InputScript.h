// A recorded or hand-written input session: one event per line, "<frame> <what> [args]".
//   <frame> move X Y        pointer to (X, Y)
//   <frame> press B         mouse button B (1 left, 2 right, 3 middle) down
//   <frame> release B       mouse button B up
//   <frame> key K           key K (virtual-key code) pressed and released
//   <frame> keydown K       key K down
//   <frame> keyup K         key K up
//   <frame> char C          typed character: a code point, or "text" in double quotes
//   <frame> close           the window's close button
// '#' starts a comment. Events of frame N are taken in by the first PollSystem after the
// N-th Flip (frame 0: before the first Flip).
#pragma once

#include <string>
#include <vector>

namespace platform {

class Input;

struct ScriptEvent {
  enum class Kind { Move, Press, Release, Key, KeyDown, KeyUp, Char, Close };
  int frame = 0;
  Kind kind = Kind::Move;
  int a = 0;
  int b = 0;
  std::vector<int> text;  // Char

  bool operator==(const ScriptEvent&) const = default;
};

class InputScript {
 public:
  // Unreadable lines are reported in `errors` ("line N: ...") and skipped.
  static InputScript parse(const std::string& text, std::vector<std::string>& errors);
  static InputScript load(const std::string& path);

  const std::vector<ScriptEvent>& events() const { return events_; }
  bool empty() const { return events_.empty(); }
  // Applies every event due by `frame` that has not been applied yet. True when a close
  // request was among them.
  bool applyDue(int frame, Input& input);
  void rewind() { next_ = 0; }

 private:
  std::vector<ScriptEvent> events_;  // in frame order
  size_t next_ = 0;
};

}  // namespace platform
