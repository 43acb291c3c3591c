// Cost of one frame of 2000 live sparks: updating, drawing (rendered headless), and both with
// the sparks that died replaced, as a cascade of bombs keeps them coming.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "platform/platform.h"

// Counts heap allocations, to show that a frame of live particles allocates nothing.
std::atomic<long> allocations{0};

// Kept out of line: inlined, g++ pairs the malloc and free with the library's new and delete and
// warns of a mismatch.
__attribute__((noinline)) void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
      particleImages[3] = platform::LoadImageFromPixmap(pix, platform::ImageFlags::Filtered);
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
  long updateAllocations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    topUp(list);
    state.ResumeTiming();
    long before = allocations;
    updateParticles(&list);
    updateAllocations += allocations - before;
  }
  state.counters["allocs/frame"] =
      static_cast<double>(updateAllocations) / static_cast<double>(state.iterations());
}

void BM_DrawSparks(benchmark::State& state) {
  setUp(true);
  TParticleList list;
  topUp(list);
  long before = allocations;
  for (auto _ : state) {
    platform::Cls();
    drawParticles(&list);
    platform::Flip(0);
  }
  state.counters["allocs/frame"] =
      static_cast<double>(allocations - before) / static_cast<double>(state.iterations());
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
