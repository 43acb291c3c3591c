#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "support/TempDir.h"
#include "tree/TBombkaData.h"
#include "tree/TOzdobkaData.h"
#include "tree/TShopCatalogue.h"
#include "tree/TreeFixture.h"

namespace {

using testsupport::WriteFile;

// A product group of a product file.
std::string productGroup(int j, int id, const std::string& picture, int price,
                         const std::string& extra = "") {
  return "\tobj" + std::to_string(j) + " {\n\t\tid = " + std::to_string(id) + "\n\t\tgfx = \"" +
         picture + "\"\n\t\thandle = 20, 3\n\t\ttytul = \"T" + std::to_string(j) +
         "\"\n\t\topis = \"D\"\n\t\tcena = " + std::to_string(price) + "\n\t\ts = 0.75\n" + extra +
         "\t}\n";
}

class CatalogueTest : public treetest::TreeFixture {
 protected:
  void SetUp() override {
    TreeFixture::SetUp();
    oldDir = platform::CurrentDir();
    platform::ChangeDir(dir.path());
    const platform::Pixmap pixmap = platform::CreatePixmap(40, 56);
    platform::ClearPixels(pixmap, 0xFFC02020u);
    WriteFile("gfx/b.png", "");
    platform::SavePixmapPNG(pixmap, "gfx/b.png");
  }
  void TearDown() override {
    platform::ChangeDir(oldDir);
    TreeFixture::TearDown();
  }
  // Loads "data/kategorie.dat" and returns what was logged.
  std::string load() {
    testing::internal::CaptureStdout();
    catalogue.load("data/kategorie.dat");
    return testing::internal::GetCapturedStdout();
  }

  testsupport::TempDir dir;
  std::string oldDir;
  TShopCatalogue catalogue{stage};
};

TEST_F(CatalogueTest, ReadsTabsProductsAndTheTreeLayout) {
  WriteFile(
      "data/kategorie.dat",
      "kategorie {\n\ti = 3\n"
      "\tchoinkaPos0x = 458\n\tchoinkaPos0y = 175\n\tchoinkaPos4x = 400.7\n"
      "\tchoinkaPos4y = 455\n"
      "\tk1 {\n\t\tid = 1\n\t\ttytul = \"Baubles\"\n\t\tpos = 8.9, 66\n\t\tcpos = 8, 62\n\t}\n"
      "\tk2 {\n\t\tid = 9\n\t}\n"
      "\tk3 {\n\t\tid = 2\n\t}\n}\n");
  WriteFile("data/elementy_bombki.dat", "bombki {\n\ti = 3\n" +
                                            productGroup(1, 7, "gfx/b.png", 12) +
                                            productGroup(2, 8, "gfx/missing.png", 5) +
                                            productGroup(3, 7, "gfx/b.png", 30) + "}\n");
  WriteFile("data/elementy_ozdobki.dat",
            "ozdobki {\n\ti = 1\n" + productGroup(1, 1, "gfx/b.png", 40) + "}\n");
  const std::string log = load();

  ASSERT_EQ(catalogue.kategorie.size(), 3u);
  const auto& baubles = *catalogue.kategorie[0];
  EXPECT_EQ(baubles.tytul, "Baubles");
  EXPECT_FLOAT_EQ(baubles.dim->x, 8);
  EXPECT_FLOAT_EQ(baubles.cdim->y, 62);
  // The product whose picture is missing is left out, with a line saying so.
  ASSERT_EQ(baubles.produkty.size(), 2u);
  EXPECT_NE(log.find("gfx/missing.png"), std::string::npos) << log;
  EXPECT_TRUE(catalogue.kategorie[1]->produkty.empty());  // no kind has id 9
  EXPECT_EQ(catalogue.catalogueBombki.size(), 2u);
  EXPECT_EQ(catalogue.catalogueOzdobki.size(), 1u);

  const auto& first = *baubles.produkty[0];
  EXPECT_EQ(first.typ, "BOMBKA");
  EXPECT_EQ(first.cena, 12);
  EXPECT_FLOAT_EQ(first.scale, 0.75f);
  EXPECT_EQ(first.hx, 20);
  EXPECT_EQ(first.hy, 3);
  EXPECT_FLOAT_EQ(platform::ImageXHandle(first.gfx), 20);  // mid-handled
  EXPECT_EQ(catalogue.kategorie[2]->produkty[0]->typ, "OZDOBA");

  // Lookups take the first product with the id; an unknown id gives null.
  ASSERT_TRUE(catalogue.getBombkaData(7));
  EXPECT_EQ(catalogue.getBombkaData(7)->cena, 12);
  EXPECT_FALSE(catalogue.getBombkaData(8));
  EXPECT_FALSE(catalogue.getLampkaData(7));
  EXPECT_EQ(catalogue.getOzdobkaData(1)->cena, 40);

  EXPECT_EQ(stage.layers().choinkaX[0], 458);
  EXPECT_EQ(stage.layers().choinkaX[4], 400);
  EXPECT_NE(log.find("WCZYTANE: 458, 175\n"), std::string::npos) << log;
  EXPECT_NE(log.find("WCZYTANE: 0, 0\n"), std::string::npos) << log;
  EXPECT_NE(log.find("WSZYSTKICH PRODUKTOW W SKLEPIE : 3\n"), std::string::npos) << log;
}

TEST_F(CatalogueTest, DamagedProductFilesNeverCrashOrHang) {
  const std::string good = productGroup(1, 1, "gfx/b.png", 10);
  struct Case {
    const char* what;
    std::string text;
    size_t products;
  };
  const Case cases[] = {
      {"empty", "", 0},
      {"huge count", "lampki {\n\ti = 1e10\n" + good + "}\n", 1},
      {"count at the int limit", "lampki {\n\ti = 2147483647\n" + good + "}\n", 1},
      {"negative count", "lampki {\n\ti = -4\n" + good + "}\n", 0},
      {"count but no groups", "lampki {\n\ti = 5\n}\n", 0},
      {"unbalanced braces", "lampki {\n\ti = 1\n" + good, 0},
      {"no picture named", "lampki {\n\ti = 1\n\tobj1 {\n\t\tid = 1\n\t}\n}\n", 0},
      {"a gap stops the list", "lampki {\n\ti = 3\n" + good + "\tobj3 {\n\t\tid = 3\n\t}\n}\n", 1},
      {"garbage", std::string("\0\xff{{}}=\n=,,\"", 12), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile("data/l.dat", c.text);
    testing::internal::CaptureStdout();
    TShopCatalogue fresh(stage);
    const auto products = fresh.loadLampki("data/l.dat");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(products.size(), c.products);
    EXPECT_EQ(fresh.catalogueLampki.size(), c.products);
  }
}

TEST_F(CatalogueTest, MissingFilesGiveAnEmptyShop) {
  const std::string log = load();
  EXPECT_TRUE(catalogue.kategorie.empty());
  EXPECT_NE(log.find("WSZYSTKICH PRODUKTOW W SKLEPIE : 0"), std::string::npos);
}

}  // namespace
