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
  // The GUI that declares the font keeps it.
  static std::shared_ptr<TRGMFont> createFromList(const std::string& name,
                                                  const GuiEntries& entries);
  // First font with this id (case-insensitive) of the GUI; null without a GUI.
  static std::shared_ptr<TRGMFont> getByID(const std::string& id, const TGui* gui);
};
