// The Christmas tree of the tree screen: five layer pictures (the apex tier in front, the
// bottom tier with the trunk at the back), each in a night and a day version. A tier is a
// skirt of drooping fronds: a filled body, needle strokes over it, snow on the upper side.
// The geometry of a layer is drawn once per palette from the same seed, so night and day
// share one alpha mask; the game tests points against that mask to choose a layer.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/Registry.h"
#include "core/Rng.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;
using assetgen::Rng;

constexpr double kAxis = 458;  // the trunk's screen x

struct Pt {
  double x = 0, y = 0;
};
Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
Pt operator*(Pt a, double s) { return {a.x * s, a.y * s}; }
Pt unit(Pt a) {
  double l = std::hypot(a.x, a.y);
  return l > 0 ? a * (1 / l) : Pt{0, 1};
}

struct Palette {
  Rgba core;
  Rgba needle[4];  // deep shade, body, lit, fresh tips
  Rgba snow[3];    // shadow, body, highlight
  Rgba rim;        // edge light
  double rimStrength;
  int rimDx;  // the side the rim light comes from (+1 right, -1 left)
  Rgba bark[2];
};

const Palette kNight{
    Rgba::hex(0x04130C),
    {Rgba::hex(0x061D14), Rgba::hex(0x103A25), Rgba::hex(0x1D6038), Rgba::hex(0x3A7F5A)},
    {Rgba::hex(0x5A74A6), Rgba::hex(0xB7CDE8), Rgba::hex(0xEAF2FF)},
    Rgba::hex(0xB8D4FA),
    0.75,
    1,
    {Rgba::hex(0x2A1A12), Rgba::hex(0x5A3A26)}};

const Palette kDay{
    Rgba::hex(0x0B331A),
    {Rgba::hex(0x154A26), Rgba::hex(0x277A39), Rgba::hex(0x3FA34D), Rgba::hex(0x7BC760)},
    {Rgba::hex(0xA9C2E4), Rgba::hex(0xF4F8FF), Rgba::hex(0xFFFFFF)},
    Rgba::hex(0xFFE9A8),
    0.55,
    -1,
    {Rgba::hex(0x4A2E1C), Rgba::hex(0x8A5A36)}};

// A light value 0 … 1 along the needle ramp.
Rgba needleColour(const Palette& p, double light) {
  light = std::clamp(light, 0.0, 1.0) * 3;
  int i = std::min(2, static_cast<int>(light));
  return p.needle[i].mix(p.needle[i + 1], light - i);
}

// One tier of the tree in screen coordinates.
struct Tier {
  double top, bottom, halfWidth, topFraction;
  int rows;
  double halfWidthAt(double y) const {
    double f = std::clamp((y - top) / (bottom - top), 0.0, 1.0);
    // Narrow under the tier above, flaring out toward the drooping fringe.
    return halfWidth * (topFraction + (1 - topFraction) * std::pow(f, 1.45));
  }
};

// Picture k = layer k - 1: canvas size and screen centre (mid-handled), and its tier.
struct Layer {
  int width, height, cx, cy;
  Tier tier;
};

const Layer kLayers[5] = {
    {170, 160, 458, 175, {101, 243, 74, 0.0, 4}},   {240, 160, 458, 245, {170, 315, 110, 0.2, 3}},
    {300, 165, 458, 317, {242, 389, 140, 0.22, 3}}, {350, 165, 458, 390, {314, 461, 166, 0.25, 3}},
    {400, 190, 458, 455, {368, 519, 188, 0.28, 3}},
};

// A drooping branch: a quadratic curve from the trunk to its tip, `width` half-wide at its
// root and tapering to the tip. Side branches are seen at full length; those pointing at the
// viewer are short, wide clumps.
struct Frond {
  Pt root, ctrl, tip;
  double width;
  double snow;  // 0 … 1
  double side;  // 0 pointing at the viewer … 1 seen side-on
  double lift;  // how much lighter the whole frond is (the fronds in front catch more light)
  Pt at(double t) const {
    double u = 1 - t;
    return root * (u * u) + ctrl * (2 * u * t) + tip * (t * t);
  }
  Pt direction(double t) const { return unit((ctrl - root) * (1 - t) + (tip - ctrl) * t); }
  double widthAt(double t) const { return width * (1 - 0.72 * t * t); }
  double length() const { return std::hypot(tip.x - root.x, tip.y - root.y) + 1; }
};

// The fronds of one row of a tier, back (outer) ones first.
std::vector<Frond> rowFronds(const Tier& tier, double rowY, double rowHeight, Rng& rng) {
  double hw = tier.halfWidthAt(rowY);
  int count = std::max(3, static_cast<int>(std::lround(2 * hw / 24)) | 1);
  std::vector<Frond> fronds;
  for (int j = 0; j < count; ++j) {
    double u = -1 + 2.0 * j / (count - 1) + rng.range(-0.04, 0.04);
    u = std::clamp(u, -1.0, 1.0);
    double side = std::abs(u);
    double b = hw * 0.06;
    Pt tip{kAxis + u * hw, rowY - b * (1 - std::sqrt(1 - u * u)) + rng.range(-2, 2)};
    // Every frond reaches outward and down, the side ones nearly level; near the middle
    // they lean either way.
    double sign = u > 0.12 ? 1 : (u < -0.12 ? -1 : (rng.uniform() < 0.5 ? -1 : 1));
    double lean = (35 + 48 * side) * M_PI / 180;
    double rise = rowHeight * (0.55 + 0.45 * side);
    // Kept clear of the picture's top edge, so nothing is cut off there.
    double rootY = std::max(tip.y - rise, tier.top + 13);
    double reach = std::max(0.0, tier.halfWidthAt(rootY) * 0.9);
    double rootX = std::clamp(tip.x - sign * rise * std::tan(lean), kAxis - reach, kAxis + reach);
    if (side > 0.8) rootX = kAxis + sign * tier.halfWidthAt(rootY) * 0.25;
    Pt root{rootX, rootY};
    Pt ctrl = root + (tip - root) * (0.5 + 0.2 * side) + Pt{0, -rise * 0.3 * side};
    ctrl.y = std::max(ctrl.y, tier.top + 10);
    double width = std::max(6.0, hw * 2.0 / count) * rng.range(0.95, 1.12) * (1.35 - 0.4 * side);
    double snow = rng.uniform() < 0.1 ? 0.3 : rng.range(0.75, 1.0);
    fronds.push_back({root, ctrl, tip, width, snow, side, 0.16 * (1 - side)});
  }
  std::stable_sort(fronds.begin(), fronds.end(),
                   [](const Frond& a, const Frond& b) { return a.side > b.side; });
  return fronds;
}

// The leader shoot at the apex, pointing up.
Frond leader(const Tier& tier) {
  Pt tip{kAxis, tier.top + 2};  // its needles reach a little above
  Pt root{kAxis, tier.top + 34};
  return {root, {kAxis + 0.5, tier.top + 18}, tip, 6, 0.0, 0.0, 0.25};
}

// One row of fronds across a tier, and the snow lying along it.
struct Row {
  double y, height, halfWidth;
  double snow;  // how much snow lies along it: the fringe row of a tier carries the most
  std::vector<Frond> fronds;
};

// The rows of a tier in drawing order: lower rows first, the rows above droop over them.
std::vector<Row> tierRows(const Tier& tier, uint64_t seed, bool apex) {
  Rng rng(seed);
  std::vector<Row> rows;
  double height = tier.bottom - tier.top;
  for (int r = tier.rows - 1; r >= 0; --r) {
    double f = static_cast<double>(r + 1) / tier.rows;
    double rowY = tier.top + height * (apex ? 0.12 + 0.88 * f : 0.2 + 0.8 * f);
    double rowHeight = height / tier.rows * (apex && r == 0 ? 1.0 : 1.25);
    double snow = r == tier.rows - 1 ? 1.0 : 0.8;
    rows.push_back(
        {rowY, rowHeight, tier.halfWidthAt(rowY), snow, rowFronds(tier, rowY, rowHeight, rng)});
  }
  if (apex) rows.back().fronds.push_back(leader(tier));
  return rows;
}

// Painting ----------------------------------------------------------------------------------

// How lit a point of the tier is: from the top left, darker under the tier above.
double tierLight(const Tier& tier, Pt p, bool underTierAbove) {
  double hw = std::max(10.0, tier.halfWidthAt(p.y));
  double across = (p.x - kAxis) / hw;  // -1 left … +1 right
  double down = (p.y - tier.top) / (tier.bottom - tier.top);
  double light = 0.5 - 0.3 * across + 0.1 * (1 - down);
  if (underTierAbove) light -= 0.35 * std::max(0.0, 1 - down * 2.2);
  return light;
}

void fillBody(Canvas& c, const Frond& f, const Rgba& colour) {
  cairo_t* cr = c.cr();
  const int steps = 14;
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps;
    Pt d = f.direction(t), n{-d.y, d.x};
    Pt p = f.at(t) + n * (f.widthAt(t) * 0.62);
    if (i == 0)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  for (int i = steps; i >= 0; --i) {
    double t = static_cast<double>(i) / steps;
    Pt d = f.direction(t), n{-d.y, d.x};
    Pt p = f.at(t) - n * (f.widthAt(t) * 0.62);
    cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
  c.setColor(colour);
  cairo_fill(cr);
}

// Needle strokes over the frond, from its root to its tip, pointing forward and out like the
// needles of a fir twig.
void needles(Canvas& c, const Frond& f, const Tier& tier, const Palette& pal, bool shaded,
             double lineWidth, Rng& rng) {
  cairo_t* cr = c.cr();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, lineWidth);
  int steps = std::max(10, static_cast<int>(f.length() / 1.3));
  bool upward = f.tip.y < f.root.y;
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps;
    Pt p = f.at(t), d = f.direction(t), n{-d.y, d.x};
    for (int s = -1; s <= 1; s += 2) {
      Pt side = n * s;
      bool upper = side.y < 0;
      double spread = rng.uniform();
      double a = rng.range(0.45, 1.0);
      Pt dir = unit(d * std::cos(a) + side * std::sin(a) + Pt{0, upward ? -0.1 : 0.3});
      double w = f.widthAt(t);
      Pt from = p + side * (w * 0.55 * spread);
      double len = w * (0.75 - 0.35 * spread) * rng.range(0.8, 1.25) + 1.8;
      Pt to = from + dir * len;
      double light = tierLight(tier, p, shaded) + f.lift + 0.22 * t + (upper ? 0.1 : -0.2) +
                     0.12 * spread * (upper ? 1 : -1) + rng.range(-0.12, 0.12);
      c.setColor(needleColour(pal, light));
      cairo_move_to(cr, from.x, from.y);
      cairo_line_to(cr, to.x, to.y);
      cairo_stroke(cr);
    }
  }
}

// Snow lying along the upper side of a frond, thinning toward its drooping tip.
void snow(Canvas& c, const Frond& f, const Palette& pal, Rng& rng, double amount) {
  cairo_t* cr = c.cr();
  int steps = std::max(6, static_cast<int>(f.length() / 2.0));
  struct Lump {
    Pt p;
    double r;
  };
  std::vector<Lump> lumps;
  for (int i = 0; i <= steps; ++i) {
    double t = 0.05 + 0.75 * i / steps;
    Pt d = f.direction(t);
    double flat = std::clamp(1.5 - 1.1 * std::abs(d.y), 0.0, 1.0);
    double r =
        f.widthAt(t) * 0.58 * f.snow * amount * flat * rng.range(0.55, 1.25) * (1 - 0.45 * t);
    Pt p = f.at(t) + Pt{rng.range(-0.6, 0.6), -f.widthAt(t) * 0.22 + rng.range(-0.25, 0.25) * r};
    lumps.push_back({p, r});
    // Crumbs fallen a little lower, so the lower edge of the snow is not a smooth line.
    if (rng.uniform() < 0.3) lumps.push_back({p + Pt{rng.range(-1.5, 1.5), r * 0.7}, r * 0.4});
  }
  const double offset[3][2] = {{0.5, 1.4}, {0, 0}, {-0.6, -0.9}};
  const double shrink[3] = {1.0, 0.9, 0.5};
  for (int layer = 0; layer < 3; ++layer) {
    c.setColor(pal.snow[layer]);
    for (const Lump& l : lumps) {
      double r = l.r * shrink[layer];
      if (r < 0.9) continue;
      cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, l.p.x + offset[layer][0], l.p.y + offset[layer][1]);
      cairo_scale(cr, 1.25, 0.8);  // snow lies in flat cushions
      cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
      cairo_restore(cr);
    }
    cairo_fill(cr);
  }
}

// The inside of the tier: deep shade showing through the gaps between fronds.
void coreFill(Canvas& c, const Tier& tier, const Palette& pal) {
  cairo_t* cr = c.cr();
  double bottom = tier.bottom - 14;
  double hwTop = tier.halfWidthAt(tier.top) * 0.6, hwBottom = tier.halfWidthAt(bottom) * 0.78;
  cairo_move_to(cr, kAxis - hwTop, tier.top + 6);
  cairo_line_to(cr, kAxis + hwTop, tier.top + 6);
  cairo_line_to(cr, kAxis + hwBottom, bottom);
  cairo_curve_to(cr, kAxis + hwBottom * 0.5, bottom + 8, kAxis - hwBottom * 0.5, bottom + 8,
                 kAxis - hwBottom, bottom);
  cairo_close_path(cr);
  c.setColor(pal.core);
  cairo_fill(cr);
}

void trunk(Canvas& c, const Palette& pal, Rng& rng) {
  cairo_t* cr = c.cr();
  cairo_move_to(cr, kAxis - 11, 470);
  cairo_line_to(cr, kAxis + 11, 470);
  cairo_line_to(cr, kAxis + 14, 543);
  cairo_curve_to(cr, kAxis + 5, 546, kAxis - 5, 546, kAxis - 14, 543);
  cairo_close_path(cr);
  c.linearGradient(kAxis - 14, 0, kAxis + 14, 0,
                   {{0, pal.bark[1]}, {0.35, pal.bark[1].mix(pal.bark[0], 0.2)}, {1, pal.bark[0]}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 9; ++i) {
    double x = kAxis - 10 + i * 2.5 + rng.range(-0.6, 0.6);
    c.setColor(pal.bark[0].withAlpha(0.55));
    cairo_move_to(cr, x, 472 + rng.range(0, 20));
    cairo_line_to(cr, x + (x - kAxis) * 0.12, 540 - rng.range(0, 18));
    cairo_stroke(cr);
  }
  // A little drift of snow around its foot.
  for (int i = -3; i <= 3; ++i) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, kAxis + i * 7.5, 545.5 - (3 - std::abs(i)) * 0.5);
    cairo_scale(cr, 1.6, 0.75);
    cairo_arc(cr, 0, 0, 5.5 - std::abs(i) * 0.6, 0, 2 * M_PI);
    cairo_restore(cr);
  }
  c.linearGradient(0, 540, 0, 550, {{0, pal.snow[2]}, {1, pal.snow[0]}});
  cairo_fill(cr);
}

// Shade painted over what is there without changing its coverage.
void shade(Canvas& c, const Tier& tier, bool underTierAbove) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  double hw = tier.halfWidth;
  c.linearGradient(kAxis - hw * 0.1, tier.top, kAxis + hw, tier.bottom,
                   {{0, Rgba::hex(0x000000, 0)}, {1, Rgba::hex(0x000010, 0.4)}});
  cairo_paint(cr);
  if (underTierAbove) {
    double h = tier.bottom - tier.top;
    c.linearGradient(0, tier.top, 0, tier.top + h * 0.55,
                     {{0, Rgba::hex(0x000008, 0.6)}, {1, Rgba::hex(0x000008, 0)}});
    cairo_paint(cr);
  }
  cairo_restore(cr);
}

// A rim of light on the edges that face the light: the colour leans toward the rim colour
// where the neighbour up and toward the light is transparent. Coverage is left alone.
void rimLight(assetgen::Image& img, const Palette& pal) {
  const assetgen::Image src = img;
  auto alphaAt = [&](int x, int y) -> double {
    if (x < 0 || y < 0 || x >= src.width || y >= src.height) return 0;
    return src.pixel(x, y)[3] / 255.0;
  };
  const double rim[3] = {pal.rim.r * 255, pal.rim.g * 255, pal.rim.b * 255};
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      uint8_t* p = img.pixel(x, y);
      if (p[3] == 0) continue;
      double open = 0;
      for (int k = 1; k <= 3; ++k) open += 1 - alphaAt(x + pal.rimDx * k, y - k);
      open = std::min(1.0, open / 2.0) * pal.rimStrength * (p[3] / 255.0);
      for (int ch = 0; ch < 3; ++ch) p[ch] = static_cast<uint8_t>(p[ch] + (rim[ch] - p[ch]) * open);
    }
}

// Pixels only partly covered deep inside the needles (where strokes just miss each other)
// become solid: partial cover is kept for the true edges, near a transparent pixel.
void sealInterior(assetgen::Image& img) {
  const assetgen::Image src = img;
  auto clear = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= src.width || y >= src.height) return true;
    return src.pixel(x, y)[3] == 0;
  };
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      uint8_t& a = img.pixel(x, y)[3];
      if (a == 0 || a == 255) continue;
      bool edge = false;
      for (int dy = -2; dy <= 2 && !edge; ++dy)
        for (int dx = -2; dx <= 2 && !edge; ++dx) edge = clear(x + dx, y + dy);
      if (!edge) a = 255;
    }
}

assetgen::Image paintLayer(int index, const Palette& pal) {
  const Layer& layer = kLayers[index];
  Canvas c(layer.width, layer.height);
  cairo_t* cr = c.cr();
  cairo_translate(cr, -(layer.cx - layer.width / 2), -(layer.cy - layer.height / 2));
  Rng rng(0x7ee5eed0ull + static_cast<uint64_t>(index) * 977);
  bool apex = index == 0, shaded = index > 0;
  if (index == 4) trunk(c, pal, rng);
  coreFill(c, layer.tier, pal);
  double lineWidth = 1.15 + 0.1 * index;
  for (const Row& row : tierRows(layer.tier, 0xf1a5 + index * 131ull, apex)) {
    for (const Frond& f : row.fronds) {
      double bodyLight = tierLight(layer.tier, f.at(0.5), shaded) - 0.32 + f.lift;
      fillBody(c, f, needleColour(pal, bodyLight));
      needles(c, f, layer.tier, pal, shaded, lineWidth, rng);
      snow(c, f, pal, rng, row.snow);
    }
  }
  shade(c, layer.tier, shaded);
  assetgen::Image img = c.toImage();
  sealInterior(img);
  rimLight(img, pal);
  return img;
}

bool sameMask(const assetgen::Image& a, const assetgen::Image& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (size_t i = 3; i < a.rgba.size(); i += 4)
    if (a.rgba[i] != b.rgba[i]) return false;
  return true;
}

// Clears every pixel of layer `index` that a layer in front of it covers fully. Those pixels can
// never be seen, and leaving them would make the game hang a decoration there in this rear
// layer (it picks the rearmost layer under a point), hidden behind the tier in front.
void clearHiddenPart(int index, assetgen::Image& night, assetgen::Image& day) {
  const Layer& back = kLayers[index];
  const int bx = back.cx - back.width / 2, by = back.cy - back.height / 2;
  for (int front = 0; front < index; ++front) {
    const Layer& f = kLayers[front];
    const assetgen::Image cover = paintLayer(front, kNight);
    const int fx = f.cx - f.width / 2, fy = f.cy - f.height / 2;
    for (int y = 0; y < night.height; ++y) {
      for (int x = 0; x < night.width; ++x) {
        const int cx = bx + x - fx, cy = by + y - fy;
        if (cx < 0 || cy < 0 || cx >= cover.width || cy >= cover.height) continue;
        if (cover.pixel(cx, cy)[3] != 255) continue;
        std::fill_n(night.pixel(x, y), 4, 0);
        std::fill_n(day.pixel(x, y), 4, 0);
      }
    }
  }
}

void makeTreeLayer(assetgen::Output& out, int index) {
  assetgen::Image night = paintLayer(index, kNight);
  assetgen::Image day = paintLayer(index, kDay);
  clearHiddenPart(index, night, day);
  std::string base = "gfx/gui/treeScreen/choinka" + std::to_string(index + 1);
  if (!sameMask(night, day)) out.fail(base + ": night and day coverage differ");
  out.savePng(base + ".png", night);
  out.savePng(base + "_d.png", day);
}

ASSETGEN_REGISTER("tree layer 1", [](assetgen::Output& out) { makeTreeLayer(out, 0); });
ASSETGEN_REGISTER("tree layer 2", [](assetgen::Output& out) { makeTreeLayer(out, 1); });
ASSETGEN_REGISTER("tree layer 3", [](assetgen::Output& out) { makeTreeLayer(out, 2); });
ASSETGEN_REGISTER("tree layer 4", [](assetgen::Output& out) { makeTreeLayer(out, 3); });
ASSETGEN_REGISTER("tree layer 5", [](assetgen::Output& out) { makeTreeLayer(out, 4); });

}  // namespace
