// Window, frame and drawing calls of the platform API.
#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/Backend.h"
#include "platform/ImageData.h"
#include "platform/ImageFontData.h"
#include "platform/WindowIcon.h"
#include "platform/platform.h"
#include "platform/strings.h"

namespace platform {

namespace {

Backend& B() { return Backend::get(); }

SDL_Color currentColor() {
  const GraphicsState& s = B().state;
  return SDL_Color{Uint8(s.red), Uint8(s.green), Uint8(s.blue),
                   Uint8(std::lround(std::clamp(s.alpha, 0.0f, 1.0f) * 255.0f))};
}

// Blending with no alpha, or adding nothing, leaves the screen as it was; mask, solid and shade
// drawing ignore the alpha, so they always show.
bool transparent(const SDL_Color& color, int blend) {
  return color.a == 0 && (blend == ALPHABLEND || blend == LIGHTBLEND);
}

// A picture at `dst`, turned by `angle` degrees about `pivot` (from dst's corner), lies wholly
// off a w x h screen: drawing it would show nothing.
bool offScreen(const SDL_FRect& dst, const SDL_FPoint& pivot, double angle, int w, int h) {
  float left = dst.x, top = dst.y, right = dst.x + dst.w, bottom = dst.y + dst.h;
  if (angle != 0) {
    const float reach =
        std::hypot(std::max(pivot.x, dst.w - pivot.x), std::max(pivot.y, dst.h - pivot.y));
    left = dst.x + pivot.x - reach;
    right = dst.x + pivot.x + reach;
    top = dst.y + pivot.y - reach;
    bottom = dst.y + pivot.y + reach;
  }
  return right <= 0 || bottom <= 0 || left >= float(w) || top >= float(h);
}

void submitPicture(const Image& image, int frame, const SDL_Rect& source, const Placement& p) {
  Backend& b = B();
  if (!b.renderer.isOpen() || !image || !image->validFrame(frame)) return;
  const SDL_Color color = currentColor();
  if (transparent(color, b.state.blend) || p.scaleX == 0 || p.scaleY == 0 || p.width == 0 ||
      p.height == 0)
    return;
  DrawCommand command;
  command.kind = DrawCommand::Kind::Texture;
  command.image = image;
  command.frame = frame;
  command.src = source;
  const float ax = std::fabs(p.scaleX), ay = std::fabs(p.scaleY);
  command.dst.w = p.width * ax;
  command.dst.h = p.height * ay;
  // SDL mirrors inside the target rectangle, so a mirrored picture starts on the other side.
  command.dst.x = p.scaleX >= 0 ? p.x - p.handleX * ax : p.x - (p.width - p.handleX) * ax;
  command.dst.y = p.scaleY >= 0 ? p.y - p.handleY * ay : p.y - (p.height - p.handleY) * ay;
  command.center = SDL_FPoint{p.x - command.dst.x, p.y - command.dst.y};
  command.angle = p.angle;
  if (offScreen(command.dst, command.center, command.angle, b.renderer.width(),
                b.renderer.height()))
    return;
  command.flip =
      uint8_t((p.scaleX < 0 ? SDL_FLIP_HORIZONTAL : 0) | (p.scaleY < 0 ? SDL_FLIP_VERTICAL : 0));
  command.color = color;
  command.blend = uint8_t(b.state.blend);
  b.renderer.submit(std::move(command));
}

SDL_FPoint transformed(float x, float y, float dx, float dy) {
  const GraphicsState& s = B().state;
  const float ux = dx * s.scaleX, uy = dy * s.scaleY;
  if (s.rotation == 0) return SDL_FPoint{x + ux, y + uy};
  const float c = std::cos(s.rotation * kDegreesToRadians);
  const float sn = std::sin(s.rotation * kDegreesToRadians);
  return SDL_FPoint{x + ux * c - uy * sn, y + ux * sn + uy * c};
}

int clampColour(int value) { return std::clamp(value, 0, 255); }

}  // namespace

void AppTitle(const std::string& title) {
  B().title = title;
  SDL_SetHint(SDL_HINT_APP_NAME, title.c_str());  // names the game in the sound mixer too
  B().renderer.setTitle(title);
}

bool AppIcon(const std::string& path) {
  Pixmap icon = LoadPixmap(path);
  if (!icon) return false;
  B().renderer.setIcon(std::move(icon));
  return true;
}

bool Graphics(int width, int height, int depth, int, int) {
  if (width <= 0 || height <= 0) return false;
  return B().openScreen(width, height, depth != 0);
}

void EndGraphics() { B().closeScreen(); }
bool GraphicsOpen() { return B().renderer.isOpen(); }
int GraphicsWidth() { return B().renderer.width(); }
int GraphicsHeight() { return B().renderer.height(); }

void Cls() {
  const GraphicsState& s = B().state;
  DrawCommand command;
  command.kind = DrawCommand::Kind::Clear;
  command.color = SDL_Color{Uint8(s.clsRed), Uint8(s.clsGreen), Uint8(s.clsBlue), 255};
  B().renderer.submit(std::move(command));
}

void SetClsColor(int r, int g, int b) {
  GraphicsState& s = B().state;
  s.clsRed = clampColour(r);
  s.clsGreen = clampColour(g);
  s.clsBlue = clampColour(b);
}

void Flip(int sync) { B().flip(sync); }
void PollSystem() { B().poll(); }
bool AppTerminate() { return B().appTerminate(); }

bool WindowFocusLost() { return B().takeFocusLost(); }
void Notify(const std::string& text) { B().notify(text); }
void ShowMouse() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_ENABLE);
}
void HideMouse() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_DISABLE);
}

void SetColor(int r, int g, int b) {
  GraphicsState& s = B().state;
  s.red = clampColour(r);
  s.green = clampColour(g);
  s.blue = clampColour(b);
}

void GetColor(int& r, int& g, int& b) {
  const GraphicsState& s = B().state;
  r = s.red;
  g = s.green;
  b = s.blue;
}

void SetAlpha(float alpha) {
  B().state.alpha = std::isfinite(alpha) ? std::clamp(alpha, 0.0f, 1.0f) : 1.0f;
}
float GetAlpha() { return B().state.alpha; }
void SetBlend(int mode) {
  if (mode >= MASKBLEND && mode <= SHADEBLEND) B().state.blend = mode;
}
int GetBlend() { return B().state.blend; }
void SetRotation(float degrees) { B().state.rotation = std::isfinite(degrees) ? degrees : 0.0f; }
float GetRotation() { return B().state.rotation; }
void SetScale(float sx, float sy) {
  B().state.scaleX = std::isfinite(sx) ? sx : 1.0f;
  B().state.scaleY = std::isfinite(sy) ? sy : 1.0f;
}
void GetScale(float& sx, float& sy) {
  sx = B().state.scaleX;
  sy = B().state.scaleY;
}
void SetTransform(float degrees, float sx, float sy) {
  SetRotation(degrees);
  SetScale(sx, sy);
}

void DrawImage(const Image& image, float x, float y, int frame) {
  if (!image) return;
  const SDL_Rect whole{0, 0, image->width, image->height};
  submitPicture(image, frame, whole,
                B().state.place(x, y, float(image->width), float(image->height), image->handleX,
                                image->handleY));
}

void DrawImageRect(const Image& image, float x, float y, float width, float height, int frame) {
  if (!image || image->width <= 0 || image->height <= 0) return;
  const SDL_Rect whole{0, 0, image->width, image->height};
  submitPicture(image, frame, whole,
                B().state.place(x, y, width, height, image->handleX * width / float(image->width),
                                image->handleY * height / float(image->height)));
}

void DrawSubImageRect(const Image& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx, float hy, int frame) {
  if (!image || sw <= 0 || sh <= 0) return;
  const SDL_Rect source{int(std::floor(sx)), int(std::floor(sy)), int(std::lround(sw)),
                        int(std::lround(sh))};
  submitPicture(image, frame, source,
                B().state.place(x, y, width, height, hx * width / sw, hy * height / sh));
}

void DrawRect(float x, float y, float width, float height) {
  Backend& b = B();
  if (!b.renderer.isOpen() || transparent(currentColor(), b.state.blend) || b.state.scaleX == 0 ||
      b.state.scaleY == 0)
    return;
  DrawCommand command;
  command.color = currentColor();
  command.blend = uint8_t(b.state.blend);
  if (b.state.rotation == 0) {
    const SDL_FPoint far = transformed(x, y, width, height);
    command.kind = DrawCommand::Kind::FillRect;
    command.dst = SDL_FRect{std::min(x, far.x), std::min(y, far.y), std::fabs(far.x - x),
                            std::fabs(far.y - y)};
  } else {
    command.kind = DrawCommand::Kind::Quad;
    command.points[0] = transformed(x, y, 0, 0);
    command.points[1] = transformed(x, y, width, 0);
    command.points[2] = transformed(x, y, width, height);
    command.points[3] = transformed(x, y, 0, height);
  }
  b.renderer.submit(std::move(command));
}

void DrawLine(float x1, float y1, float x2, float y2) {
  Backend& b = B();
  if (!b.renderer.isOpen() || transparent(currentColor(), b.state.blend)) return;
  DrawCommand command;
  command.kind = DrawCommand::Kind::Line;
  command.color = currentColor();
  command.blend = uint8_t(b.state.blend);
  command.points[0] = SDL_FPoint{x1, y1};
  command.points[1] = transformed(x1, y1, x2 - x1, y2 - y1);
  b.renderer.submit(std::move(command));
}

ImageFont LoadImageFont(const std::string& path, int size, int style) {
  return ImageFontData::load(path, size, style);
}

void SetImageFont(const ImageFont& font) { B().state.font = font; }
ImageFont GetImageFont() { return B().state.font; }

void DrawText(const std::string& text, float x, float y) {
  ImageFontData& font = *B().font();
  const std::vector<int> codepoints = DecodeUtf8(text);
  int pen = 0;
  for (size_t i = 0; i < codepoints.size(); ++i) {
    if (i > 0) pen += font.kerning(codepoints[i - 1], codepoints[i]);
    const Glyph& glyph = font.glyph(codepoints[i]);
    const GlyphAtlas::Slot& picture = glyph.picture;
    if (picture.page) {
      // Every glyph hangs from the text's origin, so scale and rotation apply to the line.
      const SDL_Rect source{picture.x, picture.y, picture.width, picture.height};
      submitPicture(picture.page, 0, source,
                    B().state.place(x, y, float(picture.width), float(picture.height),
                                    -float(pen + glyph.offsetX), -float(glyph.offsetY)));
    }
    pen += glyph.advance;
  }
}

int TextWidth(const std::string& text) { return B().font()->width(DecodeUtf8(text)); }
int TextHeight(const std::string&) { return B().font()->lineHeight(); }

bool IsHeadless() { return B().headless(); }
void InitHeadless() { B().startHeadless(); }
int FrameCount() { return B().frames(); }
void SetAlwaysRender(bool on) { B().setAlwaysRender(on); }
bool SaveScreenshot(const std::string& path) { return B().saveScreenshot(path); }
DrawStats LastFrameDrawStats() { return B().renderer.lastFrameStats(); }
void SetDrawBatching(bool on) { B().renderer.setBatching(on); }

uint32_t ScreenPixel(int x, int y) {
  Backend& b = B();
  if (!b.renderer.isOpen() || x < 0 || y < 0 || x >= b.renderer.width() || y >= b.renderer.height())
    return 0;
  return b.renderer.readPixels(x, y, 1, 1)->pixels[0];
}

}  // namespace platform
