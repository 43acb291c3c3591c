#include "core/TDeltaTime.h"

#include <algorithm>

#include "platform/platform.h"

namespace {
std::vector<TDeltaTime*>& timers() {
  static std::vector<TDeltaTime*> list;
  return list;
}
}  // namespace

TDeltaTime::TDeltaTime() {
  timers().push_back(this);
  listed_ = true;
}

TDeltaTime::~TDeltaTime() { Destroy(); }

std::unique_ptr<TDeltaTime> TDeltaTime::Create(float fps) {
  auto timer = std::make_unique<TDeltaTime>();
  timer->SetFPS(fps);
  return timer;
}

void TDeltaTime::SetFPS(float fps) {
  dFps = fps;
  dDelta = 1000.0f / fps;
}

void TDeltaTime::Update() {
  CurrTime = platform::MilliSecs();
  ElapsedTime = CurrTime - OldTime;
  OldTime = CurrTime;
  if (CurrTime > CheckTime) {
    CheckTime = CurrTime + 1000;
    CurrFps = FPSCounter;
    FPSCounter = 0;
  } else {
    FPSCounter += 1;
  }
}

float TDeltaTime::CurrDelta() const { return dDelta > 0 ? ElapsedTime / dDelta : 0.0f; }

int TDeltaTime::FPS() const { return CurrFps; }

void TDeltaTime::Destroy() {
  if (!listed_) return;
  auto& list = timers();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  listed_ = false;
}

const std::vector<TDeltaTime*>& TDeltaTime::all() { return timers(); }
