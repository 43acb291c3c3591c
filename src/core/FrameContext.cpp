#include "core/FrameContext.h"

#include <cstdio>
#include <cstdlib>

#include "core/Globals.h"
#include "core/TDeltaTime.h"
#include "platform/platform.h"

void FrameContext::updateDeltaTime() {
  TDeltaTime& timer = deltaTime();
  timer.Update();
  delta = timer.CurrDelta();
  platform::PollSystem();
}

bool quitRequested() {
  // KeyHit is read only while Left Alt is down, so F4 alone keeps its count for the screen.
  const bool altF4 = platform::KeyDown(platform::key::LALT) && platform::KeyHit(platform::key::F4);
  return altF4 || platform::AppTerminate();
}

void FrameContext::updateCommon() {
  updateDeltaTime();
  updateFrameServices();
  if (quitRequested()) quitGame();
}

void FrameContext::quitGame() {
  saveAll();
  platform::ShowMouse();
  platform::EndGraphics();
  std::fflush(stdout);
  std::exit(0);
}
