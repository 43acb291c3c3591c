#include "core/Preview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/Canvas.h"
#include "core/JpegWriter.h"
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

  bool load(const std::string& path, Image& img) const {
    const bool jpeg = path.size() > 4 && (path.ends_with(".jpg") || path.ends_with(".jpeg"));
    if (jpeg ? JpegWriter::read(dir + "/" + path, img) : PngWriter::read(dir + "/" + path, img))
      return true;
    std::fprintf(stderr, "preview: missing %s\n", path.c_str());
    return false;
  }

  void image(const std::string& path, double x, double y, double scale = 1, double alpha = 1,
             bool additive = false, bool topLeft = false, int cell = 0, int frame = 0,
             double rotation = 0) {
    Image img;
    if (!load(path, img)) return;
    cairo_surface_t* s = surfaceOf(img);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    int w = cell ? cell : img.width, h = img.height;  // sheets are one row of cells
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

  // A product as the tree screen hangs it: its (hx, hy) pixel at (x, y), turned about it.
  void hung(const std::string& path, double x, double y, double hx, double hy, double scale = 1,
            double rotation = 0) {
    Image img;
    if (!load(path, img)) return;
    cairo_surface_t* s = surfaceOf(img);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rotation * M_PI / 180);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, s, -hx, -hy);
    cairo_paint(cr);
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

void daySky(Canvas& c) {
  c.linearGradient(
      0, 0, 0, c.height(),
      {{0, Rgba::hex(0x6E9FD8)}, {0.6, Rgba::hex(0xB7CDE8)}, {1, Rgba::hex(0xDCE8F7)}});
  cairo_paint(c.cr());
}

// Snowy ground under the tree, so presents stand on something.
void ground(Canvas& c, bool day) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, 0, 520);
  cairo_curve_to(cr, 250, 500, 600, 505, 800, 525);
  cairo_line_to(cr, 800, 600);
  cairo_line_to(cr, 0, 600);
  cairo_close_path(cr);
  c.linearGradient(
      0, 500, 0, 600,
      {{0, Rgba::hex(day ? 0xF4F8FF : 0x7E98C0)}, {1, Rgba::hex(day ? 0xB7CDE8 : 0x3A64A8)}});
  cairo_fill(cr);
}

// A chain as the game lays it: links every 7 px along a curve sagging below its two ends.
void chain(Draw& d, const std::string& link, double x1, double y1, double x2, double y2) {
  double dx = x2 - x1, dy = y2 - y1, dist = std::max(1.0, std::hypot(dx, dy));
  double mx = x1 + dx / 2, my = y1 + dy / 2 + 0.7 * dist;
  for (double t = 0;; t = std::min(1.0, t + 7 / dist)) {
    double bx = x1 + 2 * t * (mx - x1) + t * t * (x1 - 2 * mx + x2);
    double by = y1 + 2 * t * (my - y1) + t * t * (y1 - 2 * my + y2);
    d.image(link, bx, by);
    if (t >= 1.0) break;
  }
}

void decoratedTree(Canvas& c, const std::string& dir, bool day, bool withGround = true) {
  Draw d{c, dir};
  const int centreY[5] = {175, 245, 317, 390, 455};
  std::string suffix = day ? "_d.png" : ".png";
  auto glowOf = [](int i) { return "gfx/tree/lampki/glow0" + std::to_string(i) + ".png"; };
  auto num = [](int i) { return (i < 10 ? "0" : "") + std::to_string(i); };
  if (withGround) ground(c, day);
  for (int i = 1; i <= 8; i += 2)
    d.hung("gfx/tree/dekoracje/prezent" + num(i) + ".png", 300 + i * 22, 505, 40, 72,
           0.6 + 0.4 * 25 / 100);
  for (int n = 4; n >= 0; --n) {
    d.image("gfx/gui/treeScreen/choinka" + std::to_string(n + 1) + suffix, 458, centreY[n]);
    if (n == 1) chain(d, "gfx/tree/lancuchy/lancuch01.png", 380, 270, 470, 285);
  }
  struct Hung {
    const char* folder;
    const char* stem;
    int count;
    double x0, y0, dx, dy;
  };
  const Hung rows[] = {{"bombki", "bombka", 12, 370, 200, 16, 0},
                       {"ozdobki", "ozdoba", 8, 350, 335, 28, 0}};
  for (const Hung& r : rows)
    for (int i = 1; i <= r.count; ++i) {
      double x = r.x0 + (i - 1) * r.dx,
             y = r.y0 + (i % 3) * 40 + (r.count == 12 ? (i % 2) * 20 : 0);
      if (r.count == 12) y = 205 + ((i * 5) % 7) * 40, x = 340 + ((i * 37) % 12) * 20;
      d.hung(std::string("gfx/tree/") + r.folder + "/" + r.stem + num(i) + ".png", x, y, 20, 3,
             0.85, (i % 3 - 1) * 8);
    }
  for (int i = 1; i <= 8; ++i) {
    double x = 330 + i * 28, y = 260 + ((i * 3) % 5) * 45;
    d.hung("gfx/tree/lampki/lampka" + num(i) + ".png", x, y, 8, 2);
    d.image(glowOf(i), x, y + 13, 1, 0.85, true);
  }
  for (int i = 2; i <= 6; ++i)
    chain(d, "gfx/tree/lancuchy/lancuch" + num(i) + ".png", 360 + i * 8, 240 + i * 45, 450 + i * 12,
          250 + i * 45);
  for (int i = 2; i <= 8; i += 2)
    d.hung("gfx/tree/dekoracje/prezent" + num(i) + ".png", 260 + i * 40, 560, 40, 72,
           0.6 + 0.4 * 80 / 100);
  d.hung(std::string("gfx/tree/ozdobki/gwiazda0") + (day ? "1" : "3") + ".png", 458, 100, 40, 76);
}

// The whole tree screen as the game composes it with the panel shown: landscape, sun (day),
// the decorated tree, the panel with its tabs, a page of products with prices, the star count,
// the bin behind the play button's backing, the buttons, and a "no" mark beside the tree.
// The landscape with the decorated tree, as the tree screen draws it behind its panel and as
// other screens draw it behind themselves.
void landscapeWithTree(Canvas& c, const std::string& dir, bool day) {
  Draw d{c, dir};
  const std::string ts = "gfx/gui/treeScreen/";
  d.image(ts + (day ? "back-day.jpg" : "back.jpeg"), 0, 0, 1, 1, false, true);
  if (day) {
    d.image(ts + "sun2.png", 370, 70, 1, 0.6, false, false, 0, 0, 20);
    d.image(ts + "sun1.png", 370, 70, 1, 0.5, false, false, 0, 0, 5);
    d.image(ts + "sun0.png", 370, 70, 1, 0.9);
  } else {
    d.image("gfx/particles/dym.png", 258, 190, 0.5, 0.35);
    d.image("gfx/particles/dym.png", 262, 170, 0.7, 0.25);
    d.image("gfx/particles/dym.png", 270, 145, 0.9, 0.15);
  }
  decoratedTree(c, dir, day, false);
}

void treeScreenLayer(Canvas& c, const std::string& dir, bool day) {
  Draw d{c, dir};
  const std::string ts = "gfx/gui/treeScreen/";
  landscapeWithTree(c, dir, day);
  d.image("gfx/gui/treeScreen/kosz.png", 750, 560, 1, 0.5);
  d.image(ts + "shop-interface-main-part.png", 0, 0, 1, 1, false, true);
  d.image(ts + "shop-interface-right-part.png", 172, 0, 1, 1, false, true);
  d.image(ts + "shop-interface-eye-part.png", 0, 510, 1, 1, false, true);
  Image backing;
  if (PngWriter::read(dir + "/" + ts + "play-button-bez-play.png", backing))
    d.image(ts + "play-button-bez-play.png", 800 - backing.width, 600 - backing.height, 1, 1, false,
            true);
  const char* tabs[5] = {"bulbs", "star", "lights", "chains", "prezent"};
  for (int k = 0; k < 5; ++k)
    if (k != 0)
      d.image(ts + "tabs-inactive-" + tabs[k] + ".png", 104, 100 + 66 * k, 1, 1, false, true);
  d.image(ts + "tab-bulbs.png", 101, 97, 1, 1, false, true);
  for (int i = 0; i < 6; ++i) {
    double y = 125 + i * 60;
    d.image(ts + "item.png", 52, y);
    std::string num = "0" + std::to_string(i * 2 + 1);
    if (num.size() > 2) num = num.substr(1);
    d.image("gfx/tree/bombki/bombka" + num + ".png", 52, y);
    d.text("gfx/fonts/whitesmall_22.fnt", std::to_string(5 + i * 7), 52, y - 11, 1);
  }
  d.text("gfx/fonts/whitesmall_22.fnt", "128", 86, 0, 1);
  d.image(ts + "prev.png", 50, 74, 1, 1, false, false, 72, 0);
  d.image(ts + "next.png", 50, 478, 1, 1, false, false, 72, 1);
  d.image(ts + "eye.png", 45, 545, 1, 1, false, false, 72, 0);
  d.image(ts + "play.png", 730, 552, 1, 1, false, false, 124, 0);
  d.image("gfx/sign1.png", 620, 200);
  d.image("gfx/sign2.png", 620, 250);
}

}  // namespace

bool Preview::treeScreen(const std::string& assetDir, const std::string& outPng) {
  Canvas c(1600, 1200);
  Canvas night(800, 600), day(800, 600);
  nightSky(night);
  decoratedTree(night, assetDir, false);
  daySky(day);
  decoratedTree(day, assetDir, true);
  c.paint(night, 0, 0);
  c.paint(day, 800, 0);
  // Below, the same in grey: the tree must stand out from the sky by its lightness alone.
  c.paint(night, 0, 600);
  c.paint(day, 800, 600);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 600, 1600, 600);
  cairo_set_operator(cr, CAIRO_OPERATOR_HSL_SATURATION);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  return PngWriter::write(outPng, c.toImage());
}

bool Preview::treeScreenMockup(const std::string& assetDir, const std::string& outPng) {
  Canvas c(1600, 1200);
  Canvas night(800, 600), day(800, 600);
  treeScreenLayer(night, assetDir, false);
  treeScreenLayer(day, assetDir, true);
  // Each light also alone at game size, to be looked at pixel for pixel.
  const std::string stem = outPng.substr(0, outPng.rfind('.'));
  PngWriter::write(stem + "-night.png", night.toImage());
  PngWriter::write(stem + "-day.png", day.toImage());
  c.paint(night, 0, 0);
  c.paint(day, 800, 0);
  c.paint(night, 0, 600);
  c.paint(day, 800, 600);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 600, 1600, 600);
  cairo_set_operator(cr, CAIRO_OPERATOR_HSL_SATURATION);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  return PngWriter::write(outPng, c.toImage());
}

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

namespace {

// The main menu fully slid in: the night tree, a few snowflakes, the title with sparks under
// it, the strip at 65 % with the buttons on it (the first one under the pointer), the bar with
// a greeting.
void mainMenuLayer(Canvas& c, const std::string& dir) {
  Draw d{c, dir};
  const std::string mm = "gfx/gui/mainMenu/";
  landscapeWithTree(c, dir, false);
  const double flakes[][3] = {{80, 120, 0.5}, {620, 90, 0.35}, {720, 330, 0.25}, {330, 420, 0.2}};
  for (const auto& f : flakes) d.image("gfx/particles/snow1.png", f[0], f[1], f[2], f[2], true);
  d.image(mm + "title.png", 400, 60);
  for (int i = 0; i < 7; ++i)
    d.image("gfx/particles/star.png", 190 + i * 70, 85 + (i % 3) * 4, 0.5 + (i % 2) * 0.4, 0.8,
            true);
  d.image(mm + "tlo.png", 48, 170, 1, 0.65, false, true);
  const char* buttons[4] = {"playquest", "settings", "credits", "exit"};
  for (int i = 0; i < 4; ++i)
    d.image(mm + buttons[i] + ".png", 157, 228 + 72 * i, 1, 1, false, false, 196, i == 0 ? 1 : 0);
  d.image(mm + "pasek.png", 0, 558, 1, 1, false, true);
  d.text("gfx/fonts/whitesmall_22.fnt", "Merry Christmas, Robin!", 400, 564, 1);
}

// The loading screen after three of its seven steps, its dots placed as the game places them.
void loadingLayer(Canvas& c, const std::string& dir) {
  Draw d{c, dir};
  d.image("gfx/gui/loading/back.jpg", 0, 0, 1, 1, false, true);
  Image dot;
  if (!d.load("gfx/gui/loading/false.png", dot)) return;
  const int steps = 7, done = 3, spacing = dot.width + 25;
  for (int i = 1; i <= steps; ++i) {
    const int x = 800 / 2 - (steps * spacing) / 2 + spacing / 2 + (i - 1) * spacing, y = 505;
    const bool bright = i <= done;
    // The shadow copy: the bead drawn in black.
    Canvas shadow(c.width(), c.height());
    Draw{shadow, dir}.image("gfx/gui/loading/true.png", x + 2, y + 2);
    cairo_set_operator(shadow.cr(), CAIRO_OPERATOR_IN);
    cairo_set_source_rgb(shadow.cr(), 0, 0, 0);
    cairo_paint(shadow.cr());
    c.paint(shadow, 0, 0, bright ? 0.5 : 0.1);
    d.image("gfx/gui/loading/true.png", x, y, 1, bright ? 1.0 : 0.2);
  }
}

// The credits fully shown over the menu, with lines in the tutorial font.
void creditsLayer(Canvas& c, const std::string& dir) {
  Draw d{c, dir};
  d.image("gfx/gui/credits/back.jpg", 0, 0, 1, 1, false, true);
  const char* lines[] = {"GLIMMERFIR",
                         "",
                         "made by",
                         "The Glimmerfir team",
                         "",
                         "typefaces",
                         "Lobster, Dosis (SIL Open Font License)",
                         "",
                         "music",
                         "traditional carols and winter tunes"};
  double y = 70;
  for (const char* line : lines) {
    d.text("gfx/fonts/tutorial.fnt", line, 400, y, 1);
    y += 38;
  }
}

// The intro at the moment the title has faded in, with a few warm glints around it.
void introLayer(Canvas& c, const std::string& dir) {
  Draw d{c, dir};
  d.image("gfx/intro/village.jpg", 0, 0, 1, 1, false, true);
  d.image("gfx/intro/title.png", 400, 200);
  const double glints[][3] = {{180, 170, 0.35}, {610, 230, 0.25}, {470, 330, 0.5}, {300, 250, 0.2}};
  for (const auto& g : glints) d.image("gfx/intro/glow.png", g[0], g[1], g[2], 0.9, true);
}

}  // namespace

bool Preview::menuScreens(const std::string& assetDir, const std::string& outDir) {
  const std::pair<const char*, void (*)(Canvas&, const std::string&)> screens[] = {
      {"main_menu.png", mainMenuLayer},
      {"loading.png", loadingLayer},
      {"credits.png", creditsLayer},
      {"intro.png", introLayer}};
  bool ok = true;
  for (const auto& [name, layer] : screens) {
    Canvas c(800, 600);
    layer(c, assetDir);
    ok = PngWriter::write(outDir + "/" + name, c.toImage()) && ok;
  }
  return ok;
}

}  // namespace assetgen
