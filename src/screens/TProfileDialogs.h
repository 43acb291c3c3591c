#pragma once
#include <functional>
#include <string>

#include "player/IProfileDialogs.h"

class TDeleteProfile;
class TEnterText;

// The profile manager's dialogs, answered by the two dialog screens.
class TProfileDialogs : public IProfileDialogs {
 public:
  // Both dialogs outlive this object.
  TProfileDialogs(TEnterText& enterText, TDeleteProfile& deleteProfile)
      : enterText_(enterText), deleteProfile_(deleteProfile) {}

  std::string askName(TEkran* screen, const std::function<void()>& behind,
                      const std::string& prompt, const std::string& text, int noCancel) override;
  int confirmDelete(TEkran* screen, const std::function<void()>& behind) override;

 private:
  TEnterText& enterText_;
  TDeleteProfile& deleteProfile_;
};
