#include "core/Font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <map>
#include <mutex>

namespace assetgen {

namespace {
std::mutex& lock() {
  static std::mutex m;
  return m;
}
}  // namespace

cairo_font_face_t* fontFace(const std::string& path) {
  std::lock_guard guard(lock());
  static FT_Library library = nullptr;
  static std::map<std::string, cairo_font_face_t*> faces;
  if (!library && FT_Init_FreeType(&library) != 0) return nullptr;
  auto it = faces.find(path);
  if (it != faces.end()) return it->second;
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    std::fprintf(stderr, "assetgen: cannot open font %s\n", path.c_str());
    faces[path] = nullptr;
    return nullptr;
  }
  // Kept for the life of the program: Cairo caches scaled fonts beyond any one picture.
  cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
  faces[path] = cf;
  return cf;
}

bool selectFont(cairo_t* cr, const std::string& path, double sizePx) {
  cairo_font_face_t* face = fontFace(path);
  if (!face) return false;
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, sizePx);
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
  return true;
}

}  // namespace assetgen
