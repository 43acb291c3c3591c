#include "gui/TRGMFont.h"

#include "gui/GuiUtil.h"
#include "gui/TGui.h"
#include "platform/strings.h"

std::vector<std::shared_ptr<TRGMFont>>& TRGMFont::globalFonts() {
  static std::vector<std::shared_ptr<TRGMFont>> fonts;
  return fonts;
}

std::shared_ptr<TRGMFont> TRGMFont::createFromList(const std::string& name,
                                                   const GuiEntries& entries, TGui* gui) {
  std::string url = guiEntry(entries, "URL");
  const std::string sizeText = guiEntry(entries, "SIZE");
  const int size = sizeText.empty() ? 12 : int(std::strtof(sizeText.c_str(), nullptr));
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
  if (!gui) globalFonts().push_back(font);
  return font;
}

std::shared_ptr<TRGMFont> TRGMFont::getByID(const std::string& id, const TGui* gui) {
  const auto& fonts = gui ? gui->_fonts : globalFonts();
  for (const auto& font : fonts) {
    if (platform::SameText(font->_id, id)) return font;
  }
  return nullptr;
}
