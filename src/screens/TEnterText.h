#pragma once
#include <functional>
#include <memory>
#include <string>

#include "core/TEkran.h"
#include "platform/platform.h"

class ScreenContext;
class TBMFont;

// The name entry: a small dialog over another screen in which the player types a name of
// letters and digits. Enter or "ok" confirms a name that is not empty; Escape or "cancel"
// gives "//" unless the dialog was opened without a way to cancel.
class TEnterText : public TEkran {
 public:
  static constexpr int kMaxLength = 12;
  // Where the name stands: centred on kEntryX, its top at kEntryY; the caret beside it.
  static constexpr int kEntryX = 470, kEntryY = 230;
  static constexpr int kCaretY = 239, kCaretW = 16, kCaretH = 23;

  std::string entry;  // the text being typed
  int time = 0;       // MilliSecs() of the next caret blink
  int switch_ = 0;    // 1 while the caret is shown
  platform::ImageFont font;

  // screen: the frame and GUI services; it outlives the dialog.
  explicit TEnterText(ScreenContext& screen);

  void setup() override;
  virtual void _drawBack();
  virtual void _drawEntry();
  virtual void _updateEntry();
  virtual void prepare(TEkran* screen, const std::string& prompt, const std::string& text,
                       int noCancel);
  // Runs the dialog over `screen` (drawn behind it, not updated) until it closes; `behind`
  // keeps what moves behind it moving, if anything. Returns the name, or "//" when cancelled.
  // The prompt's wording lives in the layout.
  virtual std::string mainloop(TEkran* screen, std::function<void()> behind,
                               const std::string& prompt, const std::string& text, int noCancel);
  virtual void _controlGUI();
  virtual void _controlKeyboard();
  virtual void goOk();
  virtual void goCancel();

  void update() override;
  void draw() override;

  // The entry after one typed character: Backspace removes the last character, letters and
  // digits are appended up to kMaxLength, everything else leaves it as it was.
  static std::string typed(const std::string& entry, int character);
  // Whether the dialog takes input: only once it has faded in completely.
  bool shown() const { return alpha == 1.0f && dAlpha == 1.0f; }

 private:
  ScreenContext& screen_;
  std::function<void()> updateBehind_;
  std::shared_ptr<TBMFont> nameFont_;
  int noCancel_ = 0;
};
