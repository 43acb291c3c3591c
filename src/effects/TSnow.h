// A falling snow flake. Depth z (25 near ... 130 far) sets its size, brightness, speed and
// sway; it fades over its last 100 pixels and ends at the height `koniec`.
#pragma once

#include <array>
#include <memory>

#include "effects/EffectList.h"
#include "platform/platform.h"

class TSnow;
using TSnowList = EffectList<TSnow>;

class TSnow {
 public:
  int n = 1;
  float x = 0, y = 0;
  float xX = 0;
  float a = 0;
  float koniec = 0;
  float z = 25;
  float sx = 0, sy = 0;
  float lax = 0;
  float sinP = 0;
  float rSpeed = 0;
  float rot = 0;
  TSnowList* list = nullptr;

  void update();
  void draw() const;
};

constexpr float kSnowNearest = 25, kSnowFarthest = 130;
// Flakes deeper than this are drawn behind the tree, the others in front of it.
constexpr float kSnowNearPass = 40;

extern TSnowList snowFlakes;
extern std::array<platform::Image, 3> snowImages;

void loadSnowImages();
std::shared_ptr<TSnow> addSnowFlake(float x, float y, float z, float koniec);
void updateSnow(TSnowList* list = nullptr);
void drawSnow(TSnowList* list = nullptr);
void drawSnowFar(TSnowList* list = nullptr);
void drawSnowNear(TSnowList* list = nullptr);
