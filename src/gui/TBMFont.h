// A bitmap font: glyph pages plus a binary description of every glyph (versions 2 and 3 of the
// "BMF" format). Measures and draws text under the current scale, with per-font alignment,
// spacing, kerning, an optional shadow and an optional texture laid over the glyphs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

class TBMFont {
 public:
  virtual ~TBMFont() = default;

  // Reads folder + file; page pictures are looked up in the same folder.
  static std::shared_ptr<TBMFont> Create(const std::string& folder, const std::string& file);
  void Init(const std::string& folder, const std::string& file);
  // Parses a font held in memory, then loads its page pictures from `folder` when
  // loadPagePictures is set (the file loader's path).
  void LoadFromBytes(const uint8_t* data, size_t size, const std::string& folder,
                     bool loadPagePictures = true);
  // Reads only the description: no picture, window or platform call is involved. A truncated
  // or lying file gives whatever whole blocks and records it holds; the result says whether
  // the bytes were a whole description (a known version, no block running past the end, the
  // glyph and kerning blocks made of whole records).
  bool ParseBytes(const uint8_t* data, size_t size);

  float TextWidth(const std::string& text, int line = -1);
  // The width at scale 1, without the cache (line -1: the widest line).
  float UnscaledWidth(const std::string& text, int line = -1) const;
  float TextHeight(const std::string& text);
  void DrawText(const std::string& text, float x, float y);

  // Glyph index of a character: codes below 256 fall back to the first glyph, other codes
  // without a glyph give -1 (as does any code in a font without glyphs).
  int FindChar(int code) const;
  // The kerning after glyph `previous` when character `code` follows it, 0 without a pair.
  int KerningAmount(int previous, int code) const;

  void ApplyTexture(const platform::Image& texture);
  void EnableCustomTexture(bool on);
  void CreateShadow(int radius, int intensity);
  void DecodeChannels();
  virtual void OnCallBack(int code, float x, float y);

  static int Pow2Size(int n);
  static int ClipByte(int n);
  static int SignedShort(int value);
  static int SignedByte(int value);

  // Pages.
  std::vector<platform::Image> BMFImage;
  std::vector<platform::Image> CustomImage;
  std::vector<platform::Image> ShadowImage;
  int DrawingShadow = 0;
  std::vector<platform::Image> Image;
  std::vector<int> ImageW, ImageH;
  std::vector<std::string> PageNames;

  int BMFVersion = 0;
  int Shadow = 0, ShadowX = 0, ShadowY = 0;
  float HSpacing = 0, VSpacing = 0;
  int Kerning = 0;
  int Align = -1;
  float Slant = 0;

  // Info block.
  int FontSize = 0, Bold = 0, Italic = 0, Unicode = 0, Smooth = 0, CharSet = 0, StretchH = 0;
  int AA = 0, PaddingUp = 0, PaddingRight = 0, SpacingHoriz = 0, SpacingVert = 0, Outline = 0;
  // Common block.
  int LineHeight = 0, Base = 0, ScaleW = 0, ScaleH = 0, Pages = 0;
  int Packed = 0, Encoded = 0, AlphaChannel = 0, RedChannel = 0, GreenChannel = 0, BlueChannel = 0;

  // Glyphs, in file order. Offsets and advances are kept as stored (unsigned 16-bit).
  std::u32string IdStr;
  std::vector<int> Id, X, Y, Width, Height, XOffset, YOffset, XAdvance, Page;
  std::vector<int> Channel;      // as stored; a packed font folds it into Page
  std::array<int, 256> ASCII{};  // glyph index by code below 256, -1 for none
  // Per glyph: the second characters of its kerning pairs and their amounts (low byte).
  std::vector<std::u32string> KerningChars;
  std::vector<std::string> KerningValue;

  float XScale = 1, YScale = 1;
  std::string LastText;
  float LastWidth = 0, LastXScale = 0, LastYScale = 0, LastLine = 0;
  float dx = 0, dy = 0;

  std::string CallBackChars;
  std::string SkipChars;

 private:
  void reset();
  static bool inSet(const std::string& set, int code);
  void loadPages(const std::string& folder);
  void takeScale();
  float alignedStart(const std::string& text, int line);
  void drawShadowPass(const std::string& text, float x, float y);
  void drawGlyph(int glyph, float x, float y, float pen, float lineY);
  platform::Image texturedPage(size_t page, const platform::Pixmap& texture);
  platform::Image shadowPage(size_t page, int radius, int intensity);

  // The width cache also remembers the spacing and skipped characters it was measured with.
  float lastHSpacing_ = 0;
  std::string lastSkipChars_;
  bool cacheValid_ = false;
};
