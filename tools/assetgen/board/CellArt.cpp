// What lies under and over a tile: the glass cells and the plates to clear (one and two
// layers), the chain overlays, the sparkle strip that runs over a plate now and then, and the
// shards a broken plate flies apart into (cut from the plate pictures, 3 x 3, row by row).
#include <algorithm>
#include <cmath>
#include <string>

#include "board/BoardArt.h"
#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Image;
using assetgen::Rgba;
using namespace assetgen::board;

void savePlates(assetgen::Output& out, PlateKind kind, const std::string& name) {
  for (int size : kTileSizes)
    out.savePng("gfx/tiles/backs/" + name + "_" + std::to_string(size) + ".png",
                drawPlate(kind, size));
}

ASSETGEN_REGISTER("board-cell",
                  [](assetgen::Output& o) { savePlates(o, PlateKind::PlainCell, "cell"); });
ASSETGEN_REGISTER("board-plate-purple",
                  [](assetgen::Output& o) { savePlates(o, PlateKind::Purple, "plate_purple"); });
ASSETGEN_REGISTER("board-plate-gold",
                  [](assetgen::Output& o) { savePlates(o, PlateKind::Gold, "plate_gold"); });
ASSETGEN_REGISTER("board-plate-purple2", [](assetgen::Output& o) {
  savePlates(o, PlateKind::PurpleDouble, "plate_purple2");
});
ASSETGEN_REGISTER("board-plate-gold2", [](assetgen::Output& o) {
  savePlates(o, PlateKind::GoldOnPurple, "plate_gold2");
});

// ---- chains ----

const Rgba kSteelLight = Rgba::hex(0xF2F6FC), kSteelMid = Rgba::hex(0xA3B1C6),
           kSteelDark = Rgba::hex(0x56627A), kSteelEdge = Rgba::hex(0x1E2533);

// One chain of links along the line from (x0, y0) to (x1, y1), in 64-unit space. Links face
// the viewer and turn edge-on in turn.
void chainLine(cairo_t* cr, double x0, double y0, double x1, double y1, int phase) {
  double len = std::hypot(x1 - x0, y1 - y0);
  double ux = (x1 - x0) / len, uy = (y1 - y0) / len;
  const double pitch = 13.0;
  int n = static_cast<int>(len / pitch) + 1;
  for (int pass = 0; pass < 2; ++pass)  // edge-on links under the face-on ones
    for (int i = 0; i < n; ++i) {
      bool face = (i + phase) % 2 == 0;
      if (face != (pass == 1)) continue;
      double cx = x0 + ux * (i + 0.5) * pitch, cy = y0 + uy * (i + 0.5) * pitch;
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, std::atan2(uy, ux));
      if (face) {
        Canvas::roundedRect(cr, -9.5, -6, 19, 12, 6);
        cairo_set_line_width(cr, 6.4);
        cairo_set_source_rgba(cr, kSteelEdge.r, kSteelEdge.g, kSteelEdge.b, 1);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 3.9);
        cairo_pattern_t* g = cairo_pattern_create_linear(-6, -8, 6, 8);
        cairo_pattern_add_color_stop_rgb(g, 0, kSteelLight.r, kSteelLight.g, kSteelLight.b);
        cairo_pattern_add_color_stop_rgb(g, 0.5, kSteelMid.r, kSteelMid.g, kSteelMid.b);
        cairo_pattern_add_color_stop_rgb(g, 1, kSteelDark.r, kSteelDark.g, kSteelDark.b);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_stroke(cr);
        // Glint on the upper-left curve of the ring.
        cairo_set_line_width(cr, 1.1);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
        cairo_arc(cr, -3.5, -0.5, 5.0, M_PI * 1.05, M_PI * 1.45);
        cairo_stroke(cr);
      } else {
        Canvas::roundedRect(cr, -10, -2.8, 20, 5.6, 2.8);
        cairo_set_source_rgba(cr, kSteelEdge.r, kSteelEdge.g, kSteelEdge.b, 1);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke_preserve(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, -2.8, 0, 2.8);
        cairo_pattern_add_color_stop_rgb(g, 0, kSteelLight.r, kSteelLight.g, kSteelLight.b);
        cairo_pattern_add_color_stop_rgb(g, 1, kSteelDark.r, kSteelDark.g, kSteelDark.b);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_fill(cr);
      }
      cairo_restore(cr);
    }
}

Image drawChain(int level, int size) {
  Canvas links(size, size);
  cairo_t* cr = links.cr();
  cairo_scale(cr, size / 64.0, size / 64.0);
  chainLine(cr, -3, 67, 67, -3, 0);
  if (level == 2) chainLine(cr, -3, -3, 67, 67, 1);
  // The chains lie on top of the tile: a soft shadow under them.
  Canvas out(size, size);
  AlphaMap m = alphaOf(links);
  Canvas shadow(size, size);
  paintMap(shadow, m, {0, 0, 0.05, 1}, 0.5);
  shadow.blur(size / 30.0);
  out.paint(shadow, size / 42.0, size / 28.0);
  out.paint(links, 0, 0);
  return out.toImage();
}

void saveChains(assetgen::Output& out) {
  for (int level : {1, 2})
    for (int size : kTileSizes)
      out.savePng(
          "gfx/tiles/backs/chain" + std::to_string(level) + "_" + std::to_string(size) + ".png",
          drawChain(level, size));
}
ASSETGEN_REGISTER("board-chains", saveChains);

// ---- sparkle strip ----

// Frame f of 9: a band of light sweeps across the plate from the upper left while a star of
// light swells and fades at its corner; the last frames only glow out.
Image drawBlink(int f) {
  const int s = kStripCell;
  Canvas c(s, s);
  cairo_t* cr = c.cr();
  double t = f / 6.0;  // the board plays frames 0..6
  if (f <= 6) {
    cairo_save(cr);
    Canvas::roundedRect(cr, 2, 2, 38, 38, 6);
    cairo_clip(cr);
    double p = -20 + t * 80;  // position of the band along the diagonal
    cairo_pattern_t* g = cairo_pattern_create_linear(p - 10, p - 10, p + 10, p + 10);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.9, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 0.92, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.9, 0);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  double swell = std::sin(std::clamp((f - 0.5) / 7.0, 0.0, 1.0) * M_PI);
  if (swell > 0.01) {
    double cx = 13 + f * 1.2, cy = 12 + f * 0.9;
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 9 * swell + 1);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.97, 0.85, 0.8 * swell);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.97, 0.85, 0);
    cairo_set_source(cr, halo);
    cairo_pattern_destroy(halo);
    cairo_paint(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, std::min(1.0, swell * 1.3));
    Canvas::star(cr, cx, cy, 12 * swell, 1.4 * swell, 4, -90 + f * 8);
    cairo_fill(cr);
  }
  return c.toImage();
}

void saveBlink(assetgen::Output& out) {
  std::vector<Image> frames;
  for (int f = 0; f < 9; ++f) frames.push_back(drawBlink(f));
  out.savePng("gfx/tiles/backs/blink.png", strip(frames), kStripCell, kStripCell, 9);
}
ASSETGEN_REGISTER("board-blink", saveBlink);

// ---- plate shards ----

// Cuts the 42-pixel plate along two jagged lines each way; piece n (row by row) becomes its
// own picture, centred on the piece, with a bright edge where it cracked.
void saveShards(assetgen::Output& out, PlateKind kind, const std::string& name, int cut1, int cut2,
                uint64_t seed) {
  Image plate = drawPlate(kind, 42);
  assetgen::Rng rng(seed);
  // Crack lines as offsets sampled every 6 px, linearly joined.
  auto crack = [&] {
    std::vector<double> v(9);
    for (auto& d : v) d = rng.range(-3.0, 3.0);
    return v;
  };
  std::vector<double> vx1 = crack(), vx2 = crack(), hy1 = crack(), hy2 = crack();
  auto along = [](const std::vector<double>& v, double t) {
    double u = std::clamp(t / 6.0, 0.0, 7.999);
    int i = static_cast<int>(u);
    return v[i] + (v[i + 1] - v[i]) * (u - i);
  };
  auto pieceAt = [&](int x, int y) {
    double px = x + 0.5, py = y + 0.5;
    int col = px < cut1 + along(vx1, py) ? 0 : px < cut2 + along(vx2, py) ? 1 : 2;
    int row = py < cut1 + along(hy1, px) ? 0 : py < cut2 + along(hy2, px) ? 1 : 2;
    return row * 3 + col;
  };
  const int box = 22;
  for (int n = 0; n < 9; ++n) {
    double sx = 0, sy = 0, count = 0;
    for (int y = 0; y < 42; ++y)
      for (int x = 0; x < 42; ++x)
        if (pieceAt(x, y) == n && plate.pixel(x, y)[3] > 0) sx += x, sy += y, count += 1;
    int ox = static_cast<int>(std::lround(sx / std::max(1.0, count))) - box / 2;
    int oy = static_cast<int>(std::lround(sy / std::max(1.0, count))) - box / 2;
    Image shard(box, box);
    for (int y = 0; y < box; ++y)
      for (int x = 0; x < box; ++x) {
        int px = ox + x, py = oy + y;
        if (px < 0 || py < 0 || px >= 42 || py >= 42 || pieceAt(px, py) != n) continue;
        std::copy_n(plate.pixel(px, py), 4, shard.pixel(x, y));
        bool edge = false;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          int qx = px + dx, qy = py + dy;
          if (qx >= 0 && qy >= 0 && qx < 42 && qy < 42 && pieceAt(qx, qy) != n) edge = true;
        }
        if (edge) {
          uint8_t* p = shard.pixel(x, y);
          for (int ch = 0; ch < 3; ++ch) p[ch] = static_cast<uint8_t>(p[ch] + (255 - p[ch]) / 2);
        }
      }
    out.savePng("gfx/particles/" + name + "_" + std::to_string(n + 1) + ".png", shard);
  }
}

ASSETGEN_REGISTER("board-shards-purple", [](assetgen::Output& o) {
  saveShards(o, PlateKind::Purple, "plate_purple", 14, 28, 0x5AAD1);
});
ASSETGEN_REGISTER("board-shards-gold", [](assetgen::Output& o) {
  saveShards(o, PlateKind::Gold, "plate_gold", 16, 28, 0x90D1);
});

}  // namespace
