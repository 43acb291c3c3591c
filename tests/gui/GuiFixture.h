// Shared set-up of the GUI tests: a headless screen, a mouse sampled once per frame, .gui
// files and solid-colour sheets written into a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "gui/TGui.h"
#include "gui/TMouse.h"
#include "platform/platform.h"
#include "support/TempDir.h"
#include "support/TestScreenContext.h"

namespace guitest {

// Cell colours of the test sheets (ARGB), so a screenshot tells the cells apart.
inline constexpr uint32_t kCellColors[] = {0xFF2040C0, 0xFF20C040, 0xFFC02020, 0xFF808080,
                                           0xFFC0C020, 0xFF20C0C0, 0xFFC020C0, 0xFFFFFFFF};

// A sheet of `cells` solid cells, side by side (or stacked), each in its kCellColors colour.
inline void writeSheet(const std::string& path, int cellW, int cellH, int cells,
                       bool sideBySide = true) {
  testsupport::WriteFile(path, "");  // makes the folders
  const int w = sideBySide ? cellW * cells : cellW, h = sideBySide ? cellH : cellH * cells;
  platform::Pixmap pixmap = platform::CreatePixmap(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int cell = sideBySide ? x / cellW : y / cellH;
      platform::WritePixel(pixmap, x, y, kCellColors[cell % 8]);
    }
  }
  platform::SavePixmapPNG(pixmap, path);
}

inline void writeSolid(const std::string& path, int w, int h, uint32_t argb) {
  testsupport::WriteFile(path, "");
  platform::Pixmap pixmap = platform::CreatePixmap(w, h);
  platform::ClearPixels(pixmap, argb);
  platform::SavePixmapPNG(pixmap, path);
}

// Records the clicks the GUI asks for.
class RecordingSounds : public IGuiSounds {
 public:
  int clicks = 0;
  void playClick() override { ++clicks; }
};

class GuiFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    context = std::make_unique<testsupport::TestScreenContext>();
    mouse = &context->pointer;
    delta = 1.0f;
  }
  void TearDown() override { platform::SetAlwaysRender(false); }

  // Writes the .gui text into the temporary folder and loads it.
  std::shared_ptr<TGui> loadText(const std::string& text, const std::string& name = "t.gui") {
    testsupport::WriteFile(dir / name, text);
    return loadGui(dir / name, *context);
  }
  // One frame as a screen runs it: sample the mouse, update the GUI, show the frame.
  void frame(TGui& gui) {
    mouse->update();
    gui.update();
    platform::Flip(-1);
  }
  void frames(TGui& gui, int count) {
    for (int i = 0; i < count; ++i) frame(gui);
  }
  // Clears the screen to black, draws the GUI and leaves the pixels readable.
  void render(TGui& gui) {
    platform::SetAlwaysRender(true);
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    gui.draw();
  }
  void moveTo(int x, int y) { platform::InjectMouseMove(x, y); }
  void press() { platform::InjectMouseButton(1, true); }
  void release() { platform::InjectMouseButton(1, false); }

  testsupport::TempDir dir;
  std::unique_ptr<testsupport::TestScreenContext> context;
  TMouse* mouse = nullptr;  // the context's sampler
};

}  // namespace guitest
