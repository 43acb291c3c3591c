// A look at the finished board pictures as the game puts them together, and a check of the
// board catalogues against the pictures they name. It reads a generated asset folder, so it
// runs on its own after generation:
//
//   GLIMMERFIR_BOARD_PREVIEW=<out-dir> assetgen <asset-dir> --only board-preview
//
// It writes <out-dir>/board.png (a 9 x 8 board with plates, chains, bonuses, frame and icicles
// on a background, placed by the game's rules from the catalogue data), board-grey.png, a
// zoomed corner, and a sheet of every kind at 3x, and fails when a catalogue names a picture
// that is missing or has the wrong size. Without the variable it does nothing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "board/BoardArt.h"
#include "core/JpegWriter.h"
#include "core/PngWriter.h"
#include "core/Registry.h"
#include "datafile/TRCMFile.h"

namespace {

namespace fs = std::filesystem;
using assetgen::Canvas;
using assetgen::Image;
using namespace assetgen::board;

// A board catalogue, read by the game's data-file reader.
class Catalogue {
 public:
  // False when the file is missing or unreadable (the reader then gives an empty file).
  bool load(const std::string& path) {
    file_.Load(path);
    return !file_._grupa->_listaGrup.empty();
  }
  std::string text(const std::string& path, int i = 0) { return file_.getString(path, i); }
  int number(const std::string& path, int i = 0) {
    return static_cast<int>(file_.getFloat(path, i));
  }

 private:
  TRCMFile file_;
};

class Checker {
 public:
  explicit Checker(std::string root) : root_(std::move(root)) {}

  Image load(const std::string& rel) {
    Image img;
    std::string p = (fs::path(root_) / rel).string();
    bool ok = rel.ends_with(".jpg") ? assetgen::JpegWriter::read(p, img)
                                    : assetgen::PngWriter::read(p, img);
    if (!ok) img = Image();
    return img;
  }
  // Records a problem unless the picture exists with the given size (0 = any).
  Image expect(const std::string& rel, int w, int h, const std::string& who) {
    if (rel.empty()) {
      problems_.push_back(who + ": no picture named");
      return {};
    }
    Image img = load(rel);
    if (img.width == 0)
      problems_.push_back(who + ": missing " + rel);
    else if ((w && img.width != w) || (h && img.height != h))
      problems_.push_back(who + ": " + rel + " is " + std::to_string(img.width) + "x" +
                          std::to_string(img.height) + ", expected " + std::to_string(w) + "x" +
                          std::to_string(h));
    ++checked_;
    return img;
  }
  void problem(const std::string& p) { problems_.push_back(p); }
  const std::vector<std::string>& problems() const { return problems_; }
  int checked() const { return checked_; }
  const std::string& root() const { return root_; }

 private:
  std::string root_;
  std::vector<std::string> problems_;
  int checked_ = 0;
};

const char* const kSizeKeys[4] = {"img64x64", "img50x50", "img42x42", "img32x32"};

// What the board needs from the catalogues, with every named picture checked on the way.
struct BoardData {
  std::map<int, Image> tiles;  // size index 2
  std::map<int, Image> tilesBySize[4];
  std::map<int, Image> bonuses;  // strips
  std::map<int, int> bonusFrames;
  std::map<int, Image> plates;  // size index 2, by tileset id
  Image chain[3], blink;
  std::map<int, Image> backgrounds;
  Image frame[13];
  int frameDx[13] = {}, frameDy[13] = {};
  Image sopel[7];
  Image shards[2][9];
  int sopelDx[7] = {}, sopelDy[7] = {};
};

BoardData readCatalogues(Checker& check) {
  BoardData d;
  auto open = [&](const std::string& name) {
    Catalogue c;
    if (!c.load((fs::path(check.root()) / name).string())) check.problem("missing " + name);
    return c;
  };
  Catalogue tiles = open("data/tiles.dat");
  for (int i = 1; i <= tiles.number("tiles::i"); ++i) {
    std::string pre = "tiles::tile" + std::to_string(i) + "::";
    for (int s = 0; s < 4; ++s) {
      Image img = check.expect(tiles.text(pre + kSizeKeys[s]), kTileSizes[s], kTileSizes[s],
                               pre + kSizeKeys[s]);
      d.tilesBySize[s][tiles.number(pre + "id")] = img;
      if (s == 2) d.tiles[tiles.number(pre + "id")] = img;
    }
  }
  Catalogue bonusy = open("data/bonusy.dat");
  for (int i = 1; i <= bonusy.number("bonusy::i"); ++i) {
    std::string pre = "bonusy::bonus" + std::to_string(i) + "::";
    int frames = bonusy.number(pre + "frames"), id = bonusy.number(pre + "id");
    if (frames < 1) check.problem(pre + "frames is below 1");
    if (bonusy.number(pre + "moc") < 1) check.problem(pre + "moc is below 1");
    for (int s = 0; s < 4; ++s) {
      Image img = check.expect(bonusy.text(pre + kSizeKeys[s]), kStripCell * frames, kStripCell,
                               pre + kSizeKeys[s]);
      if (s == 2) d.bonuses[id] = img;
    }
    d.bonusFrames[id] = frames;
  }
  Catalogue backs = open("data/tileBacks.dat");
  for (int i = 0; i <= backs.number("tilesets::i"); ++i) {
    std::string pre = "tilesets::set" + std::to_string(i) + "::";
    for (int j = 0; j < 4; ++j) {
      Image img = check.expect(backs.text(pre + "img" + std::to_string(j)), kTileSizes[j],
                               kTileSizes[j], pre + "img" + std::to_string(j));
      if (j == 2) d.plates[backs.number(pre + "id")] = img;
    }
  }
  for (int k = 0; k < 4; ++k) {
    std::string n = std::to_string(k);
    Image c1 = check.expect(backs.text("tilesets::lancuch1_" + n), kTileSizes[k], kTileSizes[k],
                            "lancuch1_" + n);
    Image c2 = check.expect(backs.text("tilesets::lancuch2_" + n), kTileSizes[k], kTileSizes[k],
                            "lancuch2_" + n);
    Image b =
        check.expect(backs.text("tilesets::blink_" + n), kStripCell * 9, kStripCell, "blink_" + n);
    if (k == 2) {
      d.chain[1] = c1;
      d.chain[2] = c2;
      d.blink = b;
    }
  }
  Catalogue bg = open("data/backgrounds.dat");
  for (int i = 1; i <= bg.number("backgrounds::i"); ++i) {
    std::string pre = "backgrounds::back" + std::to_string(i) + "::";
    d.backgrounds[bg.number(pre + "id")] = check.expect(bg.text(pre + "img"), 800, 600, pre);
  }
  Catalogue ramka = open("data/ramka.dat");
  int pieces = ramka.number("ramki::i");
  if (pieces < 12 || pieces > 20) check.problem("ramki::i should be 12..20");
  for (int i = 1; i <= std::min(pieces, 12); ++i) {
    std::string pre = "ramki::ramka" + std::to_string(i) + "::";
    d.frame[i] = check.expect(ramka.text(pre + "img"), 0, 0, pre);
    d.frameDx[i] = ramka.number(pre + "d", 0);
    d.frameDy[i] = ramka.number(pre + "d", 1);
  }
  Catalogue sople = open("data/sople.dat");
  for (int i = 0; i < 7; ++i) {
    std::string pre = "sople::sopel" + std::to_string(i) + "::";
    d.sopel[i] = check.expect(sople.text(pre + "img"), 0, 0, pre);
    d.sopelDx[i] = sople.number(pre + "pos", 0);
    d.sopelDy[i] = sople.number(pre + "pos", 1);
  }
  for (int gold = 0; gold < 2; ++gold)
    for (int n = 0; n < 9; ++n)
      d.shards[gold][n] =
          check.expect(std::string("gfx/particles/plate_") + (gold ? "gold_" : "purple_") +
                           std::to_string(n + 1) + ".png",
                       0, 0, "plate shard");
  return d;
}

// ---- the board, laid out as the game does ----

// Tileset per cell ('.' no cell, digits are tileset ids), and what sits on it.
const char* const kField[] = {
    "...........",  //
    "..1111111..",  //
    ".121111121.",  //
    ".114333411.",  //
    ".11453541..",  //
    ".11453541..",  //
    ".114333411.",  //
    ".121...121.",  //
    "..11...11..",  //
    "...........",
};
// Tile kinds ('1'..'7'), bonuses ('a' 101 .. 'l' 112), '.' empty.
const char* const kKindsGrid[] = {
    "...........",  //
    "..4621537..",  //
    ".31275a426.",  //
    ".256143712.",  //
    ".7315c463..",  //
    ".61g7215e..",  //
    ".451772634.",  //
    ".362...751.",  //
    "..k5...i3..",  //
    "...........",
};
// Chain levels.
const char* const kChains[] = {
    "...........",  //
    "...........",  //
    "...........",  //
    "....1.2....",  //
    "...........",  //
    "...........",  //
    "...2...1...",  //
    "...........",  //
    "...........",  //
    "...........",
};
// Shapes that test the frame: one-cell gaps and necks, a lone cell, cells touching only
// at a corner, and a hole in the middle.
const char* const kShapesField[] = {
    "..............",  //
    ".111.1111..11.",  //
    ".111.1..1.11..",  //
    ".1.1.1111.1...",  //
    ".111.........1",  //
    "......111.1.1.",  //
    ".1111.1.1..1..",  //
    ".1..1.111.1.1.",  //
    ".1111......1..",  //
    "..............",
};
const char* const kEmpty[] = {
    "..............", "..............", "..............", "..............", "..............",
    "..............", "..............", "..............", "..............", ".............."};

constexpr int kPitch = 42;

struct Layout {
  const char* const* field;
  const char* const* kinds;
  const char* const* chains;
  int rows, cols;
  bool available(int r, int c) const {
    return r >= 0 && c >= 0 && r < rows && c < cols && field[r][c] != '.';
  }
};
const Layout kBoard{kField, kKindsGrid, kChains, 10, 11};
const Layout kShapes{kShapesField, kEmpty, kEmpty, 10, 14};

Image shadowOf(const Image& img) {
  Image s = img;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      uint8_t* p = s.pixel(x, y);
      p[0] = p[1] = p[2] = 0;
      p[3] = static_cast<uint8_t>(p[3] / 2);
    }
  return s;
}

Image frameOf(const Image& strip, int frame) {
  return crop(strip, frame * kStripCell, 0, kStripCell, kStripCell);
}

void drawCentred(Canvas& c, const Image& img, int x, int y, double alpha = 1.0,
                 cairo_operator_t op = CAIRO_OPERATOR_OVER) {
  drawImage(c, img, x - img.width / 2, y - img.height / 2, alpha, op);
}

void composeBoard(Canvas& c, const BoardData& d, int backgroundId, const Layout& L) {
  auto bg = d.backgrounds.find(backgroundId);
  if (bg != d.backgrounds.end()) drawImage(c, bg->second, 0, 0);
  const int rows = L.rows, cols = L.cols;
  auto available = [&](int r, int col) { return L.available(r, col); };
  int levelX = 400 - (cols - 1) * kPitch / 2, levelY = 340 - rows * kPitch / 2;
  auto cx = [&](int col) { return levelX + col * kPitch; };
  auto cy = [&](int row) { return levelY + row * kPitch; };
  auto piece = [&](int n, int r, int col) {
    drawImage(c, d.frame[n], cx(col) + d.frameDx[n], cy(r) + d.frameDy[n]);
  };
  auto sopel = [&](int r, int col) {
    if (col == 0 || col == cols - 1) return;
    bool left = available(r, col - 1), right = available(r, col + 1);
    int type = 0;
    if (!left && right)
      type = col % 2 ? 1 : 2;
    else if (!right && left)
      type = col % 2 ? 3 : 4;
    else if (left && right && col % 2)
      type = 5;
    const int entry[] = {-1, 2, 3, 5, 6, 0};
    if (type) {
      int e = entry[type];
      drawImage(c, d.sopel[e], cx(col) + d.sopelDx[e], cy(r) + d.sopelDy[e]);
    }
  };
  bool up, down, left, right;
  // First pass: plates, edges and outer corners (with the icicles under bottom edges).
  for (int r = 0; r < rows; ++r)
    for (int col = 0; col < cols; ++col) {
      bool a = available(r, col);
      if (a) {
        auto p = d.plates.find(L.field[r][col] - '0');
        if (p != d.plates.end()) drawCentred(c, p->second, cx(col), cy(r));
      }
      if (!a) continue;
      up = r > 0, down = r + 1 < rows, left = col > 0, right = col + 1 < cols;
      if (left && !available(r, col - 1)) piece(1, r, col - 1);
      if (up && !available(r - 1, col)) piece(2, r - 1, col);
      if (right && !available(r, col + 1)) piece(3, r, col + 1);
      if (down && !available(r + 1, col)) {
        piece(4, r + 1, col);
        sopel(r, col);
      }
      if (up && left && !available(r - 1, col - 1) && !available(r, col - 1) &&
          !available(r - 1, col))
        piece(5, r - 1, col - 1);
      if (up && right && !available(r - 1, col + 1) && !available(r, col + 1) &&
          !available(r - 1, col))
        piece(6, r - 1, col + 1);
      if (down && right && !available(r + 1, col + 1) && !available(r, col + 1) &&
          !available(r + 1, col))
        piece(7, r + 1, col + 1);
      if (down && left && !available(r + 1, col - 1) && !available(r, col - 1) &&
          !available(r + 1, col))
        piece(8, r + 1, col - 1);
    }
  // Second pass: inner corners, for every cell.
  for (int r = 0; r < rows; ++r)
    for (int col = 0; col < cols; ++col) {
      up = r > 0, down = r + 1 < rows, left = col > 0, right = col + 1 < cols;
      if (up && left && !available(r - 1, col - 1) && available(r, col - 1) &&
          available(r - 1, col))
        piece(9, r - 1, col - 1);
      if (up && right && !available(r - 1, col + 1) && available(r, col + 1) &&
          available(r - 1, col))
        piece(10, r - 1, col + 1);
      if (down && right && !available(r + 1, col + 1) && available(r, col + 1) &&
          available(r + 1, col))
        piece(11, r + 1, col + 1);
      if (down && left && !available(r + 1, col - 1) && available(r, col - 1) &&
          available(r + 1, col))
        piece(12, r + 1, col - 1);
    }
  // A sparkle over one plate (additive at half strength, as the board draws it).
  if (d.blink.width && available(3, 3))
    drawCentred(c, frameOf(d.blink, 3), cx(3), cy(3), 0.5, CAIRO_OPERATOR_ADD);
  // Tiles with their shadows, then chains.
  for (int r = 0; r < rows; ++r)
    for (int col = 0; col < cols; ++col) {
      char k = L.kinds[r][col];
      if (k == '.' || !available(r, col)) continue;
      Image img;
      if (k >= '1' && k <= '7') {
        auto t = d.tiles.find(k - '0');
        if (t != d.tiles.end()) img = t->second;
      } else {
        int id = 101 + (k - 'a');
        auto b = d.bonuses.find(id);
        if (b != d.bonuses.end())
          img = frameOf(b->second, (r * 5 + col * 3) % d.bonusFrames.at(id));
      }
      drawCentred(c, shadowOf(img), cx(col) + 3, cy(r) + 2);
      drawCentred(c, img, cx(col), cy(r));
      int chain = L.chains[r][col] - '0';
      if (chain == 1 || chain == 2) drawCentred(c, d.chain[chain], cx(col), cy(r));
    }
}

Image zoom(const Image& img, int f) {
  Image out(img.width * f, img.height * f);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) std::copy_n(img.pixel(x / f, y / f), 4, out.pixel(x, y));
  return out;
}

// Every kind, bonus frame set, plate, chain and sparkle frame on a dark panel, at 3x.
Image kindSheet(const BoardData& d) {
  Canvas c(42 * 17, 42 * 12 + 64 * 2);
  cairo_set_source_rgb(c.cr(), 0.09, 0.13, 0.26);
  cairo_paint(c.cr());
  int x = 0;
  for (auto& [id, img] : d.tiles) drawImage(c, img, 42 * x++, 0);
  for (auto& [id, p] : d.plates) drawImage(c, p, 42 * (x++ - 7), 42);
  drawImage(c, d.chain[1], 42 * 7, 42);
  drawImage(c, d.chain[2], 42 * 8, 42);
  int row = 2;
  for (auto& [id, strip] : d.bonuses) {
    int frames = d.bonusFrames.at(id);
    for (int f = 0; f < std::min(frames, 17); ++f)
      drawImage(c, frameOf(strip, f), 42 * f, 42 * row);
    if (++row >= 11) break;
  }
  for (int f = 0; f < 9; ++f) {
    drawImage(c, d.plates.count(2) ? d.plates.at(2) : Image(), 42 * f, 42 * 11);
    drawImage(c, frameOf(d.blink, f), 42 * f, 42 * 11, 0.5, CAIRO_OPERATOR_ADD);
  }
  // The plate shards at the points where a broken plate starts them.
  for (int gold = 0; gold < 2; ++gold) {
    int bx = 42 * 11 + gold * 84, by = 42 * 11;
    drawImage(c, d.plates.count(2 + gold) ? d.plates.at(2 + gold) : Image(), bx - 42, by);
    const int golddx[9][2] = {{6, 6},   {18, 6}, {29, 6},  {6, 17}, {17, 17},
                              {28, 17}, {6, 28}, {17, 28}, {28, 28}};
    for (int n = 0; n < 9; ++n) {
      Image shard = assetgen::board::crop(d.shards[gold][n], 0, 0, d.shards[gold][n].width,
                                          d.shards[gold][n].height);
      int px = gold ? 4 + golddx[n][0] : 8 * (n % 3 + 1);
      int py = gold ? 4 + golddx[n][1] : 8 * (n / 3 + 1);
      drawCentred(c, shard, bx + px, by + py);
    }
  }
  int sx = 0;
  for (int size : {0, 1, 3})
    for (auto& [id, img] : d.tilesBySize[size]) {
      drawImage(c, img, sx, 42 * 12 + (size == 0 ? 0 : 64));
      sx += img.width + 4;
      if (sx > 42 * 16) sx = 0;
    }
  return zoom(c.toImage(), 2);
}

void makePreview(assetgen::Output& out) {
  const char* dir = std::getenv("GLIMMERFIR_BOARD_PREVIEW");
  if (!dir || !*dir) return;
  fs::create_directories(dir);
  Checker check(out.root());
  BoardData d = readCatalogues(check);
  for (const auto& p : check.problems()) out.fail("board catalogue: " + p);
  std::printf("board-preview: %d catalogue pictures checked, %zu problems\n", check.checked(),
              check.problems().size());
  for (auto& [id, img] : d.backgrounds) {
    Canvas c(800, 600);
    composeBoard(c, d, id, kBoard);
    Image board = c.toImage();
    std::string n = std::to_string(id);
    assetgen::PngWriter::write((fs::path(dir) / ("background" + n + ".png")).string(), img);
    assetgen::PngWriter::write((fs::path(dir) / ("board" + n + ".png")).string(), board);
    if (id == 1) {
      assetgen::PngWriter::write((fs::path(dir) / "board-grey.png").string(), greyscale(board));
      assetgen::PngWriter::write((fs::path(dir) / "board-zoom.png").string(),
                                 zoom(crop(board, 160, 110, 240, 200), 4));
      assetgen::PngWriter::write((fs::path(dir) / "board-zoom2.png").string(),
                                 zoom(crop(board, 300, 220, 240, 200), 4));
    }
  }
  Canvas shapes(800, 600);
  composeBoard(shapes, d, 1, kShapes);
  assetgen::PngWriter::write((fs::path(dir) / "shapes.png").string(), shapes.toImage());
  assetgen::PngWriter::write((fs::path(dir) / "shapes-zoom.png").string(),
                             zoom(crop(shapes.toImage(), 100, 120, 300, 220), 3));
  Image sheet = kindSheet(d);
  assetgen::PngWriter::write((fs::path(dir) / "kinds.png").string(), sheet);
  assetgen::PngWriter::write((fs::path(dir) / "kinds-grey.png").string(), greyscale(sheet));
}

ASSETGEN_REGISTER("board-preview", makePreview);

}  // namespace
