#include "gui/TThemeList.h"

#include "gui/TTheme.h"
#include "platform/strings.h"

void TThemeList::add(const std::shared_ptr<TTheme>& theme) {
  if (theme) themes_.push_back(theme);
}

std::shared_ptr<TTheme> TThemeList::find(const std::string& id) const {
  for (const auto& theme : themes_) {
    if (platform::SameText(theme->id, id)) return theme;
  }
  return nullptr;
}
