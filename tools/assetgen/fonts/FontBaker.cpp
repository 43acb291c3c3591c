#include "fonts/FontBaker.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Font.h"

namespace assetgen {

namespace {

struct Glyph {
  uint32_t code = 0;
  unsigned long index = 0;  // glyph index in the face
  double advance = 0;
  int inkX = 0, inkY = 0, inkW = 0, inkH = 0;  // ink box relative to the pen on the baseline
  std::unique_ptr<Canvas> picture;
  BmChar record;
};

// Pixels of outline and halo around the ink.
int paddingFor(const FontStyle& s) {
  double halo =
      s.haloRadius > 0 ? s.haloRadius * 1.5 + std::max(std::abs(s.haloDx), std::abs(s.haloDy)) : 0;
  return static_cast<int>(std::ceil(s.outlineWidth / 2 + halo)) + 1;
}

void glyphPath(cairo_t* cr, unsigned long index, double x, double y) {
  cairo_glyph_t g{index, x, y};
  cairo_glyph_path(cr, &g, 1);
}

void renderGlyph(Glyph& g, const FontStyle& s, int pad, double capHeight) {
  int w = g.inkW + 2 * pad, h = g.inkH + 2 * pad;
  g.picture = std::make_unique<Canvas>(w, h);
  Canvas& c = *g.picture;
  cairo_t* cr = c.cr();
  selectFont(cr, s.fontPath, s.pixelSize);
  // Pen position inside the picture.
  double px = pad - g.inkX, py = pad - g.inkY;
  auto path = [&](cairo_t* t) { glyphPath(t, g.index, px, py); };
  if (s.haloRadius > 0) {
    c.glow([&](cairo_t* t) { glyphPath(t, g.index, px + s.haloDx, py + s.haloDy); },
           s.outlineWidth + 1, s.haloRadius, s.haloColor);
  }
  if (s.outlineWidth > 0) {
    path(cr);
    c.setColor(s.outlineColor);
    cairo_set_line_width(cr, s.outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  path(cr);
  c.linearGradient(0, py - capHeight, 0, py, s.fill);
  cairo_fill(cr);
}

// Shelf packing, tallest first; returns the page count.
int pack(std::vector<Glyph*>& glyphs, int pageWidth, int maxPageHeight,
         std::vector<int>& pageHeights) {
  std::sort(glyphs.begin(), glyphs.end(), [](const Glyph* a, const Glyph* b) {
    int ha = a->picture ? a->picture->height() : 0, hb = b->picture ? b->picture->height() : 0;
    return ha != hb ? ha > hb : a->code < b->code;
  });
  constexpr int kGap = 2;
  int page = 0, x = kGap, y = kGap, shelf = 0;
  pageHeights = {0};
  for (Glyph* g : glyphs) {
    if (!g->picture) continue;
    int w = g->picture->width(), h = g->picture->height();
    if (x + w + kGap > pageWidth) {
      x = kGap;
      y += shelf + kGap;
      shelf = 0;
    }
    if (y + h + kGap > maxPageHeight) {
      ++page;
      pageHeights.push_back(0);
      x = kGap;
      y = kGap;
      shelf = 0;
    }
    g->record.x = static_cast<uint16_t>(x);
    g->record.y = static_cast<uint16_t>(y);
    g->record.page = static_cast<uint8_t>(page);
    x += w + kGap;
    shelf = std::max(shelf, h);
    pageHeights[page] = std::max(pageHeights[page], y + h + kGap);
  }
  return page + 1;
}

int pow2(int n) {
  int p = 1;
  while (p < n) p *= 2;
  return p;
}

struct FaceHolder {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~FaceHolder() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

std::vector<BmKerning> kerningPairs(FT_Face face, const std::vector<Glyph>& glyphs, double scale) {
  std::vector<BmKerning> pairs;
  if (!FT_HAS_KERNING(face)) return pairs;
  for (const auto& a : glyphs)
    for (const auto& b : glyphs) {
      FT_Vector k;
      if (FT_Get_Kerning(face, static_cast<FT_UInt>(a.index), static_cast<FT_UInt>(b.index),
                         FT_KERNING_UNSCALED, &k) != 0)
        continue;
      int amount = static_cast<int>(std::lround(k.x * scale));
      if (amount == 0) continue;
      pairs.push_back({a.code, b.code, static_cast<int16_t>(std::clamp(amount, -128, 127))});
    }
  return pairs;
}

}  // namespace

std::vector<uint32_t> FontBaker::latin1() {
  std::vector<uint32_t> codes;
  for (uint32_t c = 32; c < 127; ++c) codes.push_back(c);
  for (uint32_t c = 160; c < 256; ++c) codes.push_back(c);
  return codes;
}

bool FontBaker::bake(Output& out, const std::string& folder, const std::string& name,
                     const FontStyle& style, const std::vector<uint32_t>& codes) {
  FaceHolder ft;
  if (FT_Init_FreeType(&ft.library) != 0 ||
      FT_New_Face(ft.library, style.fontPath.c_str(), 0, &ft.face) != 0) {
    out.fail("cannot open font " + style.fontPath + " for " + name);
    return false;
  }
  const double scale = style.pixelSize / ft.face->units_per_EM;
  const int pad = paddingFor(style);

  Canvas probe(1, 1);
  if (!selectFont(probe.cr(), style.fontPath, style.pixelSize)) {
    out.fail("cannot use font " + style.fontPath);
    return false;
  }
  cairo_scaled_font_t* sf = cairo_get_scaled_font(probe.cr());
  cairo_font_extents_t fe;
  cairo_scaled_font_extents(sf, &fe);

  std::vector<Glyph> glyphs;
  for (uint32_t code : codes) {
    unsigned long index = FT_Get_Char_Index(ft.face, code);
    if (index == 0 && code != 32) continue;
    Glyph g;
    g.code = code;
    g.index = index;
    cairo_glyph_t cg{index, 0, 0};
    cairo_text_extents_t te;
    cairo_scaled_font_glyph_extents(sf, &cg, 1, &te);
    g.advance = te.x_advance;
    if (te.width > 0 && te.height > 0) {
      g.inkX = static_cast<int>(std::floor(te.x_bearing));
      g.inkY = static_cast<int>(std::floor(te.y_bearing));
      g.inkW = static_cast<int>(std::ceil(te.x_bearing + te.width)) - g.inkX;
      g.inkH = static_cast<int>(std::ceil(te.y_bearing + te.height)) - g.inkY;
    }
    glyphs.push_back(std::move(g));
  }
  std::sort(glyphs.begin(), glyphs.end(),
            [](const Glyph& a, const Glyph& b) { return a.code < b.code; });

  // Cap height from the letter H keeps the fill gradient the same on every glyph.
  double capHeight = style.pixelSize * 0.7;
  for (const auto& g : glyphs)
    if (g.code == 'H') capHeight = -g.inkY;

  const int base = static_cast<int>(std::lround(fe.ascent));
  for (auto& g : glyphs) {
    g.record.id = g.code;
    g.record.xAdvance = static_cast<int16_t>(std::lround(g.advance));
    if (g.inkW == 0) continue;
    renderGlyph(g, style, pad, capHeight);
    g.record.width = static_cast<uint16_t>(g.picture->width());
    g.record.height = static_cast<uint16_t>(g.picture->height());
    g.record.xOffset = static_cast<int16_t>(g.inkX - pad);
    g.record.yOffset = static_cast<int16_t>(base + g.inkY - pad);
  }

  std::vector<Glyph*> order;
  for (auto& g : glyphs) order.push_back(&g);
  // The smallest square-ish page that holds every glyph; several pages only past 1024.
  std::vector<int> heights;
  int pageWidth = style.pageWidth;
  int pages = pack(order, pageWidth, pageWidth, heights);
  while (pages > 1 && pageWidth < 1024) {
    pageWidth *= 2;
    pages = pack(order, pageWidth, pageWidth, heights);
  }

  BmFont font;
  font.info.fontSize = style.fontSize;
  font.info.bold = style.bold;
  font.info.smooth = true;
  font.info.name = ft.face->family_name ? ft.face->family_name : name;
  font.common.lineHeight = static_cast<uint16_t>(std::lround(fe.height));
  font.common.base = static_cast<uint16_t>(base);
  font.common.scaleW = static_cast<uint16_t>(pageWidth);
  int pageHeight = pow2(*std::max_element(heights.begin(), heights.end()));
  font.common.scaleH = static_cast<uint16_t>(pageHeight);
  font.common.alphaChannel = style.outlineWidth > 0 ? 2 : 0;

  for (int p = 0; p < pages; ++p) {
    std::string pageName = name + "_" + std::to_string(p) + ".png";
    font.pages.push_back(pageName);
    Canvas sheet(pageWidth, pageHeight);
    for (const auto& g : glyphs)
      if (g.picture && g.record.page == p) sheet.paint(*g.picture, g.record.x, g.record.y);
    out.savePng(folder + "/" + pageName, sheet);
  }
  for (const auto& g : glyphs) font.chars.push_back(g.record);
  font.kerning = kerningPairs(ft.face, glyphs, scale);

  out.saveBytes(folder + "/" + name + ".fnt", BmFontWriter::serialise(font),
                std::to_string(font.chars.size()) + " glyphs, " +
                    std::to_string(font.kerning.size()) + " kerning pairs, " +
                    std::to_string(pages) + " page(s), size " + std::to_string(style.fontSize));
  return true;
}

}  // namespace assetgen
