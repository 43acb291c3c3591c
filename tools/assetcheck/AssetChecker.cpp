#include "AssetChecker.h"

#include <optional>
#include <utility>

#include "datafile/TRCMFile.h"
#include "gui/TBMFont.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/strings.h"

using assets::AssetKind;
using assets::AssetSpec;

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         platform::SameText(std::string_view(text).substr(text.size() - suffix.size()), suffix);
}

bool endsWithAny(const std::string& text, const std::vector<std::string>& suffixes) {
  for (const auto& s : suffixes)
    if (endsWith(text, s)) return true;
  return false;
}

const std::vector<std::string> kImageExt = {".png", ".jpg", ".jpeg", ".bmp"};
const std::vector<std::string> kSoundExt = {".ogg", ".wav"};
const std::vector<std::string> kFontExt = {".fnt", ".ttf", ".otf"};

std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

// The page names of a bitmap font file (versions 2 and 3), or nullopt when it is not one.
std::optional<std::vector<std::string>> fontPages(const std::vector<uint8_t>& d) {
  if (d.size() < 4 || d[0] != 'B' || d[1] != 'M' || d[2] != 'F' || (d[3] != 2 && d[3] != 3))
    return std::nullopt;
  std::vector<std::string> pages;
  bool hasChars = false;
  size_t p = 4;
  while (p + 5 <= d.size() && d[p] != 0) {
    int type = d[p];
    size_t blockSize =
        d[p + 1] | (d[p + 2] << 8) | (d[p + 3] << 16) | (static_cast<size_t>(d[p + 4]) << 24);
    if (d[3] == 2) blockSize = blockSize >= 4 ? blockSize - 4 : 0;
    p += 5;
    if (p + blockSize > d.size()) return std::nullopt;
    if (type == 3) {
      std::string name;
      for (size_t i = p; i < p + blockSize; ++i) {
        if (d[i] == 0) {
          pages.push_back(name);
          name.clear();
        } else {
          name += static_cast<char>(d[i]);
        }
      }
    }
    if (type == 4 && blockSize > 0) hasChars = true;
    p += blockSize;
  }
  if (pages.empty() || !hasChars) return std::nullopt;
  return pages;
}

bool isOpenTypeFile(const std::vector<uint8_t>& d) {
  if (d.size() < 12) return false;
  std::string tag(d.begin(), d.begin() + 4);
  return tag == std::string("\0\1\0\0", 4) || tag == "OTTO" || tag == "true" || tag == "ttcf";
}

}  // namespace

AssetChecker::AssetChecker(const std::set<std::string>& pending) {
  for (const auto& p : pending) pending_.insert(platform::Upper(p));
}

AssetKind AssetChecker::kindOf(const std::string& path) {
  if (endsWithAny(path, kImageExt)) return AssetKind::Image;
  if (endsWithAny(path, kSoundExt)) return AssetKind::Sound;
  if (endsWithAny(path, kFontExt)) return AssetKind::Font;
  return AssetKind::Data;
}

bool AssetChecker::namesAsset(const std::string& value) {
  return endsWithAny(value, kImageExt) || endsWithAny(value, kSoundExt) ||
         endsWithAny(value, kFontExt);
}

void AssetChecker::fail(const std::string& what, const std::string& path,
                        const std::string& namedBy) {
  failures_.push_back(what + " " + path + " (named by " + namedBy + ")");
}

bool AssetChecker::exists(const std::string& path, const std::string& namedBy) {
  bool pending = pending_.count(platform::Upper(path)) > 0;
  if (platform::FileType(platform::ResolvePath(path)) != 1) {
    if (pending)
      notMadeYet_.push_back(path);
    else
      fail("MISSING", path, namedBy);
    return false;
  }
  if (pending) notes_.push_back("made now, remove from the pending list: " + path);
  return true;
}

void AssetChecker::check(const AssetSpec& spec, const std::string& namedBy) {
  if (!checked_.insert(platform::Upper(spec.path)).second) return;
  if (!exists(spec.path, namedBy)) return;
  switch (spec.kind) {
    case AssetKind::Image:
      checkImage(spec, namedBy);
      break;
    case AssetKind::Sheet:
      checkSheet(spec, namedBy);
      break;
    case AssetKind::Font:
      checkFont(spec.path, namedBy);
      break;
    case AssetKind::Sound:
    case AssetKind::Music:
      checkSound(spec.path, namedBy);
      break;
    case AssetKind::Data:
      checkData(spec.path, namedBy);
      break;
  }
}

void AssetChecker::checkImage(const AssetSpec& spec, const std::string& namedBy) {
  platform::Image img = platform::LoadImage(spec.path);
  if (!img) return fail("UNREADABLE", spec.path, namedBy);
  int w = platform::ImageWidth(img), h = platform::ImageHeight(img);
  if ((spec.cellWidth && w != spec.cellWidth) || (spec.cellHeight && h != spec.cellHeight))
    fail("WRONG SIZE " + size(w, h) + ", expected " + size(spec.cellWidth, spec.cellHeight) + ":",
         spec.path, namedBy);
}

void AssetChecker::checkSheet(const AssetSpec& spec, const std::string& namedBy) {
  platform::Image whole = platform::LoadImage(spec.path);
  if (!whole) return fail("UNREADABLE", spec.path, namedBy);
  int w = platform::ImageWidth(whole), h = platform::ImageHeight(whole);
  if (w % spec.cellWidth != 0 || h % spec.cellHeight != 0)
    return fail("WRONG SIZE " + size(w, h) + ", not whole cells of " +
                    size(spec.cellWidth, spec.cellHeight) + ":",
                spec.path, namedBy);
  int cells = (w / spec.cellWidth) * (h / spec.cellHeight);
  if (spec.frames && cells < spec.frames)
    return fail("WRONG FRAME COUNT " + std::to_string(cells) + ", expected " +
                    std::to_string(spec.frames) + ":",
                spec.path, namedBy);
  int frames = spec.frames ? spec.frames : cells;
  platform::Image anim =
      platform::LoadAnimImage(spec.path, spec.cellWidth, spec.cellHeight, 0, frames);
  if (!anim || platform::ImageFrames(anim) != frames)
    fail("UNREADABLE AS " + std::to_string(frames) + " FRAMES:", spec.path, namedBy);
}

void AssetChecker::checkFont(const std::string& path, const std::string& namedBy) {
  auto bytes = platform::LoadBytes(platform::ResolvePath(path));
  if (!bytes) return fail("UNREADABLE", path, namedBy);
  if (!endsWith(path, ".fnt")) {
    if (!isOpenTypeFile(*bytes)) fail("NOT A FONT FILE", path, namedBy);
    return;
  }
  auto pages = fontPages(*bytes);
  if (!pages) return fail("NOT A BITMAP FONT (or no glyphs)", path, namedBy);
  std::string folder = path.substr(0, path.rfind('/') + 1);
  size_t before = failures_.size();
  for (const auto& page : *pages) check({folder + page, AssetKind::Image, 0, 0, 0}, path);
  if (failures_.size() != before) return;
  // And as the game opens it: its own reader must find glyphs and every page.
  auto font = TBMFont::Create(folder, path.substr(folder.size()));
  bool pagesLoaded = font && !font->BMFImage.empty();
  if (font)
    for (const auto& image : font->BMFImage) pagesLoaded = pagesLoaded && image != nullptr;
  if (!font || font->Id.empty() || !pagesLoaded)
    fail("NOT READ BY THE GAME'S FONT LOADER:", path, namedBy);
}

void AssetChecker::checkSound(const std::string& path, const std::string& namedBy) {
  if (!platform::LoadSound(path)) fail("UNREADABLE", path, namedBy);
}

void AssetChecker::checkData(const std::string& path, const std::string& namedBy) {
  if (!platform::LoadText(platform::ResolvePath(path))) fail("UNREADABLE", path, namedBy);
}

void AssetChecker::checkNamed(const std::string& value, const std::string& namedBy) {
  std::string path = platform::Trim(value);
  if (!namesAsset(path)) return;
  // Layouts and themes load with their own folder as the working directory.
  const std::string local = namedBy.substr(0, namedBy.rfind('/') + 1) + path;
  if (platform::FileType(platform::ResolvePath(path)) != 1 &&
      platform::FileType(platform::ResolvePath(local)) == 1)
    path = local;
  check({path, kindOf(path), 0, 0, 0}, namedBy);
}

std::vector<std::string> AssetChecker::filesUnder(
    const std::string& folder, const std::vector<std::string>& extensions) const {
  std::vector<std::string> out;
  for (const auto& name : platform::ReadDir(folder)) {
    if (name == "." || name == "..") continue;
    std::string path = folder + "/" + name;
    int type = platform::FileType(path);
    if (type == 2) {
      for (auto& inner : filesUnder(path, extensions)) out.push_back(std::move(inner));
    } else if (type == 1 && endsWithAny(name, extensions)) {
      out.push_back(path);
    }
  }
  return out;
}

void AssetChecker::checkCodeAssets() {
  for (const auto& spec : assets::codeAssets()) check(spec, "the game");
}

void AssetChecker::checkDataFiles() {
  for (const auto& path : filesUnder("data", {".dat", ".lvl"})) {
    TRCMFile file(path);
    std::vector<TRCMGroupPtr> open{file._grupa};
    while (!open.empty()) {
      TRCMGroupPtr group = open.back();
      open.pop_back();
      if (!group) continue;
      for (const auto& entry : group->_listaWpisow)
        for (const auto& value : entry->_value) checkNamed(value, path + " (" + entry->_id + ")");
      for (const auto& sub : group->_listaGrup) open.push_back(sub);
    }
  }
}

void AssetChecker::checkLayouts() {
  // Screen layouts and themes are white-space separated tokens, names possibly in quotes.
  // The game reads the names relative to the folder of the file that names them.
  for (const auto& path : filesUnder("gfx/gui", {".gui", ".txt"})) {
    auto text = platform::LoadText(path);
    if (!text) continue;
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    std::string token;
    for (size_t i = 0; i <= text->size(); ++i) {
      char c = i < text->size() ? (*text)[i] : ' ';
      if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',' || c == '=') {
        if (!token.empty()) checkNamed(folder + token, path);
        token.clear();
      } else {
        token += c;
      }
    }
  }
}

void AssetChecker::checkAllFonts() {
  for (const auto& path : filesUnder("gfx", {".fnt"}))
    check({path, AssetKind::Font, 0, 0, 0}, "the folder");
}

void AssetChecker::checkAll() {
  checkCodeAssets();
  checkDataFiles();
  checkLayouts();
  checkAllFonts();
}
