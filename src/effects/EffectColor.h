// The colour an effect is drawn in; white unless set.
#pragma once

struct EffectColor {
  int r = 255, g = 255, b = 255;
};
