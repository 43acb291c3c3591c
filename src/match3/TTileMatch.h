#pragma once
#include <memory>
#include <string>

#include "match3/IBoardListener.h"
#include "platform/platform.h"

class TTile;
class TLevel;

// The move hint: two bobbing arrows at a pair of tiles whose swap makes a line. It appears
// 5 s after reset and stays 15 s; resetFull cancels it. Owned by the main game screen.
class TTileMatch {
 public:
  std::shared_ptr<TTile> tile1;
  std::shared_ptr<TTile> tile2;
  HintDirection kier;
  int time = 0;
  int time2 = 15000;
  float a = 0, dA = 0;
  int visible = 0;
  int start = 0;
  float frame = 0;
  float per = 0, dPer = 0;

  platform::Image arrow;  // centred

  // Takes the arrow picture from the picture cache.
  void setup();

  void reset();
  void resetFull();
  // The main game's setMatch: fills the hint unless one is pending or shown.
  void setMatch(const TLevel& level, int row1, int col1, int row2, int col2, HintDirection kier);
  void update();
  void draw() const;
};
