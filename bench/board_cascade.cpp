// Cost of one board frame during a full cascade: a 10 x 9 board whose bombs keep going off,
// tiles falling and growing back, and the sparks of it all (several hundred live). Update and
// draw (rendered headless) are measured apart.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "effects/TSopel.h"
#include "match3/TLevel.h"
#include "match3/TTileCatalog.h"
#include "platform/platform.h"

namespace {

constexpr int kRows = 11;  // 9 rows and 10 columns of play inside a border
constexpr int kCols = 12;

std::shared_ptr<TTileCatalog> catalogue() {
  static std::shared_ptr<TTileCatalog> catalog;
  if (!catalog) {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    std::error_code ec;
    std::filesystem::current_path(GLIMMERFIR_ASSET_DIR, ec);
    TParticle::setup();
    loadSople();
    catalog = std::make_shared<TTileCatalog>();
    catalog->loadAll();
    platform::SeedRnd(2024);
  }
  delta = 1.0f;
  return catalog;
}

std::shared_ptr<TLevel> makeBoard() {
  auto catalog = catalogue();
  auto level = std::make_shared<TLevel>(catalog);
  level->rows = kRows;
  level->cols = kCols;
  for (const auto& kind : catalog->tiles()) level->availableTiles.push_back(kind);
  level->availableBonuses = {catalog->getBonus(101), catalog->getBonus(105)};
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) {
      auto tile = std::make_shared<TTile>(level.get());
      const bool inside = row > 0 && col > 0 && row < kRows - 1 && col < kCols - 1;
      tile->available = inside ? 1 : 0;
      tile->tileBack = catalog->getTileBack(inside ? (row > 6 ? 3 : 1) : 0);
      if (inside) tile->td = level->getRandomTile();
      level->gameField[row][col] = tile;
    }
  }
  for (int col = 1; col < kCols - 1; ++col) level->tileCreators.push_back(level->tileAt(1, col));
  level->countMaths(200, 120);
  return level;
}

// Sets off bombs at random cells whenever the board has calmed down.
void keepCascading(TLevel& level) {
  bool busy = !level.flyingTiles.empty();
  for (int row = 1; row < kRows - 1 && !busy; ++row)
    for (int col = 1; col < kCols - 1 && !busy; ++col)
      busy = !level.tileAt(row, col)->state.empty();
  if (busy) return;
  for (int n = 0; n < 3; ++n) {
    auto cell = level.tileAt(platform::Rand(2, kRows - 3), platform::Rand(2, kCols - 3));
    cell->td = level.catalog().getBonus(n == 0 ? 105 : 101);
    cell->destroy(0);
  }
}

void step(TLevel& level) {
  keepCascading(level);
  platform::Flip(0);
  level.update();
  updateParticles();
}

void BM_BoardCascadeUpdate(benchmark::State& state) {
  auto level = makeBoard();
  platform::SetAlwaysRender(false);
  for (int i = 0; i < 120; ++i) step(*level);  // get the cascade and its sparks going
  size_t particles = 0;
  for (auto _ : state) {
    state.PauseTiming();
    keepCascading(*level);
    platform::Flip(0);
    state.ResumeTiming();
    level->update();
    updateParticles();
    particles += globalParticles.size();
  }
  state.counters["particles"] =
      static_cast<double>(particles) / static_cast<double>(state.iterations());
}

void BM_BoardCascadeDraw(benchmark::State& state) {
  auto level = makeBoard();
  platform::SetAlwaysRender(true);
  for (int i = 0; i < 120; ++i) step(*level);
  size_t particles = 0;
  for (auto _ : state) {
    state.PauseTiming();
    step(*level);
    state.ResumeTiming();
    platform::Cls();
    level->draw();
    drawParticles();
    platform::Flip(0);
    particles += globalParticles.size();
  }
  state.counters["particles"] =
      static_cast<double>(particles) / static_cast<double>(state.iterations());
}

// Fixed iterations: the cascade changes as it runs, so two runs compare only over the same frames.
BENCHMARK(BM_BoardCascadeUpdate)->Unit(benchmark::kMicrosecond)->Iterations(600);
BENCHMARK(BM_BoardCascadeDraw)->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace

BENCHMARK_MAIN();
