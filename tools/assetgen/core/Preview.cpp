#include "core/Preview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/PngWriter.h"
#include "fonts/FontFile.h"

namespace assetgen {

namespace {

cairo_surface_t* surfaceOf(const Image& img) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img.width, img.height);
  uint8_t* px = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.pixel(x, y);
      uint32_t a = p[3], r = p[0] * a / 255, g = p[1] * a / 255, b = p[2] * a / 255;
      *reinterpret_cast<uint32_t*>(px + std::ptrdiff_t{y} * stride + std::ptrdiff_t{x} * 4) =
          (a << 24) | (r << 16) | (g << 8) | b;
    }
  cairo_surface_mark_dirty(s);
  return s;
}

// Draws like the game: centred on (x, y) unless `topLeft`, scaled, rotated, with a blend.
struct Draw {
  Canvas& c;
  std::string dir;

  void image(const std::string& path, double x, double y, double scale = 1, double alpha = 1,
             bool additive = false, bool topLeft = false, int cell = 0, int frame = 0,
             double rotation = 0) {
    Image img;
    if (!PngWriter::read(dir + "/" + path, img)) {
      std::fprintf(stderr, "preview: missing %s\n", path.c_str());
      return;
    }
    cairo_surface_t* s = surfaceOf(img);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    int w = cell ? cell : img.width, h = cell ? cell : img.height;
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rotation * M_PI / 180);
    cairo_scale(cr, scale, scale);
    if (!topLeft) cairo_translate(cr, -w / 2.0, -h / 2.0);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, -frame * w, 0);
    if (additive) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    cairo_surface_destroy(s);
  }

  // Bitmap-font text centred on x with its top at y, as the game's centred text drawer does.
  void text(const std::string& fnt, const std::string& text, double x, double y, double scale) {
    auto font = readFontFile(dir + "/" + fnt);
    if (!font || font->PageNames.empty()) return;
    std::string folder = fnt.substr(0, fnt.rfind('/') + 1);
    Image page;
    PngWriter::read(dir + "/" + folder + font->PageNames[0], page);
    cairo_surface_t* s = surfaceOf(page);
    auto advance = [&](int g) { return TBMFont::SignedShort(font->XAdvance[g]); };
    double width = 0;
    for (unsigned char ch : text)
      if (int g = font->FindChar(ch); g >= 0) width += advance(g);
    double pen = -width / 2;
    cairo_t* cr = c.cr();
    for (unsigned char ch : text) {
      int g = font->FindChar(ch);
      if (g < 0) continue;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, scale, scale);
      cairo_translate(cr, pen + TBMFont::SignedShort(font->XOffset[g]),
                      TBMFont::SignedShort(font->YOffset[g]));
      cairo_rectangle(cr, 0, 0, font->Width[g], font->Height[g]);
      cairo_clip(cr);
      cairo_set_source_surface(cr, s, -font->X[g], -font->Y[g]);
      cairo_paint(cr);
      cairo_restore(cr);
      pen += advance(g);
    }
    cairo_surface_destroy(s);
  }
};

void nightSky(Canvas& c) {
  c.linearGradient(
      0, 0, 0, c.height(),
      {{0, Rgba::hex(0x0B1633)}, {0.5, Rgba::hex(0x14264F)}, {1, Rgba::hex(0x21407A)}});
  cairo_paint(c.cr());
}

}  // namespace

bool Preview::zoom(const std::string& png, int factor, const std::string& outPng) {
  Image img;
  if (!PngWriter::read(png, img)) return false;
  // Wide strips show only their start: enough to judge the first frames closely.
  int shownWidth = std::min(img.width, std::max(1, 1600 / factor));
  Canvas c(shownWidth * factor, img.height * factor);
  nightSky(c);
  cairo_surface_t* s = surfaceOf(img);
  cairo_scale(c.cr(), factor, factor);
  cairo_set_source_surface(c.cr(), s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(c.cr()), CAIRO_FILTER_NEAREST);
  cairo_paint(c.cr());
  cairo_surface_destroy(s);
  return PngWriter::write(outPng, c.toImage());
}

bool Preview::gameScreen(const std::string& assetDir, const std::string& outPng) {
  Canvas c(800, 600);
  nightSky(c);
  Draw d{c, assetDir};
  // A board of dark glass cells, so pictures are seen over what they will lie on.
  cairo_t* cr = c.cr();
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 9; ++col) {
      Canvas::roundedRect(cr, 211 + col * 42 + 1, 151 + row * 42 + 1, 40, 40, 6);
      c.setColor(Rgba::hex(0x050B1C, 0.45));
      cairo_fill(cr);
    }
  d.image("gfx/gui/mainGame/top.png", 0, 0, 1, 1, false, true);
  d.text("gfx/fonts/whitesmall_22.fnt", "02:35", 111, 5, 0.8);
  d.text("gfx/fonts/whitesmall_22.fnt", "12450", 287, 5, 0.8);
  d.text("gfx/fonts/whitesmall_22.fnt", "27", 464, 5, 0.8);
  d.text("gfx/fonts/whitesmall_22.fnt", "14", 624, 5, 0.8);
  d.image("gfx/effects/volum04.png", 274, 214, 0.4, 0.5, true, false, 0, 0, 20);
  d.image("gfx/effects/volum05.png", 274, 214, 0.4, 0.5, true, false, 0, 0, -20);
  d.image("gfx/gui/mainGame/select.png", 358, 214, 1, 1, false, false, 42, 3);
  d.image("gfx/effects/match2.png", 442 + 21, 256 - 10, 1, 1, false, false, 0, 0, 90);
  d.image("gfx/particles/plus_10.png", 316, 298);
  d.image("gfx/particles/plus_5.png", 484, 382);
  d.image("gfx/particles/star_cash.png", 526, 200);
  d.image("gfx/particles/eng_ready.png", 400, 340, 1.2);
  d.image("gfx/particles/eng_spectacular.png", 420, 480, 1.0);
  d.image("gfx/particles/eng_level_complited.png", 400, 129, 1.0, 0.9);
  for (int i = 0; i < 4; ++i)
    d.image("gfx/particles/star.png", 240 + i * 14, 440 + (i % 2) * 10, 1 + i * 0.5, 0.8, true);
  d.image("gfx/particles/snow1.png", 60, 120, 0.56, 0.56, true);
  d.image("gfx/particles/snow1.png", 740, 300, 0.3, 0.3, true);
  d.image("gfx/particles/snow1.png", 150, 520, 0.15, 0.15, true);
  d.image("gfx/effects/santa.png", 650, 560, 1);
  d.image("gfx/particles/usun.png", 610, 400, 1.0);
  d.image("gfx/particles/oczko.png", 640, 200, 1.0, 1, false, false, 0, 0, 30);
  d.image("gfx/particles/dym.png", 120, 300, 1.0, 0.4);
  return PngWriter::write(outPng, c.toImage());
}

}  // namespace assetgen
