#include "platform/strings.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

constexpr int kReplacement = 0xFFFD;

// Decodes one well-formed UTF-8 sequence at `i`; returns its length, 0 when the bytes there
// are not a valid sequence (overlong forms, surrogates and values above U+10FFFF included).
size_t DecodeOne(std::string_view text, size_t i, int& codepoint) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  if (lead < 0x80) {
    codepoint = lead;
    return 1;
  }
  size_t length = 0;
  int value = 0;
  int minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const uint8_t next = byte(i + k);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codepoint = value;
  return length;
}

// Case pairs of Latin-1 and Latin Extended-A (which holds the Polish letters).
int ToUpper(int c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c == 0x131) return 'I';  // dotless i
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
  return c;
}

int ToLower(int c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c == 0x130) return c;  // dotted capital I has no single-letter lower form here
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 1) ? c + 1 : c;
  return c;
}

// Maps every valid character; bytes that are not valid UTF-8 are copied unchanged, so a
// mapping never turns a byte string into something else.
template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    int c = 0;
    const size_t length = DecodeOne(text, i, c);
    if (length == 0) {
      out += text[i++];
      continue;
    }
    if (c < 0x80) {
      out += static_cast<char>(map(c));
    } else {
      out += EncodeUtf8(map(c));
    }
    i += length;
  }
  return out;
}

}  // namespace

std::string Upper(std::string_view text) { return MapCase(text, ToUpper); }

std::string Lower(std::string_view text) { return MapCase(text, ToLower); }

namespace {

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<uint8_t>(c) < 0x80; });
}

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

// Names, keys and states are plain ASCII nearly always: those compare without building the
// upper-case copies.
bool SameText(std::string_view a, std::string_view b) {
  if (isAscii(a) && isAscii(b))
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return asciiUpper(x) == asciiUpper(y);
           });
  return Upper(a) == Upper(b);
}

std::string Trim(std::string_view text) {
  const auto blank = [](char c) { return static_cast<uint8_t>(c) < 33; };
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && blank(text[begin])) ++begin;
  while (end > begin && blank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::vector<int> DecodeUtf8(std::string_view text) {
  std::vector<int> out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    int c = 0;
    const size_t length = DecodeOne(text, i, c);
    if (length == 0) {
      out.push_back(static_cast<uint8_t>(text[i]));
      ++i;
    } else {
      out.push_back(c);
      i += length;
    }
  }
  return out;
}

std::string EncodeUtf8(int codepoint) {
  if (codepoint < 0 || codepoint > 0x10FFFF || (codepoint >= 0xD800 && codepoint <= 0xDFFF)) {
    codepoint = kReplacement;
  }
  const auto c = static_cast<uint32_t>(codepoint);
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char b : bytes) {
    const auto c = static_cast<uint8_t>(b);
    if (c < 0x80) {
      out += b;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace platform
