#include "gui/TRGMFont.h"

#include "gui/GuiUtil.h"
#include "gui/TGui.h"
#include "platform/strings.h"

std::shared_ptr<TRGMFont> TRGMFont::createFromList(const std::string& name,
                                                   const GuiEntries& entries) {
  std::string url = guiEntry(entries, "URL");
  const std::string sizeText = guiEntry(entries, "SIZE");
  const int size = sizeText.empty() ? 12 : guiInt(sizeText);
  if (!url.empty() && !platform::LoadImageFont(url, 12, 4)) {
    guiError("Nie moge znalezc czcionki : " + url);
    url.clear();
  }
  if (url.empty()) {
    guiError("Nie podano scierzki do czcionki.");
    return nullptr;
  }
  auto font = std::make_shared<TRGMFont>();
  font->_font = platform::LoadImageFont(url, size, 4);
  font->_id = name;
  return font;
}

std::shared_ptr<TRGMFont> TRGMFont::getByID(const std::string& id, const TGui* gui) {
  if (!gui) return nullptr;
  for (const auto& font : gui->_fonts) {
    if (platform::SameText(font->_id, id)) return font;
  }
  return nullptr;
}
