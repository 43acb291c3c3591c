// Font files opened with FreeType and handed to Cairo for lettering.
#pragma once

#include <cairo.h>

#include <string>

namespace assetgen {

namespace fonts {
// The game's three roles of type.
inline const char* const DISPLAY = "/usr/share/fonts/opentype/lobster/lobster.otf";
inline const char* const UI_BOLD = "/usr/share/fonts/opentype/dosis/Dosis-Bold.otf";
inline const char* const UI_EXTRABOLD = "/usr/share/fonts/opentype/dosis/Dosis-ExtraBold.otf";
inline const char* const TEXT_MEDIUM = "/usr/share/fonts/opentype/dosis/Dosis-Medium.otf";
inline const char* const TEXT_SEMIBOLD = "/usr/share/fonts/opentype/dosis/Dosis-SemiBold.otf";
}  // namespace fonts

// A Cairo font face for a font file; null when the file cannot be read. Faces are cached for
// the life of the program and may be used from any thread.
cairo_font_face_t* fontFace(const std::string& path);

// Selects `path` at `sizePx` on `cr` and returns false when the face is missing.
bool selectFont(cairo_t* cr, const std::string& path, double sizePx);

}  // namespace assetgen
