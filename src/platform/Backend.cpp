#include "platform/Backend.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/ImageFontData.h"
#include "platform/ImageLoader.h"
#include "platform/Log.h"

namespace platform {

namespace {
// A run that ignores its frame limit this long is stuck; end it rather than hang a test.
constexpr int kFrameLimitGrace = 600;
}  // namespace

Backend& Backend::get() {
  static Backend backend;
  return backend;
}

Backend::Backend() {
  config = RunConfig::fromEnvironment();
  applyConfig();
}

Backend::~Backend() {
  audio.writeRecording();
  audio.setRecording("");
}

void Backend::applyConfig() {
  clock.setVirtual(config.headless);
  clock.reset();
  random.setSalt(config.seed);
  random.seed(config.seed.value_or(1));
  script = config.inputScript.empty() ? InputScript{} : InputScript::load(config.inputScript);
  audio.writeRecording();  // a restart keeps what the previous run mixed
  audio.resetVirtual();
  audio.setRecording(config.headless ? config.wavPath : "");
  recorder.close();
  if (!config.recordPath.empty()) recorder.open(config.recordPath);
  recorder.setFrame(0);
  input.setRecorder(recorder.isOpen() ? &recorder : nullptr);
}

void Backend::requestClose() {
  closeRequested_ = true;
  recorder.closeRequest();
}

void Backend::startHeadless() {
  config = RunConfig::fromEnvironment();
  config.headless = true;
  applyConfig();
  state = GraphicsState{};
  input.reset();
  mixer.stopAll();
  collisions.reset(0);
  images.clear();
  frames_ = 0;
  closeRequested_ = false;
  alwaysRender_ = false;
  if (!renderer.isHeadless()) renderer.close();
  openScreen(renderer.isOpen() ? renderer.width() : 800,
             renderer.isOpen() ? renderer.height() : 600, false);
  DrawCommand black;
  black.color = SDL_Color{0, 0, 0, 255};
  renderer.submit(std::move(black));
}

bool Backend::openScreen(int width, int height, bool fullScreen) {
  const bool ok = config.headless ? renderer.openHeadless(width, height)
                                  : renderer.openWindow(title, width, height, fullScreen);
  if (!ok) return false;
  input.setBounds(width, height);
  collisions.setSize(width, height);
  updateDeferral();
  return true;
}

void Backend::closeScreen() {
  renderer.close();
  audio.closeDevice();
  audio.writeRecording();  // again at exit when the run goes on
}

void Backend::updateDeferral() { renderer.setDeferred(config.headless && !alwaysRender_); }

void Backend::setAlwaysRender(bool on) {
  alwaysRender_ = on;
  updateDeferral();
}

bool Backend::saveScreenshot(const std::string& path) {
  if (!renderer.isOpen()) return false;
  Pixmap pixels = renderer.readPixels(0, 0, renderer.width(), renderer.height());
  return ImageLoader::savePNG(*pixels, path);
}

void Backend::flip(int sync) {
  const int shown = frames_ + 1;
  const auto shot = config.shots.find(shown);
  if (shot != config.shots.end() && !saveScreenshot(shot->second))
    platform::Logf("Cannot take the screenshot of frame %d", shown);
  if (!renderer.isHeadless() && renderer.isOpen()) {
    const bool fullScreen = renderer.isFullScreen();
    renderer.setVSync(sync > 0 || (sync < 0 && fullScreen));
    renderer.present();
    if (sync < 0 && !fullScreen) clock.paceFrame();
  }
  renderer.dropPending();
  renderer.endFrame();
  frames_ = shown;
  recorder.setFrame(frames_);
  clock.advanceFrame();
  if (config.headless)
    audio.mixUntil(clock.virtualUnits() * kSampleRate / (int64_t{1000} * Clock::kFrameRate));
  if (config.frameLimit >= 0 && frames_ > config.frameLimit + kFrameLimitGrace) {
    platform::Logf("The run ignored its frame limit of %d; stopping", config.frameLimit);
    std::exit(2);
  }
}

void Backend::handleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      requestClose();
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) requestClose();
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
          event.window.event == SDL_WINDOWEVENT_MINIMIZED)
        loseFocus();
      break;
    case SDL_AUDIODEVICEREMOVED:
      if (!event.adevice.iscapture) audio.deviceLost(event.adevice.which);
      break;
    case SDL_RENDER_DEVICE_RESET:
      renderer.recreate();
      break;
    default:
      input.handle(event);
  }
}

void Backend::pumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) handleEvent(event);
  // Minimised: nothing to draw, so wait for events instead of spinning.
  SDL_Window* window = renderer.window();
  while (window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) && !closeRequested_) {
    if (SDL_WaitEventTimeout(&event, 100)) handleEvent(event);
    if (audioWanted_) audio.keepTime(clock.millis());
  }
}

void Backend::poll() {
  if (!config.headless && SDL_WasInit(SDL_INIT_VIDEO)) pumpEvents();
  if (script.applyDue(frames_, input)) requestClose();
  if (!config.headless && audioWanted_) {
    audio.ensureDevice(clock.millis());
    audio.keepTime(clock.millis());
  }
}

bool Backend::appTerminate() {
  if (config.frameLimit >= 0 && frames_ >= config.frameLimit) return true;
  const bool asked = closeRequested_;
  closeRequested_ = false;
  return asked;
}

void Backend::notify(const std::string& text) {
  platform::Log(text);
  if (!config.headless)
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                             renderer.window());
}

Channel Backend::play(const Sound& sound) {
  if (!sound) return nullptr;
  if (!config.headless && !audioWanted_) {
    audioWanted_ = true;
    audio.ensureDevice(clock.millis());
    audio.keepTime(clock.millis());
  }
  return mixer.play(sound);
}

const ImageFont& Backend::font() {
  if (state.font) return state.font;
  if (!builtInFont_) builtInFont_ = ImageFontData::builtIn();
  return builtInFont_;
}

}  // namespace platform
