#include "platform/Renderer.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "platform/ImageData.h"
#include "platform/Log.h"

namespace platform {

namespace {

unsigned g_liveGeneration = 0;  // read by texture caches, which may outlive everything
unsigned g_nextGeneration = 0;

SDL_BlendMode sdlBlend(int blend, bool textured) {
  switch (blend) {
    case MASKBLEND:
      return textured ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE;
    case SOLIDBLEND:
      return SDL_BLENDMODE_NONE;
    case LIGHTBLEND:
      return SDL_BLENDMODE_ADD;
    case SHADEBLEND:
      return SDL_BLENDMODE_MOD;
    default:
      return SDL_BLENDMODE_BLEND;
  }
}

// Where the X server really put the window. SDL takes a full-screen request as done even when
// no window manager carries it out, so its own idea of the size cannot be trusted. libX11 is
// the one SDL has already loaded; nothing extra is linked.
bool realX11Rect(SDL_Window* window, SDL_Rect& rect) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  void* lib = SDL_LoadObject("libX11.so.6");
  if (!lib) return false;
  using Attributes = Status (*)(Display*, Window, XWindowAttributes*);
  using Translate = Bool (*)(Display*, Window, Window, int, int, int*, int*, Window*);
  auto getAttributes = reinterpret_cast<Attributes>(SDL_LoadFunction(lib, "XGetWindowAttributes"));
  auto translate = reinterpret_cast<Translate>(SDL_LoadFunction(lib, "XTranslateCoordinates"));
  XWindowAttributes attributes{};
  Window child = 0;
  const bool ok = getAttributes && translate &&
                  getAttributes(info.info.x11.display, info.info.x11.window, &attributes) &&
                  translate(info.info.x11.display, info.info.x11.window, attributes.root, 0, 0,
                            &rect.x, &rect.y, &child);
  rect.w = attributes.width;
  rect.h = attributes.height;
  SDL_UnloadObject(lib);
  return ok;
}

// A full-screen window that does not cover its display shows a cut, shifted picture.
// Window managers take a moment to carry the request out, so give them that moment.
bool coversDisplay(SDL_Window* window) {
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) != 0) return true;
  const Uint32 start = SDL_GetTicks();
  for (;;) {
    SDL_PumpEvents();
    SDL_Rect real;
    if (!realX11Rect(window, real)) return true;  // no way to tell: trust SDL
    if (real.x <= bounds.x && real.y <= bounds.y && real.x + real.w >= bounds.x + bounds.w &&
        real.y + real.h >= bounds.y + bounds.h)
      return true;
    if (SDL_GetTicks() - start >= 1000) return false;
    SDL_Delay(10);
  }
}

// Adds what `command` blends to the frame's counts; the calls are counted by the batch.
void countArea(const DrawCommand& command, DrawStats& stats) {
  if (command.blend == SOLIDBLEND || command.blend == MASKBLEND) return;
  switch (command.kind) {
    case DrawCommand::Kind::Texture:
    case DrawCommand::Kind::FillRect:
      stats.blendedArea += double(command.dst.w) * double(command.dst.h);
      break;
    case DrawCommand::Kind::Quad: {
      // The shoelace formula over the four corners.
      double twice = 0;
      for (int i = 0; i < 4; ++i) {
        const SDL_FPoint& a = command.points[i];
        const SDL_FPoint& b = command.points[(i + 1) % 4];
        twice += double(a.x) * double(b.y) - double(b.x) * double(a.y);
      }
      stats.blendedArea += std::fabs(twice) / 2;
      break;
    }
    case DrawCommand::Kind::Line:
      stats.blendedArea += std::hypot(double(command.points[1].x - command.points[0].x),
                                      double(command.points[1].y - command.points[0].y));
      break;
    case DrawCommand::Kind::Clear:
      break;
  }
}

// Without a graphics device the accelerated renderer is OpenGL on a software rasteriser: about
// twice the CPU per frame of SDL's own software renderer and some 90 MiB more memory (the
// rasteriser's compiler and its copies of every texture). A renderer the player names in
// SDL_RENDER_DRIVER is left to SDL.
bool preferSoftwareRenderer() {
  if (SDL_GetHint(SDL_HINT_RENDER_DRIVER)) return false;
  std::error_code error;
  for (const char* device : {"/dev/dri", "/dev/nvidia0"})
    if (std::filesystem::exists(device, error)) return false;
  return true;
}

}  // namespace

Renderer::~Renderer() { close(); }

unsigned Renderer::liveGeneration() { return g_liveGeneration; }

bool Renderer::createRenderer(bool software) {
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  if (surface_) {
    renderer_ = SDL_CreateSoftwareRenderer(surface_);
  } else {
    renderer_ = software ? nullptr : SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (!renderer_) {
    platform::Logf("Cannot create a renderer: %s", SDL_GetError());
    return false;
  }
  SDL_RenderSetLogicalSize(renderer_, width_, height_);
  configureBatches();
  generation_ = ++g_nextGeneration;
  g_liveGeneration = generation_;
  vsync_ = -1;
  return true;
}

void Renderer::destroyRenderer() {
  pending_.clear();
  held_.clear();
  counted_.clear();
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  g_liveGeneration = 0;
  generation_ = 0;
}

bool Renderer::openWindow(const std::string& title, int width, int height, bool fullScreen) {
  if (window_ && renderer_ && width == width_ && height == height_) {
    // Switching mode keeps the renderer, so every texture stays valid.
    if (fullScreen != fullScreen_) {
      SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
      fullScreen_ = fullScreen && confirmFullScreen();
      if (!fullScreen) restoreWindowed();
    }
    return true;
  }
  close();
  SDL_SetHint(SDL_HINT_WINDOWS_NO_CLOSE_ON_ALT_F4, "1");
  // A window should not switch the desktop's compositor off.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_APP_NAME, title.c_str());
  software_ = preferSoftwareRenderer();
  // The software renderer draws into the window's own framebuffer, not through OpenGL.
  if (software_) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    platform::Logf("Cannot start the video system: %s", SDL_GetError());
    return false;
  }
  width_ = width;
  height_ = height;
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI | (fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                             height, flags);
  if (!window_ && fullScreen) {
    platform::Logf("Cannot open a full-screen window (%s); trying a window", SDL_GetError());
    fullScreen = false;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                               height, SDL_WINDOW_ALLOW_HIGHDPI);
  }
  if (!window_) {
    platform::Logf("Cannot open a window: %s", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  applyIcon();
  fullScreen_ = fullScreen && confirmFullScreen();
  SDL_StartTextInput();  // typed characters arrive as text events
  if (!createRenderer(software_)) {
    close();
    return false;
  }
  return true;
}

bool Renderer::confirmFullScreen() {
  if (coversDisplay(window_)) return true;
  platform::Log("The full-screen window does not cover the display; using a window");
  SDL_SetWindowFullscreen(window_, 0);
  restoreWindowed();
  return false;
}

void Renderer::restoreWindowed() {
  SDL_SetWindowSize(window_, width_, height_);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool Renderer::openHeadless(int width, int height) {
  if (surface_ && renderer_ && width == width_ && height == height_) return true;
  close();
  width_ = width;
  height_ = height;
  // No alpha in the screen: it is what a monitor would show.
  surface_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
  if (!surface_) {
    platform::Logf("Cannot create the offscreen screen: %s", SDL_GetError());
    return false;
  }
  SDL_FillRect(surface_, nullptr, 0);
  if (!createRenderer(true)) {
    close();
    return false;
  }
  return true;
}

void Renderer::close() {
  destroyRenderer();
  if (window_) {
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  if (surface_) {
    SDL_FreeSurface(surface_);
    surface_ = nullptr;
  }
  fullScreen_ = false;
  deferred_ = false;
}

void Renderer::setTitle(const std::string& title) {
  if (window_) SDL_SetWindowTitle(window_, title.c_str());
}

void Renderer::setIcon(Pixmap icon) {
  icon_ = std::move(icon);
  applyIcon();
}

void Renderer::applyIcon() {
  if (!window_ || !icon_) return;
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(icon_->pixels.data(), icon_->width, icon_->height, 32,
                                         icon_->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) {
    platform::Logf("Cannot set the window icon: %s", SDL_GetError());
    return;
  }
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
}

void Renderer::recreate() {
  if (!window_) return;
  destroyRenderer();
  createRenderer(software_);
}

void Renderer::setDeferred(bool deferred) {
  if (!deferred) rasterisePending();
  deferred_ = deferred && surface_ != nullptr;
}

void Renderer::configureBatches() {
  float scaleX = 1, scaleY = 1;
  if (renderer_) SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
  const bool software = surface_ != nullptr || software_;
  // The software renderer keeps every pixel only where rectangles are whole pixels.
  const bool wholePixels = software;
  const bool on = batching_ && (!software || (scaleX == 1 && scaleY == 1));
  held_.configure(on, wholePixels);
  counted_.configure(on, wholePixels);
}

void Renderer::setBatching(bool on) {
  flushHeld();
  batching_ = on;
  configureBatches();
}

void Renderer::submit(DrawCommand command) {
  if (!renderer_) return;
  if (command.kind == DrawCommand::Kind::Clear) {
    configureBatches();  // the window's scale may have changed since the last frame
    counted_.clear();
  } else {
    countArea(command, frame_);
    if (!counted_.accepts(command)) counted_.clear();
    if (command.kind != DrawCommand::Kind::Texture || !counted_.add(command)) ++frame_.calls;
  }
  if (!deferred_) {
    execute(command);
    return;
  }
  // A clear hides everything recorded before it.
  if (command.kind == DrawCommand::Kind::Clear) pending_.clear();
  pending_.push_back(std::move(command));
}

void Renderer::endFrame() {
  flushHeld();
  counted_.clear();
  lastFrame_ = frame_;
  frame_ = DrawStats{};
}

void Renderer::rasterisePending() {
  if (!renderer_) return;
  for (const DrawCommand& command : pending_) execute(command);
  pending_.clear();
  flushHeld();
}

void Renderer::setDrawState(const DrawCommand& command) {
  SDL_SetRenderDrawBlendMode(renderer_, sdlBlend(command.blend, false));
  SDL_SetRenderDrawColor(renderer_, command.color.r, command.color.g, command.color.b,
                         command.effectiveAlpha());
}

void Renderer::clear(SDL_Color color) {
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
  if (!fullScreen_) {
    SDL_SetRenderDrawColor(renderer_, color.r, color.g, color.b, 255);
    SDL_RenderClear(renderer_);
    return;
  }
  // A clear covers the whole window; the letterbox bars stay black.
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_SetRenderDrawColor(renderer_, color.r, color.g, color.b, 255);
  const SDL_Rect screen{0, 0, width_, height_};
  SDL_RenderFillRect(renderer_, &screen);
}

void Renderer::execute(const DrawCommand& command) {
  if (command.kind == DrawCommand::Kind::Texture) {
    if (!held_.accepts(command)) flushHeld();
    held_.add(command);
    return;
  }
  flushHeld();
  switch (command.kind) {
    case DrawCommand::Kind::Clear:
      clear(command.color);
      break;
    case DrawCommand::Kind::Texture:  // held above
      break;
    case DrawCommand::Kind::FillRect:
      setDrawState(command);
      SDL_RenderFillRectF(renderer_, &command.dst);
      break;
    case DrawCommand::Kind::Line:
      setDrawState(command);
      SDL_RenderDrawLineF(renderer_, command.points[0].x, command.points[0].y, command.points[1].x,
                          command.points[1].y);
      break;
    case DrawCommand::Kind::Quad: {
      setDrawState(command);
      SDL_Color c = command.color;
      c.a = command.effectiveAlpha();
      SDL_Vertex v[4];
      for (int i = 0; i < 4; ++i) v[i] = SDL_Vertex{command.points[i], c, SDL_FPoint{0, 0}};
      const int indices[6] = {0, 1, 2, 0, 2, 3};
      SDL_RenderGeometry(renderer_, nullptr, v, 4, indices, 6);
      break;
    }
  }
}

void Renderer::flushHeld() {
  if (held_.empty()) return;
  for (const SpriteBatch::Group& group : held_.groups()) {
    if (group.draws.size() == 1)
      drawTexture(group.draws.front());
    else
      drawGroup(group);
  }
  held_.clear();
}

SDL_Texture* Renderer::textureFor(const DrawCommand& command) {
  ImageData& image = *command.image;
  if (!image.validFrame(command.frame)) return nullptr;
  const bool masked = command.blend == MASKBLEND;
  PictureData& picture = *image.picture;
  const auto frame = size_t(command.frame);
  SDL_Texture* texture = picture.textures[frame].current(generation_, masked);
  if (texture) return texture;
  const Pixmap& pixels = picture.pixels(frame);
  if (!pixels) return nullptr;
  texture = picture.textures[frame].get(renderer_, generation_, *pixels, masked, image.filtered());
  picture.release(frame);
  return texture;
}

void Renderer::drawTexture(const DrawCommand& command) {
  SDL_Texture* texture = textureFor(command);
  if (!texture) return;
  SDL_SetTextureBlendMode(texture, sdlBlend(command.blend, true));
  SDL_SetTextureColorMod(texture, command.color.r, command.color.g, command.color.b);
  SDL_SetTextureAlphaMod(texture, command.effectiveAlpha());
  SDL_RenderCopyExF(renderer_, texture, &command.src, &command.dst, command.angle, &command.center,
                    SDL_RendererFlip(command.flip));
}

// Every picture of the group comes from one texture, unturned, in one geometry call.
void Renderer::drawGroup(const SpriteBatch::Group& group) {
  const DrawCommand& first = group.draws.front();
  SDL_Texture* texture = textureFor(first);
  if (!texture) return;
  SDL_SetTextureBlendMode(texture, sdlBlend(first.blend, true));
  const PictureData& picture = *first.image->picture;
  held_.buildQuads(group, picture.width, picture.height, vertices_, indices_);
  SDL_RenderGeometry(renderer_, texture, vertices_.data(), int(vertices_.size()), indices_.data(),
                     int(indices_.size()));
}

void Renderer::present() {
  flushHeld();
  if (renderer_ && window_) SDL_RenderPresent(renderer_);
}

void Renderer::setVSync(bool on) {
  if (!renderer_ || !window_ || vsync_ == int(on)) return;
  SDL_RenderSetVSync(renderer_, on ? 1 : 0);
  vsync_ = int(on);
}

Pixmap Renderer::readPixels(int x, int y, int width, int height) {
  auto result = std::make_shared<PixmapData>(std::max(width, 0), std::max(height, 0));
  if (!renderer_ || width <= 0 || height <= 0) return result;
  rasterisePending();
  SDL_RenderFlush(renderer_);
  if (surface_) {
    // The offscreen screen is the logical screen itself.
    for (int ly = 0; ly < height; ++ly)
      for (int lx = 0; lx < width; ++lx) {
        const int sx = x + lx, sy = y + ly;
        uint32_t value = 0xFF000000u;
        if (sx >= 0 && sy >= 0 && sx < width_ && sy < height_)
          value |= static_cast<const uint32_t*>(
              surface_->pixels)[size_t(sy) * size_t(surface_->pitch / 4) + size_t(sx)];
        result->pixels[size_t(ly) * size_t(width) + size_t(lx)] = value;
      }
    return result;
  }
  float scaleX = 1, scaleY = 1;
  SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
  SDL_Rect viewport{};
  SDL_RenderGetViewport(renderer_, &viewport);  // logical units
  // The back buffer may be larger than the logical screen (full screen, high DPI): read all of
  // it unscaled and sample one output pixel per logical pixel.
  SDL_RenderSetLogicalSize(renderer_, 0, 0);
  SDL_RenderSetScale(renderer_, 1, 1);
  SDL_RenderSetViewport(renderer_, nullptr);
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  std::vector<uint32_t> output(size_t(outW) * size_t(outH), 0u);
  const bool ok = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, output.data(),
                                       outW * 4) == 0;
  SDL_RenderSetLogicalSize(renderer_, width_, height_);
  if (!ok) return result;
  for (int ly = 0; ly < height; ++ly) {
    for (int lx = 0; lx < width; ++lx) {
      const int px = int(std::floor((float(viewport.x + x + lx) + 0.5f) * scaleX));
      const int py = int(std::floor((float(viewport.y + y + ly) + 0.5f) * scaleY));
      uint32_t value = 0xFF000000u;
      if (px >= 0 && py >= 0 && px < outW && py < outH && x + lx >= 0 && y + ly >= 0 &&
          x + lx < width_ && y + ly < height_)
        value |= output[size_t(py) * size_t(outW) + size_t(px)];
      result->pixels[size_t(ly) * size_t(width) + size_t(lx)] = value;
    }
  }
  return result;
}

}  // namespace platform
