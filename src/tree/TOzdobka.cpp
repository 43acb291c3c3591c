#include "tree/TOzdobka.h"

#include "effects/ParticleConstructors.h"

int TOzdobka::update() {
  if (data && !data->isStar()) _updateMove();
  _updateMyParticles();
  return _updateOver();
}

void TOzdobka::_updateMyParticles() {
  if (!data || platform::MilliSecs() <= time) return;
  time = platform::MilliSecs() + platform::Rand(700, 2000);
  TRGB colour;
  colour.r = platform::Rand(0, 255);
  colour.g = platform::Rand(0, 255);
  colour.b = platform::Rand(0, 255);
  addSparkle(int(x + float(data->getXAd())), int(y + float(data->getYAd())), colour);
}
