#pragma once
#include <string>

class TBMFont;

// One line of the credits: it slides 400 pixels sideways onto its resting place while it
// fades in. A line that comes in from the right is left-aligned at its place; one that comes
// in from the left is right-aligned there.
class TCreditsTxt {
 public:
  std::string txt;
  int fontN = 0;
  float x = 0, y = 0;    // where it is drawn this frame
  float dx = 0, dy = 0;  // where it rests
  float per = 0;         // 0 … 1: progress of the slide and fade
  float rPer = 0;        // eased offset factor: 1 at the start, 0 at rest
  int kier = 0;          // non-zero: from the right, left-aligned; 0: from the left, right-aligned

  static constexpr float kSlide = 400.0f;

  void update();
  // Draws with `font` at the line's opacity times the overlay's.
  void draw(TBMFont* font, float overlayAlpha) const;
  void reset();
};
