#include "effects/TParticle.h"

#include <algorithm>

#include "core/Globals.h"
#include "effects/EffectPictures.h"

int particlesEnabled = 1;
TParticleList globalParticles;
std::array<platform::Image, kParticleImageCount> particleImages;

const platform::Image& particleImage(int n) {
  static const platform::Image none;
  return n >= 0 && n < kParticleImageCount ? particleImages[static_cast<size_t>(n)] : none;
}

void TParticle::setup() {
  for (int slot = 0; slot < assets::PARTICLE_SLOTS && slot < kParticleImageCount; ++slot) {
    const char* path = assets::PARTICLE_PICTURES[slot];
    particleImages[static_cast<size_t>(slot)] =
        path ? loadCentredPicture({slot, path, assets::PARTICLE_FLAGS[slot]}) : nullptr;
  }
}

void TParticle::updateAlpha(int now) {
  if (now <= opoznienie) return;
  if (a < da) {
    a = std::min(a + aSpeed * delta, da);
    if (a == da && fadeInAndOut) {
      da = 0;
      opoznienie = now + opoznienieFadeInAndOut;
      if (afSpeed != 0) aSpeed = afSpeed;
    }
  }
  if (a > da) a = std::max(a - aSpeed * delta, da);
}

void TParticle::updateScale() {
  if (s < ds)
    s = std::min(s + sSpeed * delta, ds);
  else if (s > ds)
    s = std::max(s - sSpeed * delta, ds);
}

void TParticle::clampAndFinish() {
  a = std::clamp(a, 0.0f, 1.0f);
  s = std::max(s, 0.0f);
  if ((a == 0 && da == 0) || (s == 0 && ds == 0)) destroy();
}

void TParticle::move() {
  x += ax * delta;
  y += ay * delta;
  r += rSpeed * delta;
}

void TParticle::update() {
  int now = platform::MilliSecs();
  if (waiting(now)) return;
  updateAlpha(now);
  updateScale();
  clampAndFinish();
  move();
}

void TParticle::drawPicture(float scaleX, float scaleY) const {
  platform::SetColor(rgb.r, rgb.g, rgb.b);
  platform::SetScale(scaleX, scaleY);
  platform::SetAlpha(a);
  platform::SetBlend(b);
  platform::SetRotation(r);
  platform::DrawImage(particleImage(n), x, y, 0);
}

void TParticle::draw() {
  if (waiting(platform::MilliSecs())) return;
  drawPicture(s, s);
}

void TParticle::destroy() {
  if (list) list->remove(this);
}

void updateParticles(TParticleList* list) {
  if (!particlesEnabled) return;
  (list ? list : &globalParticles)->forEach([](TParticle& p) { p.update(); });
}

void drawParticles(TParticleList* list) {
  if (!particlesEnabled) return;
  (list ? list : &globalParticles)->forEach([](TParticle& p) { p.draw(); });
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetRotation(0);
  platform::SetScale(1, 1);
}
