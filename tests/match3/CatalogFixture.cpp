#include "CatalogFixture.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/platform.h"

namespace {

void writePicture(const std::string& path, int width, int height) {
  auto pixmap = platform::CreatePixmap(width, height);
  platform::ClearPixels(pixmap, 0xFF3366CCu);
  ASSERT_TRUE(platform::SavePixmapPNG(pixmap, path)) << path;
}

// Frame k of the strip is a plain square of stripColour(k).
void writeStrip(const std::string& path, int frames) {
  auto pixmap = platform::CreatePixmap(frames * 42, 42);
  for (int k = 0; k < frames; ++k)
    for (int y = 0; y < 42; ++y)
      for (int x = 0; x < 42; ++x) platform::WritePixel(pixmap, k * 42 + x, y, stripColour(k));
  ASSERT_TRUE(platform::SavePixmapPNG(pixmap, path)) << path;
}

}  // namespace

uint32_t stripColour(int frame) { return 0xFF000000u | (0x30u * (frame + 1)) << 16 | 0x80u; }

void CatalogFixture::SetUp() {
  platform::InitHeadless();
  oldDir_ = platform::CurrentDir();
  ASSERT_FALSE(tempDir_.path().empty());
  dir_ = tempDir_.path();
  std::filesystem::create_directories(dir_ + "/gfx");
  writePicture(temp("gfx/tile64.png"), 64, 64);
  writePicture(temp("gfx/tile50.png"), 50, 50);
  writePicture(temp("gfx/tile42.png"), 42, 42);
  writePicture(temp("gfx/tile32.png"), 32, 32);
  writePicture(temp("gfx/wide.png"), 50, 46);
  writeStrip(temp("gfx/strip4.png"), 4);
  writePicture(temp("gfx/blink9.png"), 9 * 42, 42);
  writePicture(temp("gfx/back1.png"), 80, 60);
  ASSERT_TRUE(platform::ChangeDir(dir_));
  catalog = std::make_shared<TTileCatalog>();
  capturedStdout([&] {
    catalog->loadTiles(data("tiles.dat"));
    catalog->loadBonusy(data("bonusy.dat"));
    catalog->loadTileBacks(data("tileBacks.dat"));
    catalog->loadBackgrounds(data("backgrounds.dat"));
    catalog->loadRamki(data("ramka.dat"));
    catalog->loadSizes(data("sizes.txt"));
  });
}

void CatalogFixture::TearDown() { platform::ChangeDir(oldDir_); }

std::string CatalogFixture::data(const std::string& name) {
  return std::string(GLIMMERFIR_TEST_DATA) + "/match3/" + name;
}

std::string CatalogFixture::temp(const std::string& name) const { return dir_ + "/" + name; }

std::string CatalogFixture::writeTemp(const std::string& name, const std::string& text) const {
  std::string path = temp(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}
