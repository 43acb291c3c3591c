// Loading the pictures the code names, as screens do: single pictures, and sheets read the
// way buttons, animations and cursors read them (the whole picture for its size, then its
// cells). Cold: the first time a run needs them; warm: a screen set up again.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "datafile/AssetNames.h"
#include "platform/Backend.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

struct Picture {
  std::string path;
  int frames = 0;  // 0: a single picture
};

std::vector<Picture> PicturesInTheFolder() {
  std::vector<Picture> pictures;
  for (const auto& spec : assets::codeAssets()) {
    if (platform::FileType(spec.path) != 1) continue;
    if (spec.kind == assets::AssetKind::Image) pictures.push_back({spec.path, 0});
    if (spec.kind == assets::AssetKind::Sheet) pictures.push_back({spec.path, spec.frames});
  }
  return pictures;
}

void LoadAll(const std::vector<Picture>& pictures) {
  for (const Picture& p : pictures) {
    platform::Image image = platform::LoadImage(p.path);
    if (p.frames > 0 && image)
      image = platform::LoadAnimImage(p.path, platform::ImageWidth(image) / p.frames,
                                      platform::ImageHeight(image), 0, p.frames);
    benchmark::DoNotOptimize(image);
  }
}

void Setup(benchmark::State& state, std::vector<Picture>& pictures) {
  setenv("GLIMMERFIR_HEADLESS", "1", 1);
  if (!platform::ChangeDir(GLIMMERFIR_ASSET_DIR)) state.SkipWithError("no asset folder");
  pictures = PicturesInTheFolder();
  state.counters["pictures"] = double(pictures.size());
}

void BM_LoadCodePicturesCold(benchmark::State& state) {
  std::vector<Picture> pictures;
  Setup(state, pictures);
  for (auto _ : state) {
    state.PauseTiming();
    platform::Backend::get().images.clear();
    state.ResumeTiming();
    LoadAll(pictures);
  }
}
BENCHMARK(BM_LoadCodePicturesCold)->Unit(benchmark::kMillisecond);

void BM_LoadCodePicturesWarm(benchmark::State& state) {
  std::vector<Picture> pictures;
  Setup(state, pictures);
  LoadAll(pictures);
  for (auto _ : state) LoadAll(pictures);
}
BENCHMARK(BM_LoadCodePicturesWarm)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
