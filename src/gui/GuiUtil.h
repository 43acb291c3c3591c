#pragma once
// Small helpers shared by the GUI controls.
#include <memory>
#include <string>
#include <vector>

#include "gui/TRGB.h"
#include "platform/platform.h"

// Shows a designer-facing GUI error in a message box.
void guiError(const std::string& message);

// One number of a .gui value. A bad one reads as 0, and magnitudes are held within a billion,
// so converting the result to int is defined however damaged the file is.
float guiNumber(const std::string& text);
// guiNumber truncated toward zero.
int guiInt(const std::string& text);
// Numbers of a blank-separated value such as "10 20 300"; missing or bad parts read as 0.
std::vector<float> guiNumbers(const std::string& value);
// A value of TRUE (any case) means on; anything else off.
bool guiTrue(const std::string& value);

// "r g b" as a colour; missing parts read as 0.
std::shared_ptr<TRGB> guiRGB(const std::string& value);

// Selects a font for measuring or drawing and puts the previous one back.
class GuiFontScope {
 public:
  explicit GuiFontScope(const platform::ImageFont& font) : saved_(platform::GetImageFont()) {
    platform::SetImageFont(font);
  }
  ~GuiFontScope() { platform::SetImageFont(saved_); }
  GuiFontScope(const GuiFontScope&) = delete;
  GuiFontScope& operator=(const GuiFontScope&) = delete;

 private:
  platform::ImageFont saved_;
};
