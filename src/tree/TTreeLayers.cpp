#include "tree/TTreeLayers.h"

bool TTreeLayers::covers(int n, int x, int y) const {
  if (n < 0 || n >= kLayers) return false;
  return platform::ImageCoversPixel(images_[size_t(n)], float(choinkaX[size_t(n)]),
                                    float(choinkaY[size_t(n)]), x, y);
}

std::array<platform::Image, TTreeLayers::kLayers> TTreeLayers::loadImages(const Paths& paths) {
  std::array<platform::Image, kLayers> images;
  for (size_t n = 0; n < images.size(); ++n) {
    images[n] = platform::LoadImage(paths[n]);
    platform::MidHandleImage(images[n]);
  }
  return images;
}

int TTreeLayers::layerAt(int x, int y) const {
  for (int n = kLayers - 1; n >= 0; --n)
    if (covers(n, x, y)) return n;
  return kLayers - 1;
}
