#include <filesystem>
#include <fstream>

#include "effects/EffectsFixture.h"
#include "effects/TSopel.h"

namespace {

class SopelTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    dir = std::filesystem::temp_directory_path() / "glimmerfir_sopel_test";
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    sople = {};
    std::filesystem::remove_all(dir);
    EffectsTest::TearDown();
  }
  std::filesystem::path dir;
};

TEST_F(SopelTest, ReadsTheIciclesAndHangsThemByTheirOffsets) {
  platform::Pixmap pix = platform::CreatePixmap(4, 4);
  platform::ClearPixels(pix, 0xFFFFFFFFu);
  const std::string picture = (dir / "ice.png").string();
  ASSERT_TRUE(platform::SavePixmapPNG(pix, picture));
  std::ofstream file(dir / "sople.dat");
  file << "sople {\n";
  for (int i = 0; i < 6; ++i)  // the seventh is missing
    file << "\tsopel" << i << " {\n\t\timg = \"" << picture << "\"\n\t\tpos = -5.7, " << 10 + i
         << ".9\n\t}\n";
  file << "}\n";
  file.close();

  loadSople((dir / "sople.dat").string());
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    ASSERT_NE(sople[i], nullptr);
    EXPECT_NE(sople[i]->img, nullptr);
    EXPECT_EQ(std::make_pair(sople[i]->ax, sople[i]->ay), std::make_pair(-5, 10 + i));
  }
  ASSERT_NE(sople[6], nullptr);
  EXPECT_EQ(sople[6]->img, nullptr);
  EXPECT_EQ(std::make_pair(sople[6]->ax, sople[6]->ay), std::make_pair(0, 0));

  clearScreen();
  sople[2]->draw(100, 100);  // top-left corner at (95, 112)
  sople[6]->draw(300, 300);  // nothing to draw
  EXPECT_TRUE(lit(95, 112));
  EXPECT_TRUE(lit(98, 115));
  EXPECT_FALSE(lit(94, 111));
  EXPECT_FALSE(lit(99, 116));
}

}  // namespace
