// Cost of one frame of 2000 live sparks: updating, drawing (rendered headless), and both with
// the sparks that died replaced, as a cascade of bombs keeps them coming.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/Globals.h"
#include "effects/ParticleConstructors.h"
#include "platform/platform.h"

namespace {

constexpr size_t kLive = 2000;

void setUp(bool render) {
  static bool ready = false;
  if (!ready) {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    std::error_code ec;
    std::filesystem::current_path(GLIMMERFIR_ASSET_DIR, ec);
    TParticle::setup();
    if (!particleImages[3]) {  // no asset folder: a plain dot stands in for the star
      platform::Pixmap pix = platform::CreatePixmap(16, 16);
      platform::ClearPixels(pix, 0xFFFFFFFFu);
      particleImages[3] = platform::LoadImageFromPixmap(pix, 2);
      platform::MidHandleImage(particleImages[3]);
    }
    ready = true;
  }
  delta = 1.0f;
  platform::SetAlwaysRender(render);
}

void topUp(TParticleList& list) {
  for (size_t n = list.size(); n < kLive; ++n)
    addSpark(3, platform::Rand(0, 800), platform::Rand(0, 600), 0, {255, 220, 120},
             platform::LIGHTBLEND, &list);
}

void BM_UpdateSparks(benchmark::State& state) {
  setUp(false);
  TParticleList list;
  for (auto _ : state) {
    state.PauseTiming();
    topUp(list);
    state.ResumeTiming();
    updateParticles(&list);
  }
}

void BM_DrawSparks(benchmark::State& state) {
  setUp(true);
  TParticleList list;
  topUp(list);
  for (auto _ : state) {
    platform::Cls();
    drawParticles(&list);
    platform::Flip(0);
  }
}

void BM_FrameWithNewSparks(benchmark::State& state) {
  setUp(true);
  TParticleList list;
  for (auto _ : state) {
    topUp(list);
    updateParticles(&list);
    platform::Cls();
    drawParticles(&list);
    platform::Flip(0);
  }
  state.counters["live"] = static_cast<double>(list.size());
}

BENCHMARK(BM_UpdateSparks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSparks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameWithNewSparks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
