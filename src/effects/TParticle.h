// A particle: one short-lived picture from the shared particle picture table with its own
// motion law and alpha envelope. It removes itself from its list once faded out or shrunk
// to nothing. Particles are made only by the constructor functions of ParticleConstructors.h.
#pragma once

#include <array>
#include <memory>

#include "effects/EffectList.h"
#include "gui/TRGB.h"
#include "platform/platform.h"

class TParticle;
using TParticleList = EffectList<TParticle>;

class TParticle {
 public:
  virtual ~TParticle() = default;

  float a = 0, da = 0, aSpeed = 0;
  float s = 0, ds = 0, sSpeed = 0;
  float sx = 0, sy = 0;
  float x = 0, y = 0, ax = 0, ay = 0;
  float r = 0, rSpeed = 0;
  int n = 0;
  TRGB rgb;
  int opoznienie = 0;
  int b = platform::ALPHABLEND;
  int fadeInAndOut = 1;
  float afSpeed = 0;
  int startTime = 0;
  TParticleList* list = nullptr;
  int opoznienieFadeInAndOut = 800;

  virtual void update();
  virtual void draw();
  virtual void destroy();

  // Loads the particle picture table (safe to call again).
  static void setup();

 protected:
  bool waiting(int now) const { return now < startTime; }
  void updateAlpha(int now);
  void updateScale();
  void clampAndFinish();
  void move();
  void drawPicture(float scaleX, float scaleY) const;
};

constexpr int kParticleImageCount = 50;
extern int particlesEnabled;
extern TParticleList globalParticles;
extern std::array<platform::Image, kParticleImageCount> particleImages;

// The picture of a slot, null for an empty or unknown slot.
const platform::Image& particleImage(int n);

// update / draw of every particle of the list (the global list when null), only while
// particles are enabled. drawParticles leaves the graphics state at its defaults.
void updateParticles(TParticleList* list = nullptr);
void drawParticles(TParticleList* list = nullptr);
