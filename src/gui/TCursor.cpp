#include "gui/TCursor.h"

void TCursor::update() {
  if (_timeDelta <= 0 || _maxFrames <= 0) return;
  const int now = platform::MilliSecs();
  if (now < _time) return;
  _time = now + _timeDelta;
  if (++_frame > _maxFrames) _frame = 0;
}

void TCursor::draw(int x, int y) {
  platform::SetColor(255, 255, 255);
  platform::SetScale(1, 1);
  platform::SetAlpha(1);
  const int frame = (_frame > 0 && _maxFrames > 0) ? _frame : 0;
  platform::DrawImage(_img, float(x), float(y), frame);
}
