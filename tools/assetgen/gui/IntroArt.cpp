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
  assetgen::gui::VillageView view;
  view.seed = 0x1A7E0;
  view.horizon = 388;
  view.villageY = 410;
  view.houseScale = 1.15;
  view.moonX = 150;
  view.moonY = 96;
  view.moonR = 28;
  view.chapelX = 250;
  view.chapelScale = 1.05;
  view.treeX = 470;
  view.treeH = 84;
  view.foregroundY = 462;
  view.foregroundLight = 0.7;
  view.nearHouses = {{196, 1.5}, {262, 1.25}, {566, 1.35}};
  view.snowflakes = 420;
  view.mistAlpha = 0.2;
  view.vignette = 0.7;
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
