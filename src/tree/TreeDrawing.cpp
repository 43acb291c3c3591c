#include "tree/TreeDrawing.h"

#include "tree/TLancuch.h"

namespace {
constexpr int kBehindTreeLayer = 5;
constexpr int kInFrontLayer = 6;
}  // namespace

void queueDecorations(const std::vector<TElementChoinkiPtr>& decorations,
                      const TElementChoinki* skip) {
  for (const auto& decoration : decorations)
    if (decoration.get() != skip) decoration->draw();
}

void drawTreeAndDecorations(TTreeStage& stage, const std::vector<TElementChoinkiPtr>& decorations,
                            const TElementChoinki* skip) {
  TZBuffer& zbuffer = stage.zbuffer();
  const TTreeLayers& layers = stage.layers();
  zbuffer.sortAllLayers();
  zbuffer.drawLayer(kBehindTreeLayer);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::SetColor(255, 255, 255);
  for (int n = TTreeLayers::kLayers - 1; n >= 0; --n) {
    platform::SetBlend(platform::ALPHABLEND);
    platform::SetAlpha(1);
    platform::SetScale(1, 1);
    platform::DrawImage(layers.images()[size_t(n)], float(layers.choinkaX[size_t(n)]),
                        float(layers.choinkaY[size_t(n)]));
    zbuffer.drawLayer(n);
  }
  zbuffer.drawLayer(kInFrontLayer);
  for (const auto& decoration : decorations)
    if (decoration.get() != skip && dynamic_cast<TLancuch*>(decoration.get())) decoration->draw();
}
