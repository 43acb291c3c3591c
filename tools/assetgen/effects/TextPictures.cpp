// The big text pictures of the board: ready, go, praise words, no more moves, time's up, the
// level-completed banner and the points numbers that rise from destroyed tiles. The game
// shows them centred and grows them up to about 1.5 times while they wobble, so they are drawn
// at a size that fits the 800-pixel screen at that scale.
#include <string>

#include "core/Font.h"
#include "core/Lettering.h"
#include "core/Registry.h"

namespace {

using assetgen::LetteringStyle;
using assetgen::Rgba;
namespace fills = assetgen::fills;

LetteringStyle festive(double size, std::vector<assetgen::Stop> fill, Rgba outline, Rgba glow) {
  LetteringStyle s;
  s.fontPath = assetgen::fonts::DISPLAY;
  s.sizePx = size;
  s.fill = std::move(fill);
  s.outlineWidth = 3.5;
  s.outlineColor = outline;
  s.glowColor = glow;
  s.glowRadius = 10;
  s.tracking = size * 0.02;
  s.wordSpacing = size * 0.18;
  s.sparkles = 3;
  return s;
}

const Rgba kDeepRed = Rgba::hex(0x6E1019);
const Rgba kNavy = Rgba::hex(0x0B1633);
const Rgba kGoldGlow = Rgba::hex(0xFFC94D, 0.6);
const Rgba kIceGlow = Rgba::hex(0x5FD4F0, 0.55);
const Rgba kRedGlow = Rgba::hex(0xE8343B, 0.6);

struct TextPicture {
  const char* path;
  const char* text;
  LetteringStyle style;
};

void save(assetgen::Output& out, const TextPicture& t) {
  out.savePng(t.path, *assetgen::renderLettering(t.text, t.style));
}

void makeSignals(assetgen::Output& out) {
  save(out, {"gfx/particles/eng_ready.png", "READY", festive(112, fills::ice(), kNavy, kIceGlow)});
  save(out, {"gfx/particles/eng_go.png", "GO!", festive(140, fills::gold(), kDeepRed, kGoldGlow)});
}
ASSETGEN_REGISTER("text ready, go", makeSignals);

void makePraise(assetgen::Output& out) {
  auto s = festive(84, fills::gold(), kDeepRed, kGoldGlow);
  s.maxWidth = 440;
  for (const TextPicture& t : {TextPicture{"gfx/particles/eng_excellent.png", "EXCELLENT", s},
                               TextPicture{"gfx/particles/eng_terrific.png", "TERRIFIC", s},
                               TextPicture{"gfx/particles/eng_spectacular.png", "SPECTACULAR", s},
                               TextPicture{"gfx/particles/eng_great.png", "GREAT", s}})
    save(out, t);
}
ASSETGEN_REGISTER("text praise", makePraise);

void makeEndings(assetgen::Output& out) {
  auto noMoves = festive(76, fills::ice(), kNavy, kIceGlow);
  noMoves.maxWidth = 460;
  save(out, {"gfx/particles/eng_noMatch.png", "NO MORE MOVES", noMoves});
  auto timesUp = festive(104, fills::warmWhite(), Rgba::hex(0x6E1019), kRedGlow);
  timesUp.maxWidth = 440;  // it stays on screen while the level closes, growing all the while
  save(out, {"gfx/particles/eng_times_up.png", "TIME'S UP", timesUp});
  auto complete = festive(80, fills::gold(), kDeepRed, kGoldGlow);
  complete.maxWidth = 500;
  save(out, {"gfx/particles/eng_level_complited.png", "LEVEL COMPLETED", complete});
}
ASSETGEN_REGISTER("text endings", makeEndings);

// Points numbers sit over a 42-pixel tile: the rounded sans of the game's numbers.
void makePoints(assetgen::Output& out) {
  LetteringStyle s;
  s.fontPath = assetgen::fonts::UI_EXTRABOLD;
  s.sizePx = 30;
  s.fill = fills::gold();
  s.outlineWidth = 2.5;
  s.outlineColor = kDeepRed;
  s.glowRadius = 4;
  s.glowColor = Rgba::hex(0xFFE9A8, 0.5);
  s.shadowDx = 1.5;
  s.shadowDy = 2;
  s.shadowRadius = 2.5;
  s.glossStrength = 0.4;
  for (int points : {10, 5, 1, 3}) {
    std::string text = "+" + std::to_string(points);
    save(out, {("gfx/particles/plus_" + std::to_string(points) + ".png").c_str(), text.c_str(), s});
  }
}
ASSETGEN_REGISTER("text points", makePoints);

}  // namespace
