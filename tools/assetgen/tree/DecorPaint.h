// What the tree's decorations share: colour ramps of the palette, glossy round bodies lit from
// the top left, outlines in a shape's own darker colour, glitter, and the metal cap with its
// loop that baubles hang by.
#pragma once

#include "core/Canvas.h"
#include "core/Rng.h"

namespace assetgen::decor {

// One colour of a decoration: highlight, body, shade, and the outline.
struct Ramp {
  Rgba light, mid, dark, line;
};

Ramp red();
Ramp deepRed();
Ramp gold();
Ramp silver();
Ramp blue();
Ramp green();
Ramp purple();
Ramp pink();
Ramp cyan();
Ramp white();

// Fills `path` with a round body lit from the top left: the light falls at (lx, ly) and the
// body reaches `radius` from its centre (cx, cy).
void litFill(Canvas& c, const PathFn& path, double cx, double cy, double radius, const Ramp& ramp);
// A 1.5–2 px edge in the ramp's outline colour.
void outline(Canvas& c, const PathFn& path, const Ramp& ramp, double width = 1.6);
// A white sheen on the upper left of the box and a small bright spot, clipped to `path`.
void gloss(Canvas& c, const PathFn& path, double x, double y, double w, double h,
           double strength = 0.75);
// Tiny flecks of light and shade over the shape, for glittery finishes.
void glitter(Canvas& c, const PathFn& path, double x, double y, double w, double h, int count,
             const Ramp& ramp, Rng& rng);
// The ribbed metal cap on a bauble's neck, `top` to `top + height`, with the wire loop above
// it whose top is at (cx, loopTop).
void cap(Canvas& c, double cx, double loopTop, double top, double width, double height,
         const Ramp& metal);
// A thin thread loop at the top (its top at (cx, loopTop)) running down to (cx, to).
void thread(Canvas& c, double cx, double loopTop, double to, const Rgba& colour);
// A six-armed ice crystal of radius r, stroked `width` wide.
void snowflakePath(cairo_t* cr, double cx, double cy, double r);

}  // namespace assetgen::decor
