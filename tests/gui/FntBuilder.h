// Writes small bitmap-font files in memory, so tests can make exactly the font they need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FntGlyph {
  uint32_t id;
  int x, y, w, h, xoffset, yoffset, xadvance, page = 0, channel = 15;
};

struct FntKerning {
  uint32_t first, second;
  int amount;
};

struct FntBuilder {
  int version = 3;
  int fontSize = 20, flags = 0, charSet = 0, stretchH = 100;
  // The six bytes that follow the stretch value, in file order.
  std::vector<int> infoBytes = {1, 0, 0, 0, 0, 1};
  std::string fontName = "Test";
  int lineHeight = 24, base = 18, scaleW = 64, scaleH = 64, packed = 0;
  std::vector<int> channels = {0, 0, 0, 0};
  std::vector<std::string> pages = {"page0.png"};
  std::vector<FntGlyph> glyphs;
  std::vector<FntKerning> kernings;

  std::vector<uint8_t> bytes() const {
    std::vector<uint8_t> out = {'B', 'M', 'F', static_cast<uint8_t>(version)};
    block(out, 1, info());
    block(out, 2, common());
    block(out, 3, pageNames());
    block(out, 4, chars());
    if (!kernings.empty()) block(out, 5, kerningPairs());
    return out;
  }

  static void u8(std::vector<uint8_t>& o, int v) { o.push_back(static_cast<uint8_t>(v)); }
  static void u16(std::vector<uint8_t>& o, int v) {
    u8(o, v & 0xFF);
    u8(o, (v >> 8) & 0xFF);
  }
  static void u32(std::vector<uint8_t>& o, uint32_t v) {
    u16(o, static_cast<int>(v & 0xFFFF));
    u16(o, static_cast<int>(v >> 16));
  }

 private:
  void id(std::vector<uint8_t>& o, uint32_t v) const {
    if (version == 2)
      u16(o, static_cast<int>(v));
    else
      u32(o, v);
  }
  void block(std::vector<uint8_t>& out, int type, const std::vector<uint8_t>& content) const {
    u8(out, type);
    // The older format counts four bytes more than the content.
    u32(out, static_cast<uint32_t>(content.size() + (version == 2 ? 4 : 0)));
    out.insert(out.end(), content.begin(), content.end());
  }
  std::vector<uint8_t> info() const {
    std::vector<uint8_t> o;
    u16(o, fontSize);
    u8(o, flags);
    u8(o, charSet);
    u16(o, stretchH);
    for (int b : infoBytes) u8(o, b);
    for (char c : fontName) u8(o, c);
    u8(o, 0);
    return o;
  }
  std::vector<uint8_t> common() const {
    std::vector<uint8_t> o;
    for (int v : {lineHeight, base, scaleW, scaleH, static_cast<int>(pages.size())}) u16(o, v);
    u8(o, packed);
    if (version == 3)
      for (int c : channels) u8(o, c);
    return o;
  }
  std::vector<uint8_t> pageNames() const {
    std::vector<uint8_t> o;
    for (const std::string& p : pages) {
      o.insert(o.end(), p.begin(), p.end());
      u8(o, 0);
    }
    return o;
  }
  std::vector<uint8_t> chars() const {
    std::vector<uint8_t> o;
    for (const FntGlyph& g : glyphs) {
      id(o, g.id);
      for (int v : {g.x, g.y, g.w, g.h, g.xoffset, g.yoffset, g.xadvance}) u16(o, v);
      u8(o, g.page);
      u8(o, g.channel);
    }
    return o;
  }
  std::vector<uint8_t> kerningPairs() const {
    std::vector<uint8_t> o;
    for (const FntKerning& k : kernings) {
      id(o, k.first);
      id(o, k.second);
      u16(o, k.amount);
    }
    return o;
  }
};
