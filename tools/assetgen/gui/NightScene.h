// The pieces of the snowy mountain village at night that the menu, loading, intro and credits
// pictures are composed from: sky, stars, moon, hazy mountains and ridges, firs, houses with
// warm windows, the chapel, the lit tree on the village square, falling snow and a vignette.
// Light comes from the top left (the moon), warm light from the windows and the tree.
#pragma once

#include <vector>

#include "core/Canvas.h"
#include "core/Rng.h"

namespace assetgen::gui::night {

// The night palette of the style guide.
namespace colors {
inline const Rgba kSkyDeep = Rgba::hex(0x0B1633);
inline const Rgba kSkyDark = Rgba::hex(0x14264F);
inline const Rgba kSkyMid = Rgba::hex(0x21407A);
inline const Rgba kSkyLight = Rgba::hex(0x3A64A8);
inline const Rgba kSnow = Rgba::hex(0xDCE8F7);
inline const Rgba kSnowLit = Rgba::hex(0xF4F8FF);
inline const Rgba kSnowShade = Rgba::hex(0x7E98C0);
inline const Rgba kWarm = Rgba::hex(0xFFC94D);
inline const Rgba kWarmPale = Rgba::hex(0xFFE9A8);
inline const Rgba kFir = Rgba::hex(0x0F2B2E);
}  // namespace colors

// A soft round light: full at the centre, gone at radius r.
void softSpot(cairo_t* cr, double x, double y, double r, const Rgba& color, double alpha);

// The sky from the deep top down to the light band at `horizon`, painted over the whole canvas.
void sky(Canvas& c, double horizon);
// Small stars above `maxY`, thinning downwards, `brightness` 1 at their brightest; with
// `glints`, a few four-point twinkles among them. `avoid` circles (x, y, r) stay empty.
struct Circle {
  double x, y, r;
};
void stars(Canvas& c, Rng& rng, int count, double maxY, double brightness, bool glints,
           const std::vector<Circle>& avoid = {});
void moon(Canvas& c, double x, double y, double r);

// Far mountains: (peak x, peak y, half width) each, down to `baseY`, hazy toward the sky.
struct Peak {
  double x, y, half;
};
void mountains(Canvas& c, const std::vector<Peak>& peaks, double baseY, const Rgba& body);

// A rolling ridge across the canvas around `base`, filled down to the bottom.
struct Ridge {
  double base, amp, wave, phase;
  double at(double x) const;
};
void ridge(Canvas& c, const Ridge& r, const Rgba& top, const Rgba& bottom, double rimAlpha);

// A fir `h` high standing on (x, baseY): stacked boughs, snow on their left shoulders.
void fir(Canvas& c, double x, double baseY, double h, const Rgba& body, double snow);

struct House {
  double x, baseY, w, h, roofH;
  int windows;
  bool chimney;
  int tone;  // 0..2: the wall colour
};
void house(Canvas& c, const House& house);
// The village chapel: a nave and a bell tower with a spire, lit windows, the bell's opening
// glowing, `scale` 1 about 90 px tall.
void chapel(Canvas& c, double x, double baseY, double scale);
// The decorated tree on the square: a fir hung with small coloured lights, a star on top and
// a warm glow around it.
void litTree(Canvas& c, Rng& rng, double x, double baseY, double h);

// Soft falling snowflakes inside the box; `keepOut` boxes stay free of them.
struct Box {
  double x0, y0, x1, y1;
  bool contains(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};
void snowfall(Canvas& c, Rng& rng, int count, const Box& box, double maxRadius, double alpha,
              const std::vector<Box>& keepOut = {});
// A band of thin mist lying at `y`.
void mist(Canvas& c, double y, double height, double alpha);
// Darkens the corners and edges.
void vignette(Canvas& c, double strength);

}  // namespace assetgen::gui::night
