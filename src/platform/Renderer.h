// The screen: an SDL window with its accelerated renderer (the software one on a machine
// without a graphics device), or (headless) the software renderer on an offscreen surface.
// Draw calls arrive as commands; headless frames that nobody looks at are recorded and dropped
// instead of rasterised.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DrawCommand.h"
#include "platform/SpriteBatch.h"
#include "platform/platform.h"

namespace platform {

class Renderer {
 public:
  Renderer() = default;
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;
  ~Renderer();

  // A window (full screen or not) with the logical size width x height.
  bool openWindow(const std::string& title, int width, int height, bool fullScreen);
  // The offscreen software screen.
  bool openHeadless(int width, int height);
  void close();
  bool isOpen() const { return renderer_ != nullptr; }
  bool isHeadless() const { return surface_ != nullptr; }
  bool isFullScreen() const { return fullScreen_; }
  int width() const { return width_; }
  int height() const { return height_; }
  SDL_Window* window() const { return window_; }
  void setTitle(const std::string& title);
  // The picture every window carries as its icon; null for none.
  void setIcon(Pixmap icon);
  const Pixmap& icon() const { return icon_; }

  // Generation of the live renderer; 0 when none. Textures carry the one they were made for.
  static unsigned liveGeneration();

  void submit(DrawCommand command);
  // Counts of the frame being drawn and of the one shown last; Flip rolls them over.
  const DrawStats& lastFrameStats() const { return lastFrame_; }
  // Draws what is still held and rolls the counts over.
  void endFrame();
  // Whether pictures may share calls (on unless switched off, for a reference picture).
  void setBatching(bool on);
  // Headless only: record instead of rasterising until someone needs the pixels.
  void setDeferred(bool deferred);
  bool deferred() const { return deferred_; }
  void rasterisePending();
  void dropPending() { pending_.clear(); }

  void present();
  void setVSync(bool on);
  // The renderer lost its device: make a new one (textures follow lazily).
  void recreate();

  // Logical-screen pixels (ARGB, opaque) of the back buffer.
  Pixmap readPixels(int x, int y, int width, int height);

 private:
  bool createRenderer(bool software);
  // Full screen is kept only when the window really covers the display; else back to a window.
  bool confirmFullScreen();
  void restoreWindowed();
  void destroyRenderer();
  void clear(SDL_Color color);
  void execute(const DrawCommand& command);
  // Draws the held pictures and lets them go.
  void flushHeld();
  SDL_Texture* textureFor(const DrawCommand& command);
  void drawTexture(const DrawCommand& command);
  void drawGroup(const SpriteBatch::Group& group);
  // Tells both batches how this renderer draws rectangles.
  void configureBatches();
  void setDrawState(const DrawCommand& command);

  void applyIcon();

  SDL_Window* window_ = nullptr;
  Pixmap icon_;
  SDL_Surface* surface_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  unsigned generation_ = 0;
  int width_ = 800;
  int height_ = 600;
  bool fullScreen_ = false;
  bool deferred_ = false;
  bool software_ = false;  // the window draws with SDL's software renderer
  int vsync_ = -1;
  std::vector<DrawCommand> pending_;
  SpriteBatch held_{true};      // pictures waiting to be drawn together
  SpriteBatch counted_{false};  // the calls of the frame being drawn, as they are submitted
  bool batching_ = true;
  std::vector<SDL_Vertex> vertices_;  // reused by every shared call
  std::vector<int> indices_;
  DrawStats frame_;
  DrawStats lastFrame_;
};

}  // namespace platform
