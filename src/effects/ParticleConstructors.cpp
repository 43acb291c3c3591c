#include "effects/ParticleConstructors.h"

namespace {

std::weak_ptr<TParticleList> chainTarget;
std::weak_ptr<TParticleList> textTarget;

template <class P>
std::shared_ptr<P> make(int n, int x, int y, int delay) {
  auto p = std::make_shared<P>();
  p->n = n;
  p->x = static_cast<float>(x);
  p->y = static_cast<float>(y);
  p->startTime = platform::MilliSecs() + delay;
  return p;
}

void setScale(TParticle& p, float s, float ds, float speed) {
  p.s = s;
  p.ds = ds;
  p.sSpeed = speed;
}

void setAlpha(TParticle& p, float a, float da, float speed) {
  p.a = a;
  p.da = da;
  p.aSpeed = speed;
}

template <class P>
std::shared_ptr<P> enlist(std::shared_ptr<P> p, TParticleList* list) {
  if (particlesEnabled) (list ? list : &globalParticles)->add(p);
  return p;
}

std::shared_ptr<TParticle> spark(int n, int x, int y, int delay, const TRGB& colour, int blend) {
  auto p = make<TParticle>(n, x, y, delay);
  setScale(*p, 1, 3, 0.02f);
  setAlpha(*p, 1, 0, 0.03f);
  p->fadeInAndOut = 0;
  p->rgb = colour;
  p->b = blend;
  return p;
}

void randomDrift(TParticle& p) {
  p.ax = platform::Rnd(-0.5f, 0.5f);
  p.ay = platform::Rnd(-0.5f, 0.5f);
}

std::shared_ptr<TParParticle> shard(int n, int x, int y, int delay) {
  auto p = make<TParParticle>(n, x, y, delay);
  p->ax = platform::Rand(0, 1) != 0 ? platform::Rnd(-1, -0.5f) : platform::Rnd(0.5f, 1);
  p->ay = -platform::Rnd(1, 2);
  setScale(*p, 1, 1, 0.03f);
  setAlpha(*p, 1, 0, 0.008f);
  p->ayAd = -0.1f;
  p->rSpeed = 8;
  p->b = platform::ALPHABLEND;
  return enlist(p, chainTarget.lock().get());
}

std::shared_ptr<TTextParticle> text(int n, int x, int y, int delay, float aSpeed, float sc,
                                    float perSpeed) {
  auto p = make<TTextParticle>(n, x, y, delay);
  p->ay = -0.1f;
  setScale(*p, 1, 3, 0.003f);
  setAlpha(*p, 0, 1, aSpeed);
  p->sc = sc;
  p->perSpeed = perSpeed;
  return enlist(p, textTarget.lock().get());
}

}  // namespace

void setChainParticles(const std::shared_ptr<TParticleList>& list) { chainTarget = list; }
void setTextParticles(const std::shared_ptr<TParticleList>& list) { textTarget = list; }

std::shared_ptr<TParticle> addSpark(int n, int x, int y, int delay, const TRGB& colour, int blend,
                                    TParticleList* list) {
  auto p = spark(n, x, y, delay, colour, blend);
  randomDrift(*p);
  return enlist(p, list);
}

std::shared_ptr<TParticle> addSparkMoving(int n, int x, int y, int delay, float vx, float vy,
                                          const TRGB& colour, int blend, TParticleList* list) {
  auto p = spark(n, x, y, delay, colour, blend);
  p->ax = vx;
  p->ay = vy;
  return enlist(p, list);
}

std::shared_ptr<TParticle> addSparkle(int x, int y, const TRGB& colour) {
  auto p = spark(2, x, y, 0, colour, platform::LIGHTBLEND);
  randomDrift(*p);
  return enlist(p, nullptr);
}

std::shared_ptr<TParticle> addPointsParticle(int n, int x, int y, TParticleList* list, int delay) {
  auto p = make<TParticle>(n, x, y, delay);
  p->ay = -0.2f;
  setScale(*p, 1, 1, 0);
  setAlpha(*p, 0, 1, 0.07f);
  p->opoznienieFadeInAndOut = 300;
  p->b = platform::ALPHABLEND;
  return enlist(p, list);
}

std::shared_ptr<TCurveParticle> addStarParticle(int x, int y, TParticleList* list, int delay) {
  auto p = make<TCurveParticle>(19, x, y, delay);
  p->x1 = p->mx = static_cast<float>(x);
  p->y1 = static_cast<float>(y);
  p->x2 = 400;
  p->y2 = p->my = 10;
  setScale(*p, 1, 1, 0);
  setAlpha(*p, 0.2f, 1, 0.04f);
  p->rSpeed = 2;
  p->b = platform::ALPHABLEND;
  return enlist(p, list);
}

std::shared_ptr<TParParticle> addChainShard(int x, int y, int delay) {
  return shard(21, x, y, delay);
}

std::shared_ptr<TParParticle> addPlateShard(int n, int x, int y, int delay) {
  return shard(n, x, y, delay);
}

std::shared_ptr<TParticle> addVanishParticle(int n, int x, int y, TParticleList* list) {
  auto p = make<TParticle>(n, x, y, 0);
  setScale(*p, 1.5f, 0.5f, 0.005f);
  setAlpha(*p, 0, 1, 0.03f);
  p->rSpeed = 8;
  p->b = platform::ALPHABLEND;
  return enlist(p, list);
}

std::shared_ptr<TParticle> addSmokeParticle(int x, int y, TParticleList* list) {
  auto p = make<TParticle>(18, x, y, 0);
  p->ax = platform::Rnd(0, 0.01f);
  p->ay = -platform::Rnd(0.2f, 0.4f);
  setScale(*p, platform::Rnd(0.2f, 0.4f), 1, 0.004f);
  setAlpha(*p, platform::Rnd(0, 0.1f), 0.4f, 0.0025f);
  int grey = platform::Rand(100, 150);
  p->rgb = {grey, grey, grey};
  return enlist(p, list);
}

std::shared_ptr<TTextParticle> addTextParticle(int n, int x, int y, int delay, float sc) {
  return text(n, x, y, delay, 0.03f, sc, 0.01f);
}

std::shared_ptr<TTextParticle> addTextParticleQuick(int n, int x, int y, int delay) {
  return text(n, x, y, delay, 0.05f, 0.4f, 0.05f);
}

std::shared_ptr<TTextParticle> addTextParticleLasting(int n, int x, int y, int delay) {
  return text(n, x, y, delay, 0.03f, 0.7f, 0.02f);
}
