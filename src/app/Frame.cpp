#include "app/Frame.h"

#include <cstdio>
#include <cstdlib>

#include "app/App.h"
#include "app/Globals.h"
#include "platform/platform.h"

void updateDeltaTime() {
  TDeltaTime& timer = App::get().deltaTime();
  timer.Update();
  delta = timer.CurrDelta();
  platform::PollSystem();
}

bool quitRequested() {
  // KeyHit is read only while Left Alt is down, so F4 alone keeps its count for the screen.
  bool altF4 = platform::KeyDown(platform::key::LALT) && platform::KeyHit(platform::key::F4);
  return altF4 || platform::AppTerminate();
}

void updateCommon() {
  updateDeltaTime();
  App::get().updateFrameServices();
  if (quitRequested()) quitGame();
}

void quitGame() {
  App::get().saveAll();
  platform::ShowMouse();
  platform::EndGraphics();
  std::fflush(stdout);
  std::exit(0);
}
