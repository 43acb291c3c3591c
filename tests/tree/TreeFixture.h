// Shared set-up of the tree tests: a headless screen, a pointer the tests move by hand, the
// draw-ordering buffer and a stage whose five tree layers are plain rectangles.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "effects/TParticle.h"
#include "effects/TZBuffer.h"
#include "gui/TMouse.h"
#include "platform/platform.h"
#include "tree/TTreeStage.h"

namespace treetest {

// A picture of one colour with a centred handle, as the game loads its pictures.
inline platform::Image solidImage(int w, int h, uint32_t argb = 0xFFFFFFFFu) {
  const platform::Pixmap pixmap = platform::CreatePixmap(w, h);
  platform::ClearPixels(pixmap, argb);
  platform::Image image = platform::LoadImageFromPixmap(pixmap, platform::ImageFlags::None);
  platform::MidHandleImage(image);
  return image;
}

class TreeFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    delta = 1.0f;
    particlesEnabled = 1;
    globalParticles.clear();
    stage.loadPixel(std::string(GLIMMERFIR_ASSET_DIR) + "/gfx/pixel.png");
    // Layer n is a 100 x 40 block centred at (400, 100 + 30 n): each overlaps the next by 10.
    std::array<platform::Image, 5> layers;
    for (int n = 0; n < 5; ++n) {
      layers[size_t(n)] = solidImage(100, 40);
      stage.layers().choinkaX[size_t(n)] = 400;
      stage.layers().choinkaY[size_t(n)] = 100 + 30 * n;
    }
    stage.layers().setImages(layers);
  }
  void TearDown() override { globalParticles.clear(); }

  void pointAt(int x, int y) {
    mouse.x = x;
    mouse.y = y;
  }

  TZBuffer zbuffer;
  TMouse mouse;
  TTreeStage stage{zbuffer, mouse};
};

}  // namespace treetest
