#include "core/ContactSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/Font.h"
#include "core/JpegWriter.h"
#include "core/PngWriter.h"
#include "fonts/FontFile.h"
#include "platform/strings.h"

namespace assetgen {

namespace fs = std::filesystem;

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMaxPageHeight = 1400;
constexpr int kMaxThumbW = 380;
constexpr int kMaxThumbH = 260;
constexpr int kLabel = 30;
constexpr int kGap = 14;

struct Item {
  std::string name;
  Image image;
};

// Draws `text` with a bitmap font the way the game lays it out (advance, kerning, offsets).
Image fontSample(const std::string& fntPath, const std::vector<std::string>& lines) {
  auto font = readFontFile(fntPath);
  if (!font) return {};
  std::vector<Image> pages;
  for (const auto& name : font->PageNames) {
    Image page;
    PngWriter::read((fs::path(fntPath).parent_path() / name).string(), page);
    pages.push_back(std::move(page));
  }
  int lineStep = font->FontSize + font->SpacingVert;
  Image out(760, static_cast<int>(lines.size()) * lineStep + 24);
  for (size_t l = 0; l < lines.size(); ++l) {
    int pen = 4, prev = -1;
    for (int ch : platform::DecodeUtf8(lines[l])) {
      int g = font->FindChar(ch);
      if (g < 0) continue;
      if (prev >= 0) pen += font->KerningAmount(prev, ch);
      auto page = static_cast<size_t>(font->Page[g]);
      if (page < pages.size() && pages[page].width > 0) {
        int xOffset = TBMFont::SignedShort(font->XOffset[g]);
        int yOffset = TBMFont::SignedShort(font->YOffset[g]);
        for (int y = 0; y < font->Height[g]; ++y)
          for (int x = 0; x < font->Width[g]; ++x) {
            int dx = pen + xOffset + x, dy = 4 + static_cast<int>(l) * lineStep + yOffset + y;
            if (dx < 0 || dy < 0 || dx >= out.width || dy >= out.height) continue;
            const uint8_t* s = pages[page].pixel(font->X[g] + x, font->Y[g] + y);
            uint8_t* d = out.pixel(dx, dy);
            double a = s[3] / 255.0, da = d[3] / 255.0, oa = a + da * (1 - a);
            if (oa <= 0) continue;
            for (int c = 0; c < 3; ++c)
              d[c] = static_cast<uint8_t>((s[c] * a + d[c] * da * (1 - a)) / oa);
            d[3] = static_cast<uint8_t>(oa * 255);
          }
      }
      pen += TBMFont::SignedShort(font->XAdvance[g]) + font->SpacingHoriz;
      prev = g;
    }
  }
  return out;
}

std::vector<Item> collect(const std::string& dir, const std::string& only) {
  std::vector<std::string> paths;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    std::string ext = e.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    if (!only.empty() && e.path().string().find(only) == std::string::npos) continue;
    if (ext == ".png" || ext == ".jpg" || ext == ".jpeg" || ext == ".fnt")
      paths.push_back(e.path().string());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<Item> items;
  for (const auto& p : paths) {
    Item item{fs::relative(p, dir).string(), {}};
    bool ok = true;
    if (p.ends_with(".fnt")) {
      item.image = fontSample(
          p, {"0123456789 +10 Level 12  Time 1:45", "AVATAR Toys Wavy  Große Nöël Ça été",
              "The quick brown fox jumps over the lazy dog."});
      ok = item.image.width > 0;
    } else {
      ok = p.ends_with(".png") ? PngWriter::read(p, item.image) : JpegWriter::read(p, item.image);
    }
    if (!ok) std::fprintf(stderr, "contact sheet: cannot read %s\n", p.c_str());
    items.push_back(std::move(item));
  }
  return items;
}

// Thumbnail scale: shrink big pictures, enlarge tiny ones so they can be judged.
double thumbScale(const Image& img, int maxScale) {
  if (img.width == 0) return 1;
  double s = std::min(static_cast<double>(kMaxThumbW) / img.width,
                      static_cast<double>(kMaxThumbH) / img.height);
  if (s < 1) return s;
  return std::clamp(std::floor(s), 1.0, static_cast<double>(maxScale));
}

cairo_surface_t* toSurface(const Image& img) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img.width, img.height);
  uint8_t* px = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.pixel(x, y);
      uint32_t a = p[3];
      uint32_t r = p[0] * a / 255, g = p[1] * a / 255, b = p[2] * a / 255;
      *reinterpret_cast<uint32_t*>(px + std::ptrdiff_t{y} * stride + std::ptrdiff_t{x} * 4) =
          (a << 24) | (r << 16) | (g << 8) | b;
    }
  cairo_surface_mark_dirty(s);
  return s;
}

struct Placed {
  const Item* item;
  double x, y, scale;
};

void drawPage(const std::vector<Placed>& placed, int height, const std::string& out) {
  Canvas page(kSheetWidth, height);
  cairo_t* cr = page.cr();
  page.setColor(Rgba::hex(0x1A1D24));
  cairo_paint(cr);
  for (const auto& p : placed) {
    const Image& img = p.item->image;
    double w = img.width * p.scale, h = img.height * p.scale;
    // A checker under the picture shows its transparency.
    cairo_save(cr);
    cairo_rectangle(cr, p.x, p.y, w, h);
    cairo_clip(cr);
    for (int cy = 0; cy * 8 < h + 8; ++cy)
      for (int cx = 0; cx * 8 < w + 8; ++cx) {
        page.setColor((cx + cy) % 2 ? Rgba::hex(0x2C313B) : Rgba::hex(0x353B47));
        cairo_rectangle(cr, p.x + cx * 8, p.y + cy * 8, 8, 8);
        cairo_fill(cr);
      }
    cairo_restore(cr);
    if (img.width > 0) {
      cairo_surface_t* s = toSurface(img);
      cairo_save(cr);
      cairo_translate(cr, p.x, p.y);
      cairo_scale(cr, p.scale, p.scale);
      cairo_set_source_surface(cr, s, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr),
                               p.scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(s);
    }
    selectFont(cr, fonts::UI_BOLD, 13);
    page.setColor(Rgba::hex(0xDCE8F7));
    cairo_move_to(cr, p.x, p.y + h + 13);
    cairo_show_text(cr, p.item->name.c_str());
    char size[64];
    std::snprintf(size, sizeof size, "%d x %d%s", img.width, img.height,
                  img.width == 0 ? " (unreadable)" : "");
    page.setColor(Rgba::hex(0x7E98C0));
    cairo_move_to(cr, p.x, p.y + h + 26);
    cairo_show_text(cr, size);
  }
  PngWriter::write(out, page.toImage());
  std::printf("contact sheet: %s\n", out.c_str());
}

}  // namespace

bool ContactSheet::write(const std::string& assetDir, const std::string& outPng,
                         const std::string& only, int maxScale) {
  std::vector<Item> items = collect(assetDir, only);
  std::vector<Placed> placed;
  double x = kGap, y = kGap, rowH = 0;
  int pageNo = 1;
  auto pageName = [&](int n) {
    if (n == 1) return outPng;
    std::string base = outPng.ends_with(".png") ? outPng.substr(0, outPng.size() - 4) : outPng;
    return base + "-" + std::to_string(n) + ".png";
  };
  for (const auto& item : items) {
    double s = thumbScale(item.image, maxScale);
    double w = std::max(item.image.width * s, 180.0), h = item.image.height * s + kLabel;
    if (x + w > kSheetWidth - kGap) {
      x = kGap;
      y += rowH + kGap;
      rowH = 0;
    }
    if (y + h > kMaxPageHeight && !placed.empty()) {
      drawPage(placed, static_cast<int>(y), pageName(pageNo++));
      placed.clear();
      x = kGap;
      y = kGap;
    }
    placed.push_back({&item, x, y, s});
    x += w + kGap;
    rowH = std::max(rowH, h);
  }
  drawPage(placed, static_cast<int>(y + rowH + kGap), pageName(pageNo));
  return true;
}

}  // namespace assetgen
