// The seven tile kinds, each with its own silhouette and colour: a red bauble, a gold star, a
// green fir tree, a blue bell, a purple gift, a white snowflake and a pink candy cane. Drawn
// in a 64-unit box and scaled to each tile size; the game adds the drop shadow.
#include <cmath>
#include <string>

#include "board/BoardArt.h"
#include "core/Registry.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using namespace assetgen::board;

Rgba hex(uint32_t v) { return Rgba::hex(v); }

void source(cairo_t* cr, const Rgba& c, double a = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a * a);
}

// A linear gradient light → mid → dark from the upper left to the lower right of a box.
void ramp(cairo_t* cr, const Ramp& r, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, r.light.r, r.light.g, r.light.b);
  cairo_pattern_add_color_stop_rgb(p, 0.45, r.mid.r, r.mid.g, r.mid.b);
  cairo_pattern_add_color_stop_rgb(p, 1, r.dark.r, r.dark.g, r.dark.b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void radialRamp(cairo_t* cr, const Ramp& r, double fx, double fy, double cx, double cy,
                double radius) {
  cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, radius * 0.05, cx, cy, radius);
  cairo_pattern_add_color_stop_rgb(p, 0, r.light.r, r.light.g, r.light.b);
  cairo_pattern_add_color_stop_rgb(p, 0.5, r.mid.r, r.mid.g, r.mid.b);
  cairo_pattern_add_color_stop_rgb(p, 1, r.dark.r, r.dark.g, r.dark.b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

const Ramp kRed{hex(0xFF8A86), hex(0xE8343B), hex(0x9E1824), hex(0x5E0C15)};
const Ramp kGold{hex(0xFFF3C4), hex(0xFFC94D), hex(0xE0901A), hex(0x8F520A)};
const Ramp kGreen{hex(0x8EE08A), hex(0x3FA34D), hex(0x1D6232), hex(0x0E3A1F)};
const Ramp kBlue{hex(0xA8ECFF), hex(0x38A6EC), hex(0x1D58B0), hex(0x102E66)};
const Ramp kPurple{hex(0xDDB3FA), hex(0xA35FE0), hex(0x6A2FA8), hex(0x3A1666)};
const Ramp kIce{hex(0xFFFFFF), hex(0xE4EEFA), hex(0xA8C2E6), hex(0x3F5E94)};
const Ramp kPink{hex(0xFFB3D1), hex(0xFF6FA8), hex(0xD23A78), hex(0x8A1F4C)};

void bauble(cairo_t* cr, Canvas&) {
  // Cap and hook.
  cairo_set_line_width(cr, 1.8);
  cairo_arc(cr, 32, 6.5, 3.2, 0, 2 * M_PI);
  source(cr, kGold.dark);
  cairo_stroke(cr);
  Canvas::roundedRect(cr, 25, 8.5, 14, 7.5, 1.5);
  ramp(cr, kGold, 25, 8.5, 39, 16);
  cairo_fill(cr);
  source(cr, kGold.dark, 0.8);
  cairo_set_line_width(cr, 0.9);
  for (double x = 28; x <= 36; x += 2.7) {
    cairo_move_to(cr, x, 9.5);
    cairo_line_to(cr, x, 15);
  }
  cairo_stroke(cr);
  // Ball.
  cairo_arc(cr, 32, 37, 23, 0, 2 * M_PI);
  radialRamp(cr, kRed, 23, 27, 32, 37, 26);
  cairo_fill(cr);
  // A gold band with beads, bending around the ball.
  cairo_save(cr);
  cairo_arc(cr, 32, 37, 23, 0, 2 * M_PI);
  cairo_clip(cr);
  cairo_move_to(cr, 6, 34);
  cairo_curve_to(cr, 18, 44, 46, 44, 58, 34);
  cairo_set_line_width(cr, 3.2);
  source(cr, kGold.mid);
  cairo_stroke(cr);
  for (int i = 0; i < 6; ++i) {
    double t = (i + 0.5) / 6.0;
    double u = 1 - t;
    double x = u * u * u * 6 + 3 * u * u * t * 18 + 3 * u * t * t * 46 + t * t * t * 58;
    double y = u * u * u * 34 + 3 * u * u * t * 44 + 3 * u * t * t * 44 + t * t * t * 34;
    cairo_arc(cr, x, y + 5.2, 1.4, 0, 2 * M_PI);
    source(cr, kGold.light);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void star(cairo_t* cr, Canvas&) {
  const double cx = 32, cy = 34.5, outer = 29.5, inner = 12.8;
  double px[10], py[10];
  for (int i = 0; i < 10; ++i) {
    double a = (-90 + i * 36) * M_PI / 180;
    double r = i % 2 == 0 ? outer : inner;
    px[i] = cx + r * std::cos(a);
    py[i] = cy + r * std::sin(a);
  }
  // Facets: each triangle lit by how much its outward side faces the upper-left light.
  for (int i = 0; i < 10; ++i) {
    int j = (i + 1) % 10;
    double mx = (px[i] + px[j]) / 2 - cx, my = (py[i] + py[j]) / 2 - cy;
    double len = std::hypot(mx, my);
    double lit = (-(mx / len) * 0.7071 - (my / len) * 0.7071) * 0.5 + 0.5;
    Rgba c = lit > 0.5 ? kGold.mid.mix(kGold.light, (lit - 0.5) * 1.6)
                       : kGold.dark.mix(kGold.mid, lit * 2.0);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, px[i], py[i]);
    cairo_line_to(cr, px[j], py[j]);
    cairo_close_path(cr);
    source(cr, c);
    cairo_set_line_width(cr, 0.6);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);  // closes hairline gaps between facets
  }
}

void firTree(cairo_t* cr, Canvas&) {
  // Trunk.
  Canvas::roundedRect(cr, 27.5, 51, 9, 9, 1.5);
  source(cr, hex(0x7A4A24));
  cairo_fill(cr);
  // Three tiers, widest at the bottom, each with a gently curved hem.
  struct Tier {
    double top, bottom, half;
  } tiers[] = {{27, 54, 26}, {15, 42, 20}, {5, 29, 14}};
  for (const auto& t : tiers) {
    cairo_move_to(cr, 32, t.top);
    cairo_curve_to(cr, 32 - t.half * 0.4, t.top + (t.bottom - t.top) * 0.45, 32 - t.half * 0.8,
                   t.bottom - 4, 32 - t.half, t.bottom - 1);
    cairo_curve_to(cr, 32 - t.half * 0.4, t.bottom + 2, 32 + t.half * 0.4, t.bottom + 2,
                   32 + t.half, t.bottom - 1);
    cairo_curve_to(cr, 32 + t.half * 0.8, t.bottom - 4, 32 + t.half * 0.4,
                   t.top + (t.bottom - t.top) * 0.45, 32, t.top);
    cairo_close_path(cr);
    ramp(cr, kGreen, 32 - t.half, t.top, 32 + t.half * 0.9, t.bottom + 3);
    cairo_fill(cr);
    // A darker fold under the tier above.
    cairo_move_to(cr, 32 - t.half * 0.9, t.bottom - 1.5);
    cairo_curve_to(cr, 32 - t.half * 0.4, t.bottom + 1, 32 + t.half * 0.4, t.bottom + 1,
                   32 + t.half * 0.9, t.bottom - 1.5);
    cairo_set_line_width(cr, 1.3);
    source(cr, kGreen.dark, 0.8);
    cairo_stroke(cr);
  }
  // Gold and red lights.
  const double lights[][3] = {{24, 48, 0}, {40, 46, 1}, {31, 37, 0},
                              {22, 35, 1}, {37, 25, 1}, {28, 21, 0}};
  for (const auto& l : lights) {
    cairo_arc(cr, l[0], l[1], 2.1, 0, 2 * M_PI);
    source(cr, l[2] > 0 ? hex(0xFF5A5F) : kGold.light);
    cairo_fill(cr);
  }
}

void bell(cairo_t* cr, Canvas&) {
  // Hanging loop.
  cairo_arc(cr, 32, 7, 3.4, 0, 2 * M_PI);
  cairo_set_line_width(cr, 2.2);
  source(cr, kGold.dark);
  cairo_stroke(cr);
  // Clapper.
  cairo_arc(cr, 32, 54.5, 5.2, 0, 2 * M_PI);
  radialRamp(cr, kGold, 30, 52, 32, 54.5, 6);
  cairo_fill(cr);
  // Body.
  cairo_move_to(cr, 32, 9.5);
  cairo_curve_to(cr, 20, 9.5, 16, 18, 16, 29);
  cairo_curve_to(cr, 16, 39, 13, 44, 7, 48.5);
  cairo_curve_to(cr, 5, 50.5, 6.5, 53, 10, 53);
  cairo_line_to(cr, 54, 53);
  cairo_curve_to(cr, 57.5, 53, 59, 50.5, 57, 48.5);
  cairo_curve_to(cr, 51, 44, 48, 39, 48, 29);
  cairo_curve_to(cr, 48, 18, 44, 9.5, 32, 9.5);
  cairo_close_path(cr);
  ramp(cr, kBlue, 12, 10, 54, 52);
  cairo_fill(cr);
  // Gold band near the lip, following the bell's curve.
  cairo_move_to(cr, 11.5, 46);
  cairo_curve_to(cr, 22, 50, 42, 50, 52.5, 46);
  cairo_set_line_width(cr, 3.4);
  source(cr, kGold.mid);
  cairo_stroke(cr);
  cairo_move_to(cr, 17.5, 24);
  cairo_curve_to(cr, 26, 26.5, 38, 26.5, 46.5, 24);
  cairo_set_line_width(cr, 1.6);
  source(cr, kGold.light, 0.9);
  cairo_stroke(cr);
}

void gift(cairo_t* cr, Canvas&) {
  // Bow loops behind the lid.
  auto loop = [&](double cx, double cy, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, 9, 5.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    ramp(cr, kGold, cx - 9, cy - 6, cx + 9, cy + 6);
    cairo_fill(cr);
  };
  loop(23.5, 13, 0.45);
  loop(40.5, 13, -0.45);
  // Box and lid.
  Canvas::roundedRect(cr, 10.5, 25, 43, 33, 3);
  ramp(cr, kPurple, 10, 25, 54, 58);
  cairo_fill(cr);
  Canvas::roundedRect(cr, 7, 17.5, 50, 11, 2.5);
  ramp(cr, {kPurple.light, kPurple.light.mix(kPurple.mid, 0.6), kPurple.mid, kPurple.edge}, 7, 17.5,
       57, 28.5);
  cairo_fill(cr);
  // Shadow of the lid on the box.
  cairo_rectangle(cr, 10.5, 28.5, 43, 2.5);
  source(cr, kPurple.edge, 0.45);
  cairo_fill(cr);
  // Ribbon.
  cairo_rectangle(cr, 28, 17.5, 8, 40.5);
  ramp(cr, kGold, 28, 17.5, 36, 58);
  cairo_fill(cr);
  cairo_rectangle(cr, 34.5, 17.5, 1.5, 40.5);
  source(cr, kGold.dark, 0.7);
  cairo_fill(cr);
  // Knot.
  Canvas::roundedRect(cr, 28, 12, 8, 7, 2.5);
  ramp(cr, kGold, 28, 12, 36, 19);
  cairo_fill(cr);
}

void snowflake(cairo_t* cr, Canvas&) {
  const double cx = 32, cy = 32;
  auto arms = [&](double width, const Rgba& c, double a) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width);
    for (int k = 0; k < 6; ++k) {
      double ang = (-90 + 60 * k) * M_PI / 180;
      double ux = std::cos(ang), uy = std::sin(ang);
      double vx = -uy, vy = ux;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + ux * 26.5, cy + uy * 26.5);
      for (auto [at, len] : {std::pair{12.5, 9.0}, std::pair{20.0, 6.5}}) {
        double bx = cx + ux * at, by = cy + uy * at;
        for (int side : {-1, 1}) {
          cairo_move_to(cr, bx, by);
          cairo_line_to(cr, bx + (ux * 0.7 + vx * side * 0.7) * len,
                        by + (uy * 0.7 + vy * side * 0.7) * len);
        }
      }
    }
    source(cr, c, a);
    cairo_stroke(cr);
  };
  arms(4.6, kIce.mid, 1.0);
  // The inner hexagon.
  cairo_new_sub_path(cr);
  for (int k = 0; k < 6; ++k) {
    double ang = (-90 + 60 * k) * M_PI / 180;
    cairo_line_to(cr, cx + 8.5 * std::cos(ang), cy + 8.5 * std::sin(ang));
  }
  cairo_close_path(cr);
  radialRamp(cr, kIce, 28, 28, 32, 32, 10);
  cairo_fill(cr);
  // Icy colour toward the lower right, frost at the upper left.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  ramp(cr, {kIce.light, kIce.mid, hex(0x86B4EA), kIce.edge}, 6, 6, 58, 58);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_arc(cr, cx, cy, 3.2, 0, 2 * M_PI);
  source(cr, hex(0x8FD6F5));
  cairo_fill(cr);
}

void candyCane(cairo_t* cr, Canvas& body) {
  auto path = [&] {
    cairo_move_to(cr, 40, 55.5);
    cairo_line_to(cr, 40, 21.5);
    cairo_arc_negative(cr, 28, 21.5, 12, 0, -M_PI);
    cairo_line_to(cr, 16, 28.5);
  };
  cairo_save(cr);
  cairo_translate(cr, 32, 32);
  cairo_rotate(cr, 0.18);
  cairo_translate(cr, -32, -32);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 13.5);
  path();
  source(cr, hex(0xFBFDFF));
  cairo_stroke(cr);

  // Stripes, kept inside the cane.
  Canvas stripes(body.width(), body.height());
  cairo_t* s = stripes.cr();
  cairo_matrix_t mtx;
  cairo_get_matrix(cr, &mtx);
  cairo_set_matrix(s, &mtx);
  for (double o = -70; o < 90; o += 11) {
    cairo_move_to(s, o, 64);
    cairo_line_to(s, o + 64, 0);
    cairo_line_to(s, o + 69.5, 0);
    cairo_line_to(s, o + 5.5, 64);
    cairo_close_path(s);
  }
  ramp(s, kPink, 10, 10, 50, 58);
  cairo_fill(s);
  assetgen::board::maskWith(stripes, body);
  body.paint(stripes, 0, 0);

  // Roundness of the tube: light along its upper-left side, shade along the other.
  cairo_set_line_width(cr, 3.2);
  cairo_save(cr);
  cairo_translate(cr, -2.4, -1.2);
  path();
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 2.6, 1.6);
  path();
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 0.45, 0.05, 0.2, 0.28);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Each kind draws into the body canvas (scaled to 64 units); the canvas is there for kinds
// that mask layers against what they drew.
struct Kind {
  int id;
  Ramp ramp;
  double gloss;
  void (*draw)(cairo_t*, Canvas&);
};

const Kind kKinds[] = {{1, kRed, 0.75, bauble},    {2, kGold, 0.55, star},
                       {3, kGreen, 0.45, firTree}, {4, kBlue, 0.7, bell},
                       {5, kPurple, 0.5, gift},    {6, kIce, 0.35, snowflake},
                       {7, kPink, 0.45, candyCane}};

}  // namespace

namespace assetgen::board {

Image drawTile(int id, int size) {
  const Kind& k = kKinds[(id - 1) % 7];
  Canvas body(size, size);
  cairo_t* cr = body.cr();
  cairo_scale(cr, size / 64.0, size / 64.0);
  k.draw(cr, body);
  Canvas out(size, size);
  Finish f{k.ramp, 1.15 + size * 0.012, k.gloss, 0.55, 0.35};
  if (id == 6) f.outline += 0.25;  // thin arms need a firmer edge to read at small sizes
  finishPiece(out, body, f);
  return out.toImage();
}

}  // namespace assetgen::board

namespace {

void registerKind(assetgen::Output& out, int id) {
  for (int size : kTileSizes)
    out.savePng("gfx/tiles/tile" + std::to_string(id) + "_" + std::to_string(size) + ".png",
                drawTile(id, size));
}

ASSETGEN_REGISTER("board-tile1", [](assetgen::Output& o) { registerKind(o, 1); });
ASSETGEN_REGISTER("board-tile2", [](assetgen::Output& o) { registerKind(o, 2); });
ASSETGEN_REGISTER("board-tile3", [](assetgen::Output& o) { registerKind(o, 3); });
ASSETGEN_REGISTER("board-tile4", [](assetgen::Output& o) { registerKind(o, 4); });
ASSETGEN_REGISTER("board-tile5", [](assetgen::Output& o) { registerKind(o, 5); });
ASSETGEN_REGISTER("board-tile6", [](assetgen::Output& o) { registerKind(o, 6); });
ASSETGEN_REGISTER("board-tile7", [](assetgen::Output& o) { registerKind(o, 7); });

}  // namespace
