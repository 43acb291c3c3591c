// Reading the font description and measuring text: plain computation on the file's bytes,
// with no drawing, so it also runs where there is no window (the fuzz target).
#include <algorithm>

#include "gui/TBMFont.h"
#include "platform/strings.h"

namespace {

// Little-endian reads over a byte range; reads past the end give 0, so a truncated or lying
// file can never move us outside its bytes.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t remaining() const { return size_ - pos_; }
  int u8() { return pos_ < size_ ? data_[pos_++] : (pos_ = size_, 0); }
  int u16() {
    int lo = u8();
    return lo | (u8() << 8);
  }
  uint32_t u32() {
    uint32_t lo = static_cast<uint32_t>(u16());
    return lo | (static_cast<uint32_t>(u16()) << 16);
  }
  // A reader over the next n bytes (fewer when the range ends first); this one moves past them.
  ByteReader take(size_t n) {
    n = std::min(n, remaining());
    ByteReader part(data_ + pos_, n);
    pos_ += n;
    return part;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

constexpr int kInfoBlock = 1, kCommonBlock = 2, kPagesBlock = 3, kCharsBlock = 4, kKerningBlock = 5;

void readInfo(TBMFont& f, ByteReader in) {
  f.FontSize = in.u16();
  int flags = in.u8();
  f.Bold = (flags >> 7) & 1;
  f.Italic = (flags >> 6) & 1;
  f.Unicode = (flags >> 5) & 1;
  f.Smooth = (flags >> 4) & 1;
  f.CharSet = in.u8();
  f.StretchH = in.u16();
  f.AA = in.u8();
  f.PaddingUp = in.u8();
  f.PaddingRight = in.u8();
  f.SpacingHoriz = in.u8();
  f.SpacingVert = in.u8();
  f.Outline = in.u8();
  // The font name that follows is not needed.
}

void readCommon(TBMFont& f, ByteReader in) {
  f.LineHeight = in.u16();
  f.Base = in.u16();
  f.ScaleW = in.u16();
  f.ScaleH = in.u16();
  f.Pages = in.u16();
  int flags = in.u8();
  f.Packed = flags & 1;
  if (f.BMFVersion == 2) {
    f.Encoded = (flags >> 1) & 1;
  } else {
    f.AlphaChannel = in.u8();
    f.RedChannel = in.u8();
    f.GreenChannel = in.u8();
    f.BlueChannel = in.u8();
  }
}

void readPages(TBMFont& f, ByteReader in) {
  std::string name;
  while (in.remaining() > 0) {
    int c = in.u8();
    if (c == 0) {
      f.PageNames.push_back(name);
      name.clear();
    } else {
      name += static_cast<char>(c);
    }
  }
  if (!name.empty()) f.PageNames.push_back(name);  // a last name without its zero
}

int channelIndex(int channel) {
  switch (channel) {
    case 2:
      return 1;
    case 4:
      return 2;
    case 8:
      return 3;
    default:
      return 0;
  }
}

void addGlyph(TBMFont& f, uint32_t id, ByteReader& in) {
  int index = static_cast<int>(f.Id.size());
  f.IdStr.push_back(static_cast<char32_t>(id));
  f.Id.push_back(static_cast<int>(id));
  f.X.push_back(in.u16());
  f.Y.push_back(in.u16());
  f.Width.push_back(in.u16());
  f.Height.push_back(in.u16());
  f.XOffset.push_back(in.u16());
  f.YOffset.push_back(in.u16());
  f.XAdvance.push_back(in.u16());
  int page = in.u8();
  int channel = in.u8();
  f.Page.push_back(f.Packed ? page * 4 + channelIndex(channel) : page);
  f.Channel.push_back(channel);
  f.KerningChars.emplace_back();
  f.KerningValue.emplace_back();
  if (id < 256 && f.ASCII[id] < 0) f.ASCII[id] = index;
}

// Record sizes of the glyph and kerning blocks, by version.
size_t charSize(int version) { return version == 2 ? 18 : 20; }
size_t kerningSize(int version) { return version == 2 ? 6 : 10; }

void readChars(TBMFont& f, ByteReader in) {
  bool v2 = f.BMFVersion == 2;
  size_t count = in.remaining() / charSize(f.BMFVersion);
  for (size_t i = 0; i < count; ++i) {
    uint32_t id = v2 ? static_cast<uint32_t>(in.u16()) : in.u32();
    addGlyph(f, id, in);
  }
}

// The glyph that really holds this code (no fallback to the first glyph), -1 if none.
int exactGlyph(const TBMFont& f, uint32_t code) {
  if (code < 256) return f.ASCII[code];
  size_t pos = f.IdStr.find(static_cast<char32_t>(code));
  return pos == std::u32string::npos ? -1 : static_cast<int>(pos);
}

void readKerning(TBMFont& f, ByteReader in) {
  bool v2 = f.BMFVersion == 2;
  size_t count = in.remaining() / kerningSize(f.BMFVersion);
  for (size_t i = 0; i < count; ++i) {
    uint32_t first = v2 ? static_cast<uint32_t>(in.u16()) : in.u32();
    uint32_t second = v2 ? static_cast<uint32_t>(in.u16()) : in.u32();
    int amount = in.u16();
    int glyph = exactGlyph(f, first);
    if (glyph < 0) continue;
    f.KerningChars[glyph].push_back(static_cast<char32_t>(second));
    f.KerningValue[glyph].push_back(static_cast<char>(amount & 0xFF));
    f.Kerning = 1;
  }
}

// Whether a block of this type and size holds only whole records.
bool wholeRecords(int type, size_t blockSize, int version) {
  if (type == kCharsBlock) return blockSize % charSize(version) == 0;
  if (type == kKerningBlock) return blockSize % kerningSize(version) == 0;
  return true;
}

// False when the bytes are not a whole font description (see ParseBytes).
bool readBlocks(TBMFont& f, const uint8_t* data, size_t size) {
  ByteReader in(data, size);
  if (size < 4 || data[0] != 'B' || data[1] != 'M' || data[2] != 'F') return false;
  in.take(3);
  int version = in.u8();
  if (version != 2 && version != 3) return false;
  f.BMFVersion = version;
  bool whole = true;
  while (in.remaining() > 0) {
    int type = in.u8();
    if (type == 0) break;
    whole = whole && in.remaining() >= 4;
    uint32_t blockSize = in.u32();
    if (version == 2) blockSize = blockSize >= 4 ? blockSize - 4 : 0;
    whole = whole && blockSize <= in.remaining() && wholeRecords(type, blockSize, version);
    ByteReader block = in.take(blockSize);
    switch (type) {
      case kInfoBlock:
        readInfo(f, block);
        break;
      case kCommonBlock:
        readCommon(f, block);
        break;
      case kPagesBlock:
        readPages(f, block);
        break;
      case kCharsBlock:
        readChars(f, block);
        break;
      case kKerningBlock:
        readKerning(f, block);
        break;
      default:
        break;
    }
  }
  return whole;
}

}  // namespace

// Defined here so the class's virtual table lives with the reading code.
void TBMFont::OnCallBack(int, float, float) {}

bool TBMFont::inSet(const std::string& set, int code) {
  return !set.empty() && set.find(platform::EncodeUtf8(code)) != std::string::npos;
}

bool TBMFont::ParseBytes(const uint8_t* data, size_t size) {
  reset();
  bool whole = readBlocks(*this, data, size);
  // No pictures yet: one empty slot per page image, so page indexes stay meaningful.
  BMFImage.assign(PageNames.size() * (Packed ? 4 : 1), nullptr);
  ImageW.assign(BMFImage.size(), 1);
  ImageH.assign(BMFImage.size(), 1);
  Image = CustomImage = ShadowImage = BMFImage;
  return whole;
}

void TBMFont::reset() {
  // Everything the file fills, back to an empty font.
  BMFImage.clear();
  CustomImage.clear();
  ShadowImage.clear();
  Image.clear();
  ImageW.clear();
  ImageH.clear();
  PageNames.clear();
  BMFVersion = 0;
  Kerning = 0;
  FontSize = Bold = Italic = Unicode = Smooth = CharSet = StretchH = 0;
  AA = PaddingUp = PaddingRight = SpacingHoriz = SpacingVert = Outline = 0;
  LineHeight = Base = ScaleW = ScaleH = Pages = 0;
  Packed = Encoded = AlphaChannel = RedChannel = GreenChannel = BlueChannel = 0;
  IdStr.clear();
  for (auto* v : {&Id, &X, &Y, &Width, &Height, &XOffset, &YOffset, &XAdvance, &Page, &Channel})
    v->clear();
  ASCII.fill(-1);
  KerningChars.clear();
  KerningValue.clear();
  cacheValid_ = false;
  HSpacing = VSpacing = 0;
  Align = -1;
  Shadow = DrawingShadow = 0;
  Slant = 0;
}

int TBMFont::FindChar(int code) const {
  if (Id.empty() || code < 0) return -1;
  if (code < 256) return std::max(ASCII[code], 0);
  return exactGlyph(*this, static_cast<uint32_t>(code));
}

int TBMFont::KerningAmount(int previous, int code) const {
  size_t pos = KerningChars[previous].find(static_cast<char32_t>(code));
  if (pos == std::u32string::npos) return 0;
  return SignedByte(static_cast<unsigned char>(KerningValue[previous][pos]));
}

float TBMFont::UnscaledWidth(const std::string& text, int line) const {
  std::vector<int> codes = platform::DecodeUtf8(text);
  float pen = 0, widest = 0;
  int previous = -1, current = 0;
  for (size_t i = 0; i < codes.size(); ++i) {
    int code = codes[i];
    if (code == '\n') {
      widest = std::max(widest, pen);
      pen = 0;
      previous = -1;
      ++current;
      continue;
    }
    if (line >= 0 && current != line) continue;
    int glyph = FindChar(code);
    if (glyph < 0 || inSet(SkipChars, code)) continue;
    if (Kerning && previous >= 0) pen += static_cast<float>(KerningAmount(previous, code));
    pen += static_cast<float>(SignedShort(XAdvance[glyph]));
    previous = glyph;
    if (i + 1 != codes.size()) pen += static_cast<float>(SpacingHoriz) + HSpacing;
  }
  return std::max(widest, pen);
}

int TBMFont::Pow2Size(int n) {
  int size = 1;
  while (size < n && size < (1 << 30)) size <<= 1;
  return size;
}

int TBMFont::ClipByte(int n) { return std::clamp(n, 0, 255); }

int TBMFont::SignedShort(int value) {
  value &= 0xFFFF;
  return value >= 0x8000 ? value - 0x10000 : value;
}

int TBMFont::SignedByte(int value) {
  value &= 0xFF;
  return value >= 0x80 ? value - 0x100 : value;
}
