// The only way the game makes particles: each function fills in its kind's constants and
// appends the particle to its list (the global list when the list is null). While particles
// are disabled each returns a particle that belongs to no list and is never shown.
// Positions are whole pixels; a delay in milliseconds holds the particle back from now.
// Colours are copied into the particle; a default TRGB (white) stands for "no colour".
#pragma once

#include <memory>

#include "effects/TCurveParticle.h"
#include "effects/TParParticle.h"
#include "effects/TParticle.h"
#include "effects/TTextParticle.h"
#include "gui/TRGB.h"

std::shared_ptr<TParticle> addSpark(int n, int x, int y, int delay, const TRGB& colour, int blend,
                                    TParticleList* list);
std::shared_ptr<TParticle> addSparkMoving(int n, int x, int y, int delay, float vx, float vy,
                                          const TRGB& colour, int blend, TParticleList* list);
std::shared_ptr<TParticle> addSparkle(int x, int y, const TRGB& colour);
std::shared_ptr<TParticle> addPointsParticle(int n, int x, int y, TParticleList* list, int delay);
std::shared_ptr<TCurveParticle> addStarParticle(int x, int y, TParticleList* list, int delay);
std::shared_ptr<TParParticle> addChainShard(int x, int y, int delay);
std::shared_ptr<TParParticle> addPlateShard(int n, int x, int y, int delay);
std::shared_ptr<TParticle> addVanishParticle(int n, int x, int y, TParticleList* list);
std::shared_ptr<TParticle> addSmokeParticle(int x, int y, TParticleList* list);
std::shared_ptr<TTextParticle> addTextParticle(int n, int x, int y, int delay, float sc);
std::shared_ptr<TTextParticle> addTextParticleQuick(int n, int x, int y, int delay);
std::shared_ptr<TTextParticle> addTextParticleLasting(int n, int x, int y, int delay);

// The main game screen's lists for chain and plate shards and for text pictures. Until they
// are set (or after their owner is gone) those particles go to the global list.
void setChainParticles(const std::shared_ptr<TParticleList>& list);
void setTextParticles(const std::shared_ptr<TParticleList>& list);
