#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "platform/platform.h"

class TGui;

// A TrueType image font declared by FONT in a .gui file.
class TRGMFont {
 public:
  platform::ImageFont _font;
  std::string _id;

  // The FONT builder: SIZE (default 12) and URL. Null, after an error, without a usable URL.
  // Without a GUI the font joins the global font list.
  static std::shared_ptr<TRGMFont> createFromList(const std::string& name,
                                                  const GuiEntries& entries, TGui* gui);
  // First font with this id (case-insensitive) of the GUI, or of the global list.
  static std::shared_ptr<TRGMFont> getByID(const std::string& id, const TGui* gui);
  static std::vector<std::shared_ptr<TRGMFont>>& globalFonts();
};
