// One frame of 1000 rotated, tinted, alpha-blended 42 x 42 sprites with mixed blend modes:
// headless with rasterising on, headless recording only, and (with a display) in a window.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace {

using namespace platform;

constexpr int kSprites = 1000;
constexpr int kFrames = 30;

Image makeSprite() {
  Pixmap pixmap = CreatePixmap(42, 42);
  for (int y = 0; y < 42; ++y)
    for (int x = 0; x < 42; ++x) {
      const float d = std::hypot(float(x) - 20.5f, float(y) - 20.5f) / 21.0f;
      const auto a = uint32_t(std::max(0.0f, 1.0f - d) * 255.0f);
      WritePixel(pixmap, x, y, (a << 24) | 0x00FFD080u);
    }
  Image image = LoadImageFromPixmap(pixmap, ImageFlags::Filtered);
  MidHandleImage(image);
  return image;
}

void drawFrame(const Image& sprite, int frame) {
  static const int kBlends[] = {ALPHABLEND, LIGHTBLEND, ALPHABLEND, SHADEBLEND, MASKBLEND};
  SetClsColor(20, 30, 60);
  Cls();
  for (int i = 0; i < kSprites; ++i) {
    SetBlend(kBlends[i % 5]);
    SetColor(128 + (i * 37) % 128, 128 + (i * 91) % 128, 128 + (i * 53) % 128);
    SetAlpha(0.3f + float(i % 7) / 10.0f);
    SetRotation(float((i * 13 + frame * 3) % 360));
    const float s = 0.75f + float(i % 5) / 8.0f;
    SetScale(s, s);
    DrawImage(sprite, float((i * 97) % 800), float((i * 61) % 600));
  }
  SetTransform(0, 1, 1);
  SetBlend(ALPHABLEND);
  SetAlpha(1);
  SetColor(255, 255, 255);
}

void measure(const char* name, const Image& sprite, bool needPixels) {
  drawFrame(sprite, 0);  // warm-up: textures are made on first use
  if (needPixels) ScreenPixel(0, 0);
  Flip(0);
  const auto start = std::chrono::steady_clock::now();
  for (int frame = 1; frame <= kFrames; ++frame) {
    drawFrame(sprite, frame);
    if (needPixels) ScreenPixel(0, 0);  // makes sure the frame was rasterised
    Flip(0);
  }
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  std::printf("%-34s %8.2f ms/frame (%d sprites)\n", name, elapsed.count() / kFrames, kSprites);
}

}  // namespace

int main() {
  const char* headless = std::getenv("GLIMMERFIR_HEADLESS");
  if (std::getenv("DISPLAY") && !(headless && *headless && std::string(headless) != "0")) {
    if (Graphics(800, 600, 0, 60, 0)) {
      measure("window (accelerated renderer)", makeSprite(), false);
      EndGraphics();
    } else {
      std::printf("window: could not open one\n");
    }
  } else {
    std::printf("window: skipped (no DISPLAY, or GLIMMERFIR_HEADLESS set)\n");
  }
  InitHeadless();
  Graphics(800, 600, 0, 60, 0);
  const Image sprite = makeSprite();
  SetAlwaysRender(true);
  measure("headless, rasterising every frame", sprite, true);
  SetAlwaysRender(false);
  measure("headless, recording only", sprite, false);
  return 0;
}
