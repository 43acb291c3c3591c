// The two small dialogs the profile manager opens: the name entry and the delete
// confirmation. Each runs its own frame loop over `screen`, which it draws behind itself
// without updating it; `behind` keeps what moves behind the dialog moving (the snow, the menu's
// animations), if anything.
#pragma once

#include <functional>
#include <string>

class TEkran;

class IProfileDialogs {
 public:
  virtual ~IProfileDialogs() = default;
  // The typed name (letters and digits, at most 12), or "//" when the player cancelled.
  // `text` is the initial content; noCancel = 1 hides the cancel button.
  virtual std::string askName(TEkran* screen, const std::function<void()>& behind,
                              const std::string& prompt, const std::string& text, int noCancel) = 0;
  // 1 when the player confirms that the profile goes, 0 when not.
  virtual int confirmDelete(TEkran* screen, const std::function<void()>& behind) = 0;
};
