#include "gui/TitleLettering.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Font.h"
#include "core/Lettering.h"

namespace assetgen::gui {

namespace {

// The title's ink at 100 px of the display face, without extra tracking.
Extents inkAt100() {
  Canvas probe(1, 1);
  selectFont(probe.cr(), fonts::DISPLAY, 100);
  return kernedTextExtents(probe.cr(), kGameName);
}

}  // namespace

std::unique_ptr<Canvas> renderTitle(double inkHeight, double inkWidth) {
  const Extents natural = inkAt100();
  LetteringStyle s;
  s.fontPath = fonts::DISPLAY;
  s.sizePx = 100 * inkHeight / natural.height;
  // The letters spread evenly until the word has the width asked for.
  const double gaps = std::string(kGameName).size() - 1;
  s.tracking = std::max(0.0, (inkWidth - natural.width * s.sizePx / 100) / gaps);
  s.fill = fills::gold();
  s.outlineWidth = std::clamp(inkHeight * 0.036, 3.0, 4.5);
  s.outlineColor = Rgba::hex(0x5A0D16);
  s.glossStrength = 0.5;
  s.glowRadius = inkHeight * 0.085;
  s.glowColor = Rgba::hex(0xFFC94D, 0.5);
  s.shadowDx = 2.5;
  s.shadowDy = 3.5;
  s.shadowRadius = inkHeight * 0.05;
  s.shadowColor = Rgba::hex(0x000000, 0.5);
  s.sparkles = 4;
  return renderLettering(kGameName, s);
}

std::unique_ptr<Canvas> renderLoadingCaption() {
  LetteringStyle s;
  s.fontPath = fonts::UI_BOLD;
  s.sizePx = 34;
  s.tracking = 1.5;
  s.fill = fills::ice();
  s.outlineWidth = 3;
  s.outlineColor = Rgba::hex(0x0B1633);
  s.glossStrength = 0.2;
  s.glowRadius = 6;
  s.glowColor = Rgba::hex(0x5FD4F0, 0.3);
  s.shadowDx = 1.5;
  s.shadowDy = 2;
  s.shadowRadius = 2.5;
  return renderLettering("Loading\u2026", s);
}

void paintCentred(Canvas& onto, const Canvas& picture, double x, double y, double alpha) {
  onto.paint(picture, std::round(x - picture.width() / 2.0), std::round(y - picture.height() / 2.0),
             alpha);
}

}  // namespace assetgen::gui
