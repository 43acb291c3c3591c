#include "effects/TCurveParticle.h"

#include "core/Globals.h"
#include "effects/Curve.h"
#include "effects/ParticleConstructors.h"

void TCurveParticle::update() {
  // No start-time check: a delayed star travels unseen.
  per += 0.015f * delta;
  x = quadraticPoint(x1, mx, x2, per);
  y = quadraticPoint(y1, my, y2, per);
  updateScale();
  updateAlpha(platform::MilliSecs());
  if (platform::Rand(0, 1) != 0) gene();
  if (per > 1) destroy();
  r += rSpeed;  // once per frame, not scaled by the frame time
}

void TCurveParticle::gene() {
  int px = static_cast<int>(x + static_cast<float>(platform::Rand(-5, 5)));
  int py = static_cast<int>(y + static_cast<float>(platform::Rand(-5, 5)));
  TRGB colour;
  colour.r = platform::Rand(170, 230);
  colour.g = platform::Rand(170, 230);
  colour.b = 0;
  addSparkle(px, py, colour);
}
