// Cost of the tree with sixty decorations, per frame: every decoration's update (its animation
// and the pointer test), and the drawing of the tree's five layers with the decorations between
// them (rendered headless). Also the layer of a point, read from the layer pictures' pixels, set
// against writing the five layer pictures into a collision layer and testing a pixel.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "effects/TParticle.h"
#include "effects/TZBuffer.h"
#include "gui/TMouse.h"
#include "platform/platform.h"
#include "tree/DecorationFactory.h"
#include "tree/TBombkaData.h"
#include "tree/TOzdobkaData.h"
#include "tree/TShopCatalogue.h"
#include "tree/TreeDrawing.h"

namespace {

struct Tree {
  TZBuffer zbuffer;
  TMouse mouse;
  TTreeStage stage{zbuffer, mouse};
  TShopCatalogue shop{stage};
  std::vector<TElementChoinkiPtr> decorations;

  Tree() {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    std::error_code ec;
    std::filesystem::current_path(GLIMMERFIR_ASSET_DIR, ec);
    delta = 1.0f;
    stage.loadPixel();
    stage.layers().setImages(TTreeLayers::loadImages(assets::TREE_LAYERS_NIGHT));
    shop.load(assets::DATA_CATEGORIES);
    hang();
  }

  template <class Make>
  void hangAll(const std::vector<TElementDataPtr>& products, int count, int y0, Make make) {
    for (int i = 0; i < count && !products.empty(); ++i) {
      const float x = 380.0f + float((i * 47) % 160), y = float(y0 + (i * 61) % 200);
      decorations.push_back(make(products[size_t(i) % products.size()], x, y));
    }
  }
  void hang() {
    hangAll(shop.catalogueBombki, 16, 200, [](const TElementDataPtr& p, float x, float y) {
      return TElementChoinkiPtr(createBombka(std::static_pointer_cast<TBombkaData>(p), x, y));
    });
    hangAll(shop.catalogueOzdobki, 14, 180, [](const TElementDataPtr& p, float x, float y) {
      return TElementChoinkiPtr(createOzdobka(std::static_pointer_cast<TOzdobkaData>(p), x, y));
    });
    hangAll(shop.catalogueLampki, 18, 220, [](const TElementDataPtr& p, float x, float y) {
      return TElementChoinkiPtr(createLampka(std::static_pointer_cast<TLampkaData>(p), x, y));
    });
    hangAll(shop.catalogueLancuchy, 6, 250, [](const TElementDataPtr& p, float x, float y) {
      return TElementChoinkiPtr(
          createLancuch(std::static_pointer_cast<TLancuchData>(p), x - 50, y, x + 40, y + 10));
    });
    hangAll(shop.catalogueDekoracje, 6, 540, [](const TElementDataPtr& p, float x, float y) {
      return TElementChoinkiPtr(
          createDekor(std::static_pointer_cast<TDekorData>(p), x, 540 + (y - 540) / 10));
    });
  }
};

Tree& tree() {
  static Tree instance;
  return instance;
}

void BM_TreeUpdate(benchmark::State& state) {
  Tree& t = tree();
  t.mouse.x = 440;
  t.mouse.y = 330;
  for (auto _ : state) {
    int over = 0;
    for (const auto& d : t.decorations) over += d->update();
    benchmark::DoNotOptimize(over);
    globalParticles.clear();
  }
  state.counters["decorations"] = double(t.decorations.size());
}
BENCHMARK(BM_TreeUpdate)->Unit(benchmark::kMicrosecond);

void BM_TreeDraw(benchmark::State& state) {
  Tree& t = tree();
  platform::SetAlwaysRender(true);
  for (auto _ : state) {
    platform::Cls();
    queueDecorations(t.decorations);
    drawTreeAndDecorations(t.stage, t.decorations);
    platform::Flip(0);
  }
  platform::SetAlwaysRender(false);
}
BENCHMARK(BM_TreeDraw)->Unit(benchmark::kMillisecond);

void BM_LayerOfPointFromPixels(benchmark::State& state) {
  Tree& t = tree();
  int y = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t.stage.layers().layerAt(450, y));
    y = y >= 540 ? 100 : y + 1;
  }
}
BENCHMARK(BM_LayerOfPointFromPixels);

// The same answer through the collision layers: each layer picture written whole, then a
// one-pixel picture tested, from the rearmost layer forward.
void BM_LayerOfPointThroughCollisionLayers(benchmark::State& state) {
  Tree& t = tree();
  const platform::Image pixel = platform::LoadImage(assets::PIXEL);
  const TTreeLayers& layers = t.stage.layers();
  int y = 100;
  for (auto _ : state) {
    int layer = 4;
    for (int n = 4; n >= 0; --n) {
      platform::ResetCollisions(0);
      platform::CollideImage(layers.images()[size_t(n)], float(layers.choinkaX[size_t(n)]),
                             float(layers.choinkaY[size_t(n)]), 0, 0, 1, 0);
      if (!platform::CollideImage(pixel, 450, float(y), 0, 1, 0, 0).empty()) {
        layer = n;
        break;
      }
    }
    benchmark::DoNotOptimize(layer);
    y = y >= 540 ? 100 : y + 1;
  }
}
BENCHMARK(BM_LayerOfPointThroughCollisionLayers)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
