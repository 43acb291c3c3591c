// What the player sees of a level on a 10 x 10 board, frame by frame: the background, snow,
// plates and frame, tiles with their glow, flights and sparks, all from the real pictures.
// Two scenes: the board at rest (the hint search running, nothing moving) and a cascade of
// bombs that keeps going off. Each frame reports the process's CPU time (every thread, so a
// software GL's too), the wall time, the game logic alone, the draw calls and the area they
// blend. Targets: an 800 x 600 window when there is a display, the headless screen
// rasterising every frame, and headless recording only (what a headless run pays per frame),
// last with every picture in a call of its own, to show what shared calls save.
// The time to write a headless screenshot closes the report.
//
//   bench_board_frame [frames]     (default 300 measured frames a scene, after a warm-up)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "effects/Poswiata.h"
#include "effects/TSnow.h"
#include "effects/TSopel.h"
#include "match3/TLevel.h"
#include "match3/TTileCatalog.h"
#include "platform/platform.h"

namespace {

constexpr int kInner = 10;  // a 10 x 10 playing area inside a border of empty cells
constexpr int kGrid = kInner + 2;
constexpr int kWarmUp = 120;

double nowMillis() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double cpuMillis() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

struct Summary {
  double median = 0, max = 0;
};

Summary summarise(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.back()};
}

// Loads what a level screen has loaded by the time it plays; again after each new screen,
// as the pictures belong to the renderer's picture cache.
std::shared_ptr<TTileCatalog> loadPictures() {
  std::error_code ec;
  std::filesystem::current_path(GLIMMERFIR_ASSET_DIR, ec);
  TParticle::setup();
  loadSople();
  loadSnowImages();
  Poswiata::setup();
  auto catalog = std::make_shared<TTileCatalog>();
  catalog->loadAll();
  return catalog;
}

std::shared_ptr<TLevel> makeBoard(const std::shared_ptr<TTileCatalog>& catalog) {
  platform::SeedRnd(2024);
  auto level = std::make_shared<TLevel>(catalog);
  level->rows = kGrid;
  level->cols = kGrid;
  for (const auto& kind : catalog->tiles()) level->availableTiles.push_back(kind);
  level->availableBonuses = {catalog->getBonus(101), catalog->getBonus(105)};
  if (!catalog->backgrounds().empty()) {
    level->backGround = catalog->backgrounds().front();
    level->loadBackGround();
  }
  for (int row = 0; row < kGrid; ++row) {
    for (int col = 0; col < kGrid; ++col) {
      auto tile = std::make_shared<TTile>(level.get());
      const bool inside = row > 0 && col > 0 && row < kGrid - 1 && col < kGrid - 1;
      tile->available = inside ? 1 : 0;
      tile->tileBack = catalog->getTileBack(inside ? (row > 6 ? 3 : 1) : 0);
      if (inside) tile->td = level->getRandomTile();
      level->gameField[row][col] = tile;
    }
  }
  for (int col = 1; col < kGrid - 1; ++col) level->tileCreators.push_back(level->tileAt(1, col));
  level->countMaths(200, 120);
  return level;
}

bool boardBusy(const TLevel& level) {
  if (!level.flyingTiles.empty()) return true;
  for (int row = 1; row < kGrid - 1; ++row)
    for (int col = 1; col < kGrid - 1; ++col)
      if (!level.tileAt(row, col)->state.empty()) return true;
  return false;
}

// Sets off bombs whenever the board has calmed down.
void keepCascading(TLevel& level) {
  if (boardBusy(level)) return;
  for (int n = 0; n < 3; ++n) {
    auto cell = level.tileAt(platform::Rand(2, kGrid - 3), platform::Rand(2, kGrid - 3));
    cell->td = level.catalog().getBonus(n == 0 ? 105 : 101);
    cell->destroy(0);
  }
}

// The game logic of one frame, as the level screen runs it.
void updateFrame(TLevel& level, bool cascade) {
  if (cascade) keepCascading(level);
  level.update();
  updateParticles();
  updateSnow();
  if (platform::Rand(1, 2) == 1)
    addSnowFlake(float(platform::Rand(0, 800)), -30.0f, float(platform::Rand(25, 100)),
                 float(platform::Rand(450, 550)));
}

void drawFrame(TLevel& level) {
  platform::Cls();
  level.draw();
  drawParticles();
}

struct FrameFigures {
  std::vector<double> cpu, wall, logic, calls, area;
};

void report(const char* target, const char* scene, const FrameFigures& f) {
  const Summary cpu = summarise(f.cpu), wall = summarise(f.wall), logic = summarise(f.logic);
  const Summary calls = summarise(f.calls), area = summarise(f.area);
  std::printf(
      "%-20s %-8s cpu %6.2f ms (max %6.2f)  wall %6.2f ms (max %6.2f)  logic %5.3f ms (max "
      "%5.3f)  draws %5.0f (max %5.0f)  blended %7.0f kpx (max %7.0f)\n",
      target, scene, cpu.median, cpu.max, wall.median, wall.max, logic.median, logic.max,
      calls.median, calls.max, area.median / 1000, area.max / 1000);
  std::fflush(stdout);
}

void runScene(const char* target, const std::shared_ptr<TTileCatalog>& catalog, bool cascade,
              int frames) {
  delta = 1.0f;
  globalParticles.clear();
  snowFlakes.clear();
  auto level = makeBoard(catalog);
  for (int i = 0; i < kWarmUp || (!cascade && boardBusy(*level) && i < 20 * kWarmUp); ++i) {
    updateFrame(*level, cascade);
    drawFrame(*level);
    platform::Flip(0);
  }
  FrameFigures f;
  for (int i = 0; i < frames; ++i) {
    const double cpu0 = cpuMillis(), wall0 = nowMillis();
    updateFrame(*level, cascade);
    const double logicEnd = nowMillis();
    drawFrame(*level);
    platform::Flip(0);
    f.cpu.push_back(cpuMillis() - cpu0);
    f.wall.push_back(nowMillis() - wall0);
    f.logic.push_back(logicEnd - wall0);
    const platform::DrawStats stats = platform::LastFrameDrawStats();
    f.calls.push_back(stats.calls);
    f.area.push_back(stats.blendedArea);
  }
  report(target, cascade ? "cascade" : "rest", f);
}

void runTarget(const char* target, int frames) {
  const auto catalog = loadPictures();
  runScene(target, catalog, false, frames);
  runScene(target, catalog, true, frames);
}

void timeScreenshots() {
  const std::string path =
      (std::filesystem::temp_directory_path() / "glimmerfir-bench-shot.png").string();
  std::vector<double> times;
  for (int i = 0; i < 10; ++i) {
    const double start = nowMillis();
    platform::SaveScreenshot(path);
    times.push_back(nowMillis() - start);
  }
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(path, ec);
  std::filesystem::remove(path, ec);
  const Summary s = summarise(times);
  std::printf("headless screenshot  %6.2f ms (max %6.2f), %ju bytes\n", s.median, s.max,
              static_cast<uintmax_t>(bytes));
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  const char* headless = std::getenv("GLIMMERFIR_HEADLESS");
  if (std::getenv("DISPLAY") && !(headless && *headless && std::string(headless) != "0")) {
    if (platform::Graphics(800, 600, 0, 60, 0)) {
      runTarget("window", frames);
      platform::EndGraphics();
    } else {
      std::printf("window: could not open one\n");
    }
  } else {
    std::printf("window: skipped (no DISPLAY, or GLIMMERFIR_HEADLESS set)\n");
  }
  platform::InitHeadless();
  platform::Graphics(800, 600, 0, 60, 0);
  platform::SetAlwaysRender(true);
  runTarget("headless rasterised", frames);
  timeScreenshots();
  platform::SetAlwaysRender(false);
  runTarget("headless recorded", frames);
  // The same frames with every picture in a call of its own: what sharing calls saves.
  platform::SetDrawBatching(false);
  runTarget("recorded, unshared", frames);
  return 0;
}
