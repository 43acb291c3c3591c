#include "screens/TProfileDialogs.h"

#include "screens/TDeleteProfile.h"
#include "screens/TEnterText.h"

std::string TProfileDialogs::askName(TEkran* screen, const std::function<void()>& behind,
                                     const std::string& prompt, const std::string& text,
                                     int noCancel) {
  return enterText_.mainloop(screen, behind, prompt, text, noCancel);
}

int TProfileDialogs::confirmDelete(TEkran* screen, const std::function<void()>& behind) {
  return deleteProfile_.mainLoop(screen, behind);
}
