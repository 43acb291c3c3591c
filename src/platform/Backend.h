// The one state object of the platform layer: screen, graphics state, input, sound, clock,
// random numbers and the run configuration. Every API call goes through Backend::get().
#pragma once

#include <string>

#include "platform/AudioOutput.h"
#include "platform/Clock.h"
#include "platform/CollisionLayers.h"
#include "platform/GraphicsState.h"
#include "platform/ImageCache.h"
#include "platform/Input.h"
#include "platform/InputRecorder.h"
#include "platform/InputScript.h"
#include "platform/Mixer.h"
#include "platform/Random.h"
#include "platform/Renderer.h"
#include "platform/RunConfig.h"

union SDL_Event;

namespace platform {

class Backend {
 public:
  static Backend& get();
  Backend();
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;
  ~Backend();

  bool openScreen(int width, int height, bool fullScreen);
  void closeScreen();
  void startHeadless();
  void flip(int sync);
  void poll();
  bool appTerminate();
  void requestClose();
  // Latched when the window loses the keyboard focus or is minimised; taking it clears it.
  void loseFocus() { focusLost_ = true; }
  bool takeFocusLost() {
    const bool was = focusLost_;
    focusLost_ = false;
    return was;
  }
  void setAlwaysRender(bool on);
  bool saveScreenshot(const std::string& path);
  void notify(const std::string& text);
  Channel play(const Sound& sound);
  const ImageFont& font();

  bool headless() const { return config.headless; }
  int frames() const { return frames_; }

  // Stable members, declared so that images and fonts die before the renderer is gone or
  // after it (both are safe), and the audio output before the mixer it pulls from.
  GraphicsState state;
  RunConfig config;
  Renderer renderer;
  ImageCache images;
  Input input;
  Mixer mixer;
  AudioOutput audio{mixer};
  Clock clock;
  Random random;
  CollisionLayers collisions;
  InputScript script;
  InputRecorder recorder;
  std::string title = "Glimmerfir";

 private:
  void applyConfig();
  void handleEvent(const SDL_Event& event);
  void pumpEvents();
  void updateDeferral();

  ImageFont builtInFont_;
  int frames_ = 0;
  bool alwaysRender_ = false;
  bool closeRequested_ = false;
  bool focusLost_ = false;
  bool audioWanted_ = false;
};

}  // namespace platform
