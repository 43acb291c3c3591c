// Loading data files: a 1 MB file of 10 000 groups, flat and nested 10 000 deep, and the flat
// shape at several sizes to show that the cost grows linearly with the file.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "datafile/TRCMFile.h"

namespace {

// About 100 bytes per group, as in the game's catalogues.
std::string GroupBody(int i) {
  char text[160];
  std::snprintf(text, sizeof text,
                "\tname = \"element_%05d\", \"gfx/tree/bombka%d.png\"\n\tcena = %d\n"
                "\tpos = %d.5, -%d.25\n\topis = \"czerwona\"\n",
                i, i % 40, 10 + i % 90, i % 800, i % 600);
  return text;
}

std::string FlatText(int groups) {
  std::string text;
  for (int i = 0; i < groups; ++i)
    text += "g" + std::to_string(i) + " {\n" + GroupBody(i) + "}\n\n";
  return text;
}

std::string NestedText(int groups) {
  std::string text;
  for (int i = 0; i < groups; ++i) text += "g" + std::to_string(i) + " {\n" + GroupBody(i);
  for (int i = 0; i < groups; ++i) text += "}\n";
  return text + "\n";
}

class DataFile {
 public:
  explicit DataFile(const std::string& text) {
    char pattern[] = "/tmp/glimmerfir-bench-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    path_ = pattern;
    std::ofstream(path_, std::ios::binary) << text;
    size_ = text.size();
  }
  ~DataFile() { unlink(path_.c_str()); }
  const std::string& path() const { return path_; }
  size_t size() const { return size_; }

 private:
  std::string path_;
  size_t size_ = 0;
};

void Load(benchmark::State& state, const DataFile& file) {
  for (auto _ : state) {
    TRCMFile loaded(file.path());
    benchmark::DoNotOptimize(loaded._grupa);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
  state.counters["file_bytes"] = static_cast<double>(file.size());
}

void BM_LoadFlat10000Groups(benchmark::State& state) {
  static const DataFile file(FlatText(10000));
  Load(state, file);
}
BENCHMARK(BM_LoadFlat10000Groups)->Unit(benchmark::kMillisecond);

void BM_LoadNested10000Groups(benchmark::State& state) {
  static const DataFile file(NestedText(10000));
  Load(state, file);
}
BENCHMARK(BM_LoadNested10000Groups)->Unit(benchmark::kMillisecond);

void BM_LoadNestedBySize(benchmark::State& state) {
  const DataFile file(NestedText(static_cast<int>(state.range(0))));
  Load(state, file);
  state.SetComplexityN(static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_LoadNestedBySize)
    ->RangeMultiplier(4)
    ->Range(1250, 80000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
