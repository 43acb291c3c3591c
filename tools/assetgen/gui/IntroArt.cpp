// The intro: the village at night, wider and deeper than on the loading screen and without
// text; the title, which fades in over it; and a soft warm glow for the sparkles and lights
// the intro sets around it.
#include <cmath>

#include "core/Registry.h"
#include "gui/NightScene.h"
#include "gui/TitleLettering.h"
#include "gui/VillageScene.h"

namespace {

using assetgen::Canvas;
using assetgen::Rgba;

void makeVillage(assetgen::Output& out) {
  Canvas c(800, 600);
  const assetgen::gui::VillageView view{.seed = 0x1A7E0,
                                        .horizon = 388,
                                        .villageY = 410,
                                        .houseScale = 1.15,
                                        .moonX = 150,
                                        .moonY = 96,
                                        .moonR = 28,
                                        .chapelX = 250,
                                        .chapelScale = 1.05,
                                        .treeX = 470,
                                        .treeH = 84,
                                        .foregroundY = 462,
                                        .foregroundLight = 0.7,
                                        .nearHouses = {{196, 1.5}, {262, 1.25}, {566, 1.35}},
                                        .snowflakes = 420,
                                        .mistAlpha = 0.2,
                                        .vignette = 0.7};
  assetgen::gui::paintVillage(c, view);
  out.saveJpeg("gfx/intro/village.jpg", c, 92);
}
ASSETGEN_REGISTER("intro village", makeVillage);

void makeTitle(assetgen::Output& out) {
  out.savePng("gfx/intro/title.png", *assetgen::gui::renderTitle(112, 600));
}
ASSETGEN_REGISTER("intro title", makeTitle);

void makeGlow(assetgen::Output& out) {
  Canvas c(128, 128);
  cairo_t* cr = c.cr();
  cairo_arc(cr, 64, 64, 64, 0, 2 * M_PI);
  c.radialGradient(64, 64, 0, 64, 64, 64,
                   {{0, Rgba::hex(0xFFFFFF, 1)},
                    {0.12, Rgba::hex(0xFFF6DC, 0.9)},
                    {0.3, Rgba::hex(0xFFE9A8, 0.5)},
                    {0.55, Rgba::hex(0xFFC94D, 0.18)},
                    {0.8, Rgba::hex(0xE89B1E, 0.05)},
                    {1, Rgba::hex(0xE89B1E, 0)}});
  cairo_fill(cr);
  out.savePng("gfx/intro/glow.png", c);
}
ASSETGEN_REGISTER("intro glow", makeGlow);

}  // namespace
