#include "gui/TBMFont.h"

#include <algorithm>
#include <cmath>

#include "platform/files.h"
#include "platform/strings.h"

namespace {

// Pages and every picture made from them: masked and smoothly scaled.
constexpr platform::ImageFlags kPageFlags =
    platform::ImageFlags::Masked | platform::ImageFlags::Filtered;

// A glyph's source rectangle cut to its page; (shiftX, shiftY) is how far its corner moved.
struct SourceRect {
  int x, y, w, h, shiftX, shiftY;
  bool empty() const { return w <= 0 || h <= 0; }
};

SourceRect clipToPage(int x, int y, int w, int h, int pageW, int pageH) {
  int x0 = std::clamp(x, 0, pageW), y0 = std::clamp(y, 0, pageH);
  int x1 = std::clamp(x + w, 0, pageW), y1 = std::clamp(y + h, 0, pageH);
  return {x0, y0, x1 - x0, y1 - y0, x0 - x, y0 - y};
}

uint32_t argb(int a, int r, int g, int b) {
  return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) |
         (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}

}  // namespace

std::shared_ptr<TBMFont> TBMFont::Create(const std::string& folder, const std::string& file) {
  auto font = std::make_shared<TBMFont>();
  font->Init(folder, file);
  return font;
}

void TBMFont::Init(const std::string& folder, const std::string& file) {
  auto bytes = platform::LoadBytes(folder + file);
  if (!bytes) {
    reset();
    platform::Notify(" >> BLAD! << : cannot open the font " + folder + file);
    return;
  }
  LoadFromBytes(bytes->data(), bytes->size(), folder, true);
}

void TBMFont::LoadFromBytes(const uint8_t* data, size_t size, const std::string& folder,
                            bool loadPagePictures) {
  ParseBytes(data, size);
  if (loadPagePictures) {
    BMFImage.clear();
    ImageW.clear();
    ImageH.clear();
    loadPages(folder);
    Image = CustomImage = ShadowImage = BMFImage;
  }
}

void TBMFont::loadPages(const std::string& folder) {
  for (const std::string& name : PageNames) {
    platform::Image page = name.empty() ? nullptr : platform::LoadImage(folder + name, kPageFlags);
    if (page) platform::SetImageHandle(page, 0, 0);
    BMFImage.push_back(page);
    ImageW.push_back(Pow2Size(platform::ImageWidth(page)));
    ImageH.push_back(Pow2Size(platform::ImageHeight(page)));
  }
  if (Packed) DecodeChannels();
}

void TBMFont::takeScale() { platform::GetScale(XScale, YScale); }

float TBMFont::TextWidth(const std::string& text, int line) {
  takeScale();
  if (cacheValid_ && text == LastText && XScale == LastXScale && YScale == LastYScale &&
      static_cast<float>(line) == LastLine && HSpacing == lastHSpacing_ &&
      SkipChars == lastSkipChars_) {
    return LastWidth;
  }
  LastText = text;
  LastXScale = XScale;
  LastYScale = YScale;
  LastLine = static_cast<float>(line);
  lastHSpacing_ = HSpacing;
  lastSkipChars_ = SkipChars;
  cacheValid_ = true;
  LastWidth = XScale * UnscaledWidth(text, line);
  return LastWidth;
}

float TBMFont::TextHeight(const std::string& text) {
  takeScale();
  auto lines = static_cast<float>(std::count(text.begin(), text.end(), '\n') + 1);
  return lines * YScale * (static_cast<float>(FontSize + SpacingVert) + VSpacing);
}

float TBMFont::alignedStart(const std::string& text, int line) {
  float w = TextWidth(text, line);
  if (Align == 0 && std::fmod(std::trunc(w), 2.0f) != 0) w += 1;
  // Under a zero scale nothing shows; keep the pen finite.
  if (XScale == 0) return 0;
  if (Align == 1) return -w / XScale;
  if (Align == 0) return -w / XScale / 2;
  return 0;
}

void TBMFont::DrawText(const std::string& text, float x, float y) {
  if (Shadow && !DrawingShadow) drawShadowPass(text, x, y);
  float pen = alignedStart(text, 0);
  float lineY = 0;
  int line = 0, previous = -1;
  dx = dy = 0;
  for (int code : platform::DecodeUtf8(text)) {
    if (inSet(CallBackChars, code)) OnCallBack(code, x + XScale * pen, y + YScale * lineY);
    if (inSet(SkipChars, code)) continue;
    if (code == '\n') {
      ++line;
      pen = alignedStart(text, line);
      lineY += static_cast<float>(FontSize + SpacingVert) + VSpacing;
      previous = -1;
      continue;
    }
    int glyph = FindChar(code);
    if (glyph < 0) continue;
    if (Kerning && previous >= 0) pen += static_cast<float>(KerningAmount(previous, code));
    drawGlyph(glyph, x, y, pen, lineY);
    pen += static_cast<float>(SpacingHoriz + SignedShort(XAdvance[glyph])) + HSpacing;
    previous = glyph;
  }
}

void TBMFont::drawShadowPass(const std::string& text, float x, float y) {
  DrawingShadow = 1;
  int blend = platform::GetBlend();
  float alpha = platform::GetAlpha();
  int r, g, b;
  platform::GetColor(r, g, b);
  std::vector<platform::Image> pages = Image;
  Image = ShadowImage;
  platform::SetBlend(platform::SHADEBLEND);
  platform::SetColor(255, 255, 255);
  DrawText(text, x + static_cast<float>(ShadowX), y + static_cast<float>(ShadowY));
  Image = std::move(pages);
  platform::SetBlend(blend);
  platform::SetAlpha(alpha);
  platform::SetColor(r, g, b);
  DrawingShadow = 0;
}

void TBMFont::drawGlyph(int glyph, float x, float y, float pen, float lineY) {
  size_t page = static_cast<size_t>(Page[glyph]);
  if (page >= Image.size() || !Image[page]) return;
  const platform::Image& img = Image[page];
  int sx = X[glyph], sy = Y[glyph], sw = Width[glyph], sh = Height[glyph];
  if (DrawingShadow) {
    sy -= PaddingUp / 2;
    sx -= SpacingHoriz / 2;
    sh += (PaddingUp + SpacingVert) / 2;
    sw += (SpacingHoriz + PaddingRight) / 2;
  }
  SourceRect src =
      clipToPage(sx, sy, sw, sh, platform::ImageWidth(img), platform::ImageHeight(img));
  if (src.empty()) return;
  float px = x + XScale * (pen + static_cast<float>(SignedShort(XOffset[glyph]) + src.shiftX) + dx);
  float py =
      y + YScale * (lineY + static_cast<float>(SignedShort(YOffset[glyph]) + src.shiftY) + dy);
  auto w = static_cast<float>(src.w), h = static_cast<float>(src.h);
  platform::DrawSubImageRect(img, px, py, w, h, static_cast<float>(src.x),
                             static_cast<float>(src.y), w, h, 0, 0, 0);
}

void TBMFont::EnableCustomTexture(bool on) { Image = on ? CustomImage : BMFImage; }

void TBMFont::ApplyTexture(const platform::Image& texture) {
  if (!texture) {
    CustomImage = BMFImage;
    EnableCustomTexture(false);
    return;
  }
  platform::Pixmap tex = platform::LockImage(texture, 0);
  CustomImage.assign(BMFImage.size(), nullptr);
  for (size_t i = 0; i < BMFImage.size(); ++i) CustomImage[i] = texturedPage(i, tex);
  EnableCustomTexture(true);
}

platform::Image TBMFont::texturedPage(size_t page, const platform::Pixmap& texture) {
  const platform::Image& source = BMFImage[page];
  platform::Pixmap src = platform::LockImage(source, 0);
  if (!src || !texture) return source;
  int pageW = platform::PixmapWidth(src), pageH = platform::PixmapHeight(src);
  int texW = platform::PixmapWidth(texture), texH = platform::PixmapHeight(texture);
  platform::Pixmap out = platform::CreatePixmap(pageW, pageH);
  platform::ClearPixels(out, 0);
  for (size_t g = 0; g < Id.size(); ++g) {
    if (static_cast<size_t>(Page[g]) != page) continue;
    SourceRect rect = clipToPage(X[g], Y[g], Width[g], Height[g], pageW, pageH);
    // The texture is centred on the glyph's advance box.
    int originX = texW / 2 + SignedShort(XOffset[g]) - SignedShort(XAdvance[g]) / 2 - X[g];
    int originY = texH / 2 + SignedShort(YOffset[g]) - FontSize / 2 - Y[g];
    for (int py = rect.y; py < rect.y + rect.h; ++py) {
      for (int px = rect.x; px < rect.x + rect.w; ++px) {
        uint32_t p = platform::ReadPixel(src, px, py);
        uint32_t t = platform::ReadPixel(texture, std::clamp(originX + px, 0, texW - 1),
                                         std::clamp(originY + py, 0, texH - 1));
        auto mix = [&](int shift) {
          return ClipByte(static_cast<int>((p >> shift) & 0xFF) *
                          static_cast<int>((t >> shift) & 0xFF) / 192);
        };
        platform::WritePixel(out, px, py, argb(static_cast<int>(p >> 24), mix(16), mix(8), mix(0)));
      }
    }
  }
  platform::Image result = platform::LoadImageFromPixmap(out, kPageFlags);
  if (result) platform::SetImageHandle(result, 0, 0);
  return result;
}

void TBMFont::DecodeChannels() {
  std::vector<platform::Image> decoded;
  std::vector<int> widths, heights;
  for (const platform::Image& page : BMFImage) {
    platform::Pixmap src = platform::LockImage(page, 0);
    int w = platform::PixmapWidth(src), h = platform::PixmapHeight(src);
    // Blue, green, red, alpha: the order of the packed channel indexes.
    for (int shift : {0, 8, 16, 24}) {
      platform::Image img;
      if (src) {
        platform::Pixmap out = platform::CreatePixmap(w, h);
        for (int py = 0; py < h; ++py) {
          for (int px = 0; px < w; ++px) {
            int alpha = static_cast<int>((platform::ReadPixel(src, px, py) >> shift) & 0xFF);
            platform::WritePixel(out, px, py, argb(alpha, 255, 255, 255));
          }
        }
        img = platform::LoadImageFromPixmap(out, kPageFlags);
        if (img) platform::SetImageHandle(img, 0, 0);
      }
      decoded.push_back(img);
      widths.push_back(Pow2Size(w));
      heights.push_back(Pow2Size(h));
    }
  }
  BMFImage = std::move(decoded);
  ImageW = std::move(widths);
  ImageH = std::move(heights);
  Image = CustomImage = ShadowImage = BMFImage;
}

void TBMFont::CreateShadow(int radius, int intensity) {
  if (intensity == 0) return;
  float sx, sy;
  platform::GetScale(sx, sy);
  float alpha = platform::GetAlpha(), rotation = platform::GetRotation();
  int blend = platform::GetBlend(), r, g, b;
  platform::GetColor(r, g, b);
  ShadowImage.assign(BMFImage.size(), nullptr);
  for (size_t i = 0; i < BMFImage.size(); ++i) ShadowImage[i] = shadowPage(i, radius, intensity);
  Shadow = 1;
  platform::SetScale(sx, sy);
  platform::SetAlpha(alpha);
  platform::SetBlend(blend);
  platform::SetRotation(rotation);
  platform::SetColor(r, g, b);
  // The clear colour cannot be read back; the game's is black.
  platform::SetClsColor(0, 0, 0);
}

platform::Image TBMFont::shadowPage(size_t page, int radius, int intensity) {
  const platform::Image& source = BMFImage[page];
  if (!source) return source;
  constexpr int kTile = 256;
  radius = std::max(radius, 0);
  std::vector<std::pair<int, int>> offsets;
  for (int oy = -radius; oy <= radius; ++oy)
    for (int ox = -radius; ox <= radius; ++ox)
      if (ox * ox + oy * oy <= radius * radius) offsets.emplace_back(ox, oy);
  int w = platform::ImageWidth(source), h = platform::ImageHeight(source);
  platform::Pixmap out = platform::CreatePixmap(w, h);
  platform::ClearPixels(out, argb(255, 255, 255, 255));
  platform::SetClsColor(0, 0, 0);
  platform::SetTransform(0, 1, 1);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetColor(intensity, intensity, intensity);
  platform::SetAlpha(1.0f / static_cast<float>(offsets.size()));
  for (int ty = 0; ty < h; ty += kTile) {
    for (int tx = 0; tx < w; tx += kTile) {
      platform::Cls();
      for (auto [ox, oy] : offsets)
        platform::DrawImage(source, static_cast<float>(ox - tx), static_cast<float>(oy - ty), 0);
      int tw = std::min(kTile, w - tx), th = std::min(kTile, h - ty);
      platform::Pixmap grab = platform::GrabPixmap(0, 0, tw, th);
      if (!grab) continue;
      for (int py = 0; py < th; ++py)
        for (int px = 0; px < tw; ++px)
          platform::WritePixel(out, tx + px, ty + py,
                               0xFF000000u | (~platform::ReadPixel(grab, px, py) & 0xFFFFFFu));
    }
  }
  platform::Cls();
  platform::Image result = platform::LoadImageFromPixmap(out, kPageFlags);
  if (result) platform::SetImageHandle(result, 0, 0);
  return result;
}
