// Draws and writes every registered asset into the output folder.
//
//   assetgen <asset-dir> [--manifest <file>] [--only <name-part>] [--threads <n>]
//   assetgen --contact-sheet <out.png> <asset-dir> [--only <path-part>] [--scale <n>]
//   assetgen --preview <out.png> <asset-dir>        (a mock-up of the game screen)
//   assetgen --tree-preview <out.png> <asset-dir>   (the decorated tree, night and day)
//   assetgen --screen-preview <out.png> <asset-dir> (the whole tree screen with its shop)
//   assetgen --menu-preview <out-dir> <asset-dir>   (main menu, loading, credits, intro)
//   assetgen --zoom <factor> <out.png> <picture.png>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "core/ContactSheet.h"
#include "core/Preview.h"
#include "core/Registry.h"

namespace {

struct Options {
  std::string outDir;
  std::string manifest;
  std::string only;
  std::string contactSheet;
  std::string preview;
  std::string treePreview;
  std::string screenPreview;
  std::string menuPreview;
  std::string zoomOut;
  int zoom = 0;
  int scale = 4;
  unsigned threads = 0;
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    if (a == "--manifest") {
      if (!value(o.manifest)) return false;
    } else if (a == "--only") {
      if (!value(o.only)) return false;
    } else if (a == "--contact-sheet") {
      if (!value(o.contactSheet)) return false;
    } else if (a == "--preview") {
      if (!value(o.preview)) return false;
    } else if (a == "--tree-preview") {
      if (!value(o.treePreview)) return false;
    } else if (a == "--screen-preview") {
      if (!value(o.screenPreview)) return false;
    } else if (a == "--menu-preview") {
      if (!value(o.menuPreview)) return false;
    } else if (a == "--zoom") {
      std::string n;
      if (!value(n) || !value(o.zoomOut)) return false;
      o.zoom = std::max(1, std::atoi(n.c_str()));
    } else if (a == "--scale") {
      std::string n;
      if (!value(n)) return false;
      o.scale = std::max(1, std::atoi(n.c_str()));
    } else if (a == "--threads") {
      std::string n;
      if (!value(n)) return false;
      o.threads = static_cast<unsigned>(std::max(1, std::atoi(n.c_str())));
    } else if (o.outDir.empty()) {
      o.outDir = a;
    } else {
      return false;
    }
  }
  return !o.outDir.empty();
}

void writeManifest(const std::string& path, std::vector<assetgen::ManifestEntry> entries) {
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.path < b.path; });
  std::ofstream out(path, std::ios::trunc);
  for (const auto& e : entries) {
    out << e.path;
    if (e.width > 0) out << "\t" << e.width << "x" << e.height;
    if (e.cellWidth > 0) out << "\tcells " << e.cellWidth << "x" << e.cellHeight;
    if (e.frames > 1) out << "\tframes " << e.frames;
    if (!e.note.empty()) out << "\t" << e.note;
    out << "\n";
  }
}

int generate(const Options& o) {
  const auto& all = assetgen::Registry::instance().generators();
  std::vector<const assetgen::RegisteredGenerator*> chosen;
  for (const auto& g : all)
    if (o.only.empty() || g.name.find(o.only) != std::string::npos) chosen.push_back(&g);

  assetgen::Output out(o.outDir);
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i = next++; i < chosen.size(); i = next++) chosen[i]->run(out);
  };
  unsigned n =
      o.threads ? o.threads : std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
  auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < n; ++t) pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  auto entries = out.manifest();
  if (!o.manifest.empty()) writeManifest(o.manifest, entries);
  std::printf("assetgen: %zu generators, %zu files in %.1f s\n", chosen.size(), entries.size(),
              secs);
  return out.failed() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::fprintf(
        stderr,
        "usage: assetgen <asset-dir> [--manifest <file>] [--only <name>] [--threads n]\n"
        "       assetgen --contact-sheet <out.png> <asset-dir> [--only <path-part>] [--scale <n>]\n"
        "       assetgen --preview <out.png> <asset-dir>\n"
        "       assetgen --tree-preview <out.png> <asset-dir>\n"
        "       assetgen --screen-preview <out.png> <asset-dir>\n"
        "       assetgen --menu-preview <out-dir> <asset-dir>\n"
        "       assetgen --zoom <factor> <out.png> <picture.png>\n");
    return 2;
  }
  if (o.zoom > 0) return assetgen::Preview::zoom(o.outDir, o.zoom, o.zoomOut) ? 0 : 1;
  if (!o.preview.empty()) return assetgen::Preview::gameScreen(o.outDir, o.preview) ? 0 : 1;
  if (!o.treePreview.empty()) return assetgen::Preview::treeScreen(o.outDir, o.treePreview) ? 0 : 1;
  if (!o.screenPreview.empty())
    return assetgen::Preview::treeScreenMockup(o.outDir, o.screenPreview) ? 0 : 1;
  if (!o.menuPreview.empty())
    return assetgen::Preview::menuScreens(o.outDir, o.menuPreview) ? 0 : 1;
  if (!o.contactSheet.empty())
    return assetgen::ContactSheet::write(o.outDir, o.contactSheet, o.only, o.scale) ? 0 : 1;
  return generate(o);
}
