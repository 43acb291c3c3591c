#include "fonts/BmFontReader.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace assetgen {

namespace {
struct Cursor {
  const std::vector<uint8_t>& d;
  size_t p;
  uint32_t u8() { return p < d.size() ? d[p++] : 0; }
  uint32_t u16() {
    uint32_t lo = u8();
    return lo | (u8() << 8);
  }
  uint32_t u32() {
    uint32_t lo = u16();
    return lo | (u16() << 16);
  }
};
}  // namespace

std::optional<BmFont> BmFontReader::read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> d((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (d.size() < 4 || d[0] != 'B' || d[1] != 'M' || d[2] != 'F' || d[3] != 3) return std::nullopt;
  BmFont f;
  Cursor c{d, 4};
  while (c.p + 5 <= d.size()) {
    uint32_t type = c.u8();
    if (type == 0) break;
    uint32_t size = c.u32();
    size_t end = c.p + size;
    if (end > d.size()) return std::nullopt;
    if (type == 1) {
      f.info.fontSize = static_cast<uint16_t>(c.u16());
      uint32_t flags = c.u8();
      f.info.bold = flags & 0x80;
      f.info.smooth = flags & 0x10;
      f.info.charSet = static_cast<uint8_t>(c.u8());
      f.info.stretchH = static_cast<uint16_t>(c.u16());
      f.info.aa = static_cast<uint8_t>(c.u8());
      f.info.paddingUp = static_cast<uint8_t>(c.u8());
      f.info.paddingRight = static_cast<uint8_t>(c.u8());
      f.info.spacingHoriz = static_cast<uint8_t>(c.u8());
      f.info.spacingVert = static_cast<uint8_t>(c.u8());
      f.info.outline = static_cast<uint8_t>(c.u8());
    } else if (type == 2) {
      f.common.lineHeight = static_cast<uint16_t>(c.u16());
      f.common.base = static_cast<uint16_t>(c.u16());
      f.common.scaleW = static_cast<uint16_t>(c.u16());
      f.common.scaleH = static_cast<uint16_t>(c.u16());
      c.u16();  // page count: the pages block gives the names
    } else if (type == 3) {
      std::string name;
      while (c.p < end) {
        char ch = static_cast<char>(c.u8());
        if (ch == 0) {
          f.pages.push_back(name);
          name.clear();
        } else {
          name += ch;
        }
      }
    } else if (type == 4) {
      for (uint32_t i = 0; i < size / BmFontWriter::kCharSize; ++i) {
        BmChar ch;
        ch.id = c.u32();
        ch.x = static_cast<uint16_t>(c.u16());
        ch.y = static_cast<uint16_t>(c.u16());
        ch.width = static_cast<uint16_t>(c.u16());
        ch.height = static_cast<uint16_t>(c.u16());
        ch.xOffset = static_cast<int16_t>(c.u16());
        ch.yOffset = static_cast<int16_t>(c.u16());
        ch.xAdvance = static_cast<int16_t>(c.u16());
        ch.page = static_cast<uint8_t>(c.u8());
        ch.channel = static_cast<uint8_t>(c.u8());
        f.chars.push_back(ch);
      }
    } else if (type == 5) {
      for (uint32_t i = 0; i < size / BmFontWriter::kKerningSize; ++i) {
        BmKerning k;
        k.first = c.u32();
        k.second = c.u32();
        k.amount = static_cast<int16_t>(c.u16());
        f.kerning.push_back(k);
      }
    }
    c.p = end;
  }
  return f;
}

}  // namespace assetgen
