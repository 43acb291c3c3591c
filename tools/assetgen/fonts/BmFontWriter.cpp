#include "fonts/BmFontWriter.h"

namespace assetgen {

namespace {

class Bytes {
 public:
  void u8(uint32_t v) { data.push_back(static_cast<uint8_t>(v & 0xFF)); }
  void u16(uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  }
  void s16(int16_t v) { u16(static_cast<uint16_t>(v)); }
  void text(const std::string& s) {
    data.insert(data.end(), s.begin(), s.end());
    u8(0);
  }
  void block(uint8_t type, const Bytes& content) {
    u8(type);
    u32(static_cast<uint32_t>(content.data.size()));
    data.insert(data.end(), content.data.begin(), content.data.end());
  }
  std::vector<uint8_t> data;
};

Bytes infoBlock(const BmInfo& i) {
  Bytes b;
  b.u16(i.fontSize);
  b.u8((i.bold ? 0x80 : 0) | (i.italic ? 0x40 : 0) | (i.unicode ? 0x20 : 0) |
       (i.smooth ? 0x10 : 0));
  b.u8(i.charSet);
  b.u16(i.stretchH);
  for (uint8_t v : {i.aa, i.paddingUp, i.paddingRight, i.spacingHoriz, i.spacingVert, i.outline})
    b.u8(v);
  // Two zero bytes before the name: the game skips everything after its twelve bytes, and
  // tools that expect the longer common layout then read zero spacing and outline too.
  b.u8(0);
  b.u8(0);
  b.text(i.name);
  return b;
}

Bytes commonBlock(const BmCommon& c, size_t pages) {
  Bytes b;
  for (uint32_t v : {uint32_t{c.lineHeight}, uint32_t{c.base}, uint32_t{c.scaleW},
                     uint32_t{c.scaleH}, static_cast<uint32_t>(pages)})
    b.u16(v);
  b.u8(c.packed ? 1 : 0);
  for (uint8_t v : {c.alphaChannel, c.redChannel, c.greenChannel, c.blueChannel}) b.u8(v);
  return b;
}

Bytes pagesBlock(const std::vector<std::string>& pages) {
  Bytes b;
  for (const auto& p : pages) b.text(p);
  return b;
}

Bytes charsBlock(const std::vector<BmChar>& chars) {
  Bytes b;
  for (const auto& c : chars) {
    b.u32(c.id);
    for (uint16_t v : {c.x, c.y, c.width, c.height}) b.u16(v);
    for (int16_t v : {c.xOffset, c.yOffset, c.xAdvance}) b.s16(v);
    b.u8(c.page);
    b.u8(c.channel);
  }
  return b;
}

Bytes kerningBlock(const std::vector<BmKerning>& pairs) {
  Bytes b;
  for (const auto& k : pairs) {
    b.u32(k.first);
    b.u32(k.second);
    b.s16(k.amount);
  }
  return b;
}

}  // namespace

std::vector<uint8_t> BmFontWriter::serialise(const BmFont& font) {
  Bytes out;
  out.data = {'B', 'M', 'F', kVersion};
  out.block(1, infoBlock(font.info));
  out.block(2, commonBlock(font.common, font.pages.size()));
  out.block(3, pagesBlock(font.pages));
  out.block(4, charsBlock(font.chars));
  if (!font.kerning.empty()) out.block(5, kerningBlock(font.kerning));
  return out.data;
}

}  // namespace assetgen
