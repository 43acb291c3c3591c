#include "screens/TIntro.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "datafile/ImageLoading.h"

namespace {
constexpr float kTitleX = 400, kTitleY = 250;
constexpr int kBellMs = 1300;
constexpr int kFlakes = 70, kTwinkles = 7;

// 0 before `from`, 1 after `to`, smooth in between.
float ramp(int ms, int from, int to) {
  const float t = std::clamp(float(ms - from) / float(to - from), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}
}  // namespace

TIntro::TIntro(FrameContext& frame) : TEkran(frame) { id = "Intro"; }

void TIntro::load() {
  village = loadImageOrWarn(assets::INTRO_VILLAGE);
  title = loadCentredImageOrWarn(assets::INTRO_TITLE);
  glow = loadCentredImageOrWarn(assets::INTRO_GLOW);
  bell = platform::LoadSound(assets::INTRO_BELL);
  makeScene();
}

void TIntro::makeScene() {
  flakes_.clear();
  for (int i = 0; i < kFlakes; ++i)
    flakes_.push_back({platform::Rnd(0, 800), platform::Rnd(-40, 600), platform::Rnd(0.4f, 1.3f),
                       platform::Rnd(0.04f, 0.11f), platform::Rnd(0, 6.28f)});
  // Lights caught on the lettering: along its top and bottom edges.
  twinkles_.clear();
  const float halfW = float(platform::ImageWidth(title)) * 0.42f;
  const float halfH = float(platform::ImageHeight(title)) * 0.3f;
  for (int i = 0; i < kTwinkles; ++i) {
    const float along = -halfW + 2 * halfW * float(i) / float(kTwinkles - 1);
    const float side = (i % 2 == 0) ? -halfH : halfH;
    twinkles_.push_back({kTitleX + along, kTitleY + side, platform::Rnd(0, 6.28f)});
  }
}

float TIntro::veilAt(int ms) {
  // Out of the dark over the first 1.2 s, back into it over the last second.
  return std::max(1.0f - ramp(ms, 0, 1200), ramp(ms, kLengthMs - 1000, kLengthMs));
}

float TIntro::titleAt(int ms) { return ramp(ms, 900, 2400); }

bool TIntro::skipHit() {
  // All three are read, so none is left over for the loading that follows.
  const bool space = platform::KeyHit(platform::key::SPACE) != 0;
  const bool enter = platform::KeyHit(platform::key::ENTER) != 0;
  const bool click = platform::MouseHit(1) != 0;
  return space || enter || click;
}

void TIntro::play(float volume) {
  volume_ = volume;
  rung_ = false;
  if (flakes_.empty()) makeScene();
  platform::SetClsColor(0, 0, 0);
  updateDeltaTime();
  start_ = platform::MilliSecs();
  now_ = 0;
  while (now_ < kLengthMs) {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    if (skipHit()) break;
    if (quitRequested()) quitGame();
  }
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  platform::FlushMouse();
  platform::FlushKeys();
}

void TIntro::update() {
  updateDeltaTime();
  now_ = platform::MilliSecs() - start_;
  if (!rung_ && now_ >= kBellMs) {
    rung_ = true;
    if (auto channel = platform::PlaySound(bell)) platform::SetChannelVolume(channel, volume_);
  }
  for (Flake& f : flakes_) {
    f.y += f.speed * delta;
    f.sway += 0.02f * delta;
    if (f.y > 610) {
      f.y = -10;
      f.x = platform::Rnd(0, 800);
    }
  }
}

void TIntro::draw() {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetColor(255, 255, 255);
  platform::SetRotation(0);
  platform::SetScale(1, 1);
  platform::SetAlpha(1);
  platform::DrawImage(village, 0, 0);
  drawSnow();
  const float shown = titleAt(now_);
  if (shown > 0) {
    const float scale = 0.96f + 0.04f * shown;
    platform::SetBlend(platform::ALPHABLEND);
    platform::SetAlpha(shown);
    platform::SetScale(scale, scale);
    platform::DrawImage(title, kTitleX, kTitleY);
    drawTwinkles(shown);
  }
  fade = veilAt(now_);
  _drawFade();
}

void TIntro::drawSnow() const {
  platform::SetBlend(platform::LIGHTBLEND);
  platform::SetColor(255, 255, 255);
  for (const Flake& f : flakes_) {
    platform::SetAlpha(0.35f + 2.5f * f.size);
    platform::SetScale(f.size, f.size);
    platform::DrawImage(glow, f.x + 6 * std::sin(f.sway), f.y);
  }
}

void TIntro::drawTwinkles(float strength) const {
  platform::SetBlend(platform::LIGHTBLEND);
  platform::SetColor(255, 240, 200);
  const float t = float(now_) / 1000.0f;
  for (const Twinkle& tw : twinkles_) {
    const float pulse = 0.5f + 0.5f * std::sin(t * 2.6f + tw.phase);
    const float size = 0.12f + 0.22f * pulse;
    platform::SetAlpha(strength * pulse);
    platform::SetScale(size, size);
    platform::DrawImage(glow, tw.x, tw.y);
  }
  platform::SetScale(1, 1);
  platform::SetBlend(platform::ALPHABLEND);
}
