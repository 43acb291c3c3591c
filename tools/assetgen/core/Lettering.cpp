#include "core/Lettering.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

#include "core/Font.h"
#include "core/Rng.h"

namespace assetgen {

namespace fills {
std::vector<Stop> gold() {
  return {{0.0, Rgba::hex(0xFFFBE8)},
          {0.3, Rgba::hex(0xFFE9A8)},
          {0.52, Rgba::hex(0xFFC94D)},
          {0.8, Rgba::hex(0xE89B1E)},
          {1.0, Rgba::hex(0xC97A12)}};
}
std::vector<Stop> ice() {
  return {{0.0, Rgba::hex(0xFFFFFF)},
          {0.45, Rgba::hex(0xF4F8FF)},
          {0.55, Rgba::hex(0xDCE8F7)},
          {1.0, Rgba::hex(0x9FBCE0)}};
}
std::vector<Stop> warmWhite() {
  return {{0.0, Rgba::hex(0xFFFFFF)}, {0.5, Rgba::hex(0xFFF6DC)}, {1.0, Rgba::hex(0xFFD98A)}};
}
}  // namespace fills

namespace {

std::vector<cairo_glyph_t> kernedGlyphs(cairo_t* cr, const std::string& text, double x, double y,
                                        double tracking, double wordSpacing) {
  cairo_scaled_font_t* sf = cairo_get_scaled_font(cr);
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(sf, x, y, text.c_str(), static_cast<int>(text.size()),
                                       &glyphs, &count, nullptr, nullptr,
                                       nullptr) != CAIRO_STATUS_SUCCESS)
    return {};
  std::vector<cairo_glyph_t> out(glyphs, glyphs + count);
  cairo_glyph_free(glyphs);
  FT_Face face = cairo_ft_scaled_font_lock_face(sf);
  unsigned long space = face ? FT_Get_Char_Index(face, ' ') : 0;
  if (face) {
    cairo_matrix_t fm;
    cairo_scaled_font_get_font_matrix(sf, &fm);
    double scale = fm.xx / face->units_per_EM;
    double shift = 0;
    for (size_t i = 1; i < out.size(); ++i) {
      FT_Vector k{0, 0};
      if (FT_HAS_KERNING(face))
        FT_Get_Kerning(face, static_cast<FT_UInt>(out[i - 1].index),
                       static_cast<FT_UInt>(out[i].index), FT_KERNING_UNSCALED, &k);
      shift += k.x * scale + tracking + (out[i - 1].index == space ? wordSpacing : 0);
      out[i].x += shift;
    }
    cairo_ft_scaled_font_unlock_face(sf);
  }
  return out;
}

// Twinkles on the upper edge of the letters: columns picked by a seed from the text, each
// placed on the topmost solid pixel of its column.
void addSparkles(Canvas& c, const std::string& text, int count, double size) {
  uint64_t seed = 1469598103934665603ull;
  for (unsigned char ch : text) seed = (seed ^ ch) * 1099511628211ull;
  Rng rng(seed);
  cairo_surface_flush(c.surface());
  const uint8_t* px = cairo_image_surface_get_data(c.surface());
  int stride = cairo_image_surface_get_stride(c.surface());
  std::vector<std::pair<int, int>> spots;
  for (int tries = 0; tries < count * 20 && static_cast<int>(spots.size()) < count; ++tries) {
    int slice = static_cast<int>(spots.size());
    int x0 = static_cast<int>(c.width() * (slice + 0.15) / count);
    int x1 = static_cast<int>(c.width() * (slice + 0.85) / count);
    int x = rng.between(x0, std::max(x0, x1 - 1));
    for (int y = 0; y < c.height(); ++y)
      if (px[y * stride + x * 4 + 3] > 230) {
        spots.emplace_back(x, y + static_cast<int>(size * 0.04));
        break;
      }
  }
  for (const auto& [x, y] : spots) c.glint(x, y, size * rng.range(0.11, 0.16), 1.2, 0.16, true);
}

}  // namespace

double kernedTextPath(cairo_t* cr, const std::string& text, double x, double y, double tracking,
                      double wordSpacing) {
  std::vector<cairo_glyph_t> glyphs = kernedGlyphs(cr, text, x, y, tracking, wordSpacing);
  if (glyphs.empty()) return 0;
  cairo_glyph_path(cr, glyphs.data(), static_cast<int>(glyphs.size()));
  cairo_text_extents_t last;
  cairo_glyph_extents(cr, &glyphs.back(), 1, &last);
  return glyphs.back().x + last.x_advance - x;
}

Extents kernedTextExtents(cairo_t* cr, const std::string& text, double tracking,
                          double wordSpacing) {
  std::vector<cairo_glyph_t> glyphs = kernedGlyphs(cr, text, 0, 0, tracking, wordSpacing);
  if (glyphs.empty()) return {};
  cairo_text_extents_t e;
  cairo_glyph_extents(cr, glyphs.data(), static_cast<int>(glyphs.size()), &e);
  return {e.x_bearing, e.y_bearing, e.width, e.height};
}

std::unique_ptr<Canvas> renderLettering(const std::string& text, const LetteringStyle& style) {
  Canvas probe(1, 1);
  double size = style.sizePx;
  selectFont(probe.cr(), style.fontPath, size);
  Extents ink = kernedTextExtents(probe.cr(), text, style.tracking, style.wordSpacing);
  if (style.maxWidth > 0 && ink.width > style.maxWidth) {
    size *= style.maxWidth / ink.width;
    selectFont(probe.cr(), style.fontPath, size);
    ink = kernedTextExtents(probe.cr(), text, style.tracking, style.wordSpacing);
  }
  double margin = style.outlineWidth +
                  std::max(style.glowRadius * 1.6,
                           style.shadowRadius * 1.5 + std::max(style.shadowDx, style.shadowDy));
  int pad = static_cast<int>(std::ceil(margin)) + 2;
  int w = static_cast<int>(std::ceil(ink.width)) + 2 * pad;
  int h = static_cast<int>(std::ceil(ink.height)) + 2 * pad;
  w += w % 2;  // even sizes keep a centred handle on whole pixels
  h += h % 2;
  auto canvas = std::make_unique<Canvas>(w, h);
  Canvas& c = *canvas;
  cairo_t* cr = c.cr();
  selectFont(cr, style.fontPath, size);
  double ox = (w - ink.width) / 2 - ink.x, oy = (h - ink.height) / 2 - ink.y;
  double top = oy + ink.y, bottom = top + ink.height;
  auto path = [&](cairo_t* t) {
    selectFont(t, style.fontPath, size);
    kernedTextPath(t, text, ox, oy, style.tracking, style.wordSpacing);
  };
  auto thick = [&](cairo_t* t) {
    path(t);
    cairo_set_line_width(t, style.outlineWidth * 2);
    cairo_set_line_join(t, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(t);
  };

  if (style.glowRadius > 0)
    c.glow(path, style.outlineWidth * 2 + 4, style.glowRadius, style.glowColor);
  if (style.shadowRadius > 0 || style.shadowDx != 0) {
    c.softShadow([&](cairo_t* t) { thick(t); }, style.shadowDx, style.shadowDy, style.shadowRadius,
                 style.shadowColor);
  }
  // Outline: a stroke twice as wide as the visible rim, half of it covered by the fill.
  path(cr);
  c.setColor(style.outlineColor);
  cairo_set_line_width(cr, style.outlineWidth * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);

  path(cr);
  c.linearGradient(0, top, 0, bottom, style.fill);
  cairo_fill(cr);

  // A darker inner edge toward the lower right keeps the light from the top left.
  cairo_save(cr);
  path(cr);
  cairo_clip(cr);
  cairo_translate(cr, -1.2, -1.5);
  path(cr);
  cairo_set_line_width(cr, 2.0);
  c.setColor(style.outlineColor.withAlpha(0.35));
  cairo_stroke(cr);
  cairo_restore(cr);

  if (style.glossStrength > 0) {
    double mid = top + ink.height * 0.48;
    cairo_save(cr);
    path(cr);
    cairo_clip(cr);
    cairo_translate(cr, w / 2.0, mid - ink.height * 0.9);
    cairo_scale(cr, ink.width * 0.75, ink.height * 0.9);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, style.glossStrength * 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, style.glossStrength);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  if (style.sparkles > 0) addSparkles(c, text, style.sparkles, size);
  return canvas;
}

}  // namespace assetgen
