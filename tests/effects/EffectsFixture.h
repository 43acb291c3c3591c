// Shared set-up for effect tests: a headless screen, a fixed frame time and empty global
// lists; frames advance the virtual clock by one Flip each.
#pragma once

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "effects/TFlyText.h"
#include "effects/TParticle.h"
#include "effects/TSnow.h"
#include "platform/platform.h"

class EffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    // The virtual clock starts at 0; holds that end "at 0" must already be over.
    platform::Flip();
    delta = 1.0f;
    particlesEnabled = 1;
    setChainParticles(nullptr);
    setTextParticles(nullptr);
    globalParticles.clear();
    flyTexts.clear();
    snowFlakes.clear();
  }
  void TearDown() override {
    platform::SetAlwaysRender(false);
    globalParticles.clear();
    flyTexts.clear();
    snowFlakes.clear();
    particleImages = {};
    snowImages = {};
  }

  // A white square picture with a centred handle.
  static platform::Image whiteDot(int size = 4) {
    platform::Pixmap pix = platform::CreatePixmap(size, size);
    platform::ClearPixels(pix, 0xFFFFFFFFu);
    platform::Image img = platform::LoadImageFromPixmap(pix, platform::ImageFlags::None);
    platform::MidHandleImage(img);
    return img;
  }

  static void clearScreen() {
    platform::SetAlwaysRender(true);
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
  }
  static bool lit(int x, int y) { return (platform::ScreenPixel(x, y) & 0xFFFFFF) != 0; }
};
