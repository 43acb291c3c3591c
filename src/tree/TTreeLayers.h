// The tree is five layer pictures drawn back to front (layer 4 first, layer 0 last); a
// decoration hangs in the rearmost layer under its hanging point, so the layers in front of
// that one may cover it.
#pragma once

#include <array>

#include "platform/platform.h"

class TTreeLayers {
 public:
  static constexpr int kLayers = 5;
  // Where each layer picture is drawn (its handle is placed here).
  std::array<int, kLayers> choinkaX{};
  std::array<int, kLayers> choinkaY{};

  // Loads five layer pictures, mid-handled as they are drawn.
  using Paths = const char* const[kLayers];
  static std::array<platform::Image, kLayers> loadImages(const Paths& paths);

  // The layer pictures in use (the day or the night tree).
  void setImages(const std::array<platform::Image, kLayers>& images) { images_ = images; }
  const std::array<platform::Image, kLayers>& images() const { return images_; }

  // Whether layer n, drawn at its place at scale 1, covers the screen pixel (x, y).
  bool covers(int n, int x, int y) const;
  // The rearmost layer whose picture covers the point; 4 when none does.
  int layerAt(int x, int y) const;

 private:
  std::array<platform::Image, kLayers> images_{};
};
