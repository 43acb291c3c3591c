#include "datafile/TRCMEntry.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "platform/strings.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 33) ++i;
  return i;
}

// The integer at the start of the text (blanks skipped, optional sign, digits), saturated.
int64_t ReadWholeNumber(std::string_view text) {
  size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / 10 - 1;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (value > kLimit)
      return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

// A float value is written as an integer when it reads as one.
std::string FloatValueText(const std::string& value) {
  const float number = TRCMEntry::readFloat(value);
  const int64_t whole = ReadWholeNumber(value);
  if (static_cast<double>(number) == static_cast<double>(whole)) return std::to_string(whole);
  // The reader keeps the blank after "=" or "," as part of a number's text; the writer
  // writes its own, so the text goes out trimmed and a re-save stays identical.
  return platform::Trim(value);
}

}  // namespace

TRCMEntry::TRCMEntry(std::string id, int type) : _id(std::move(id)), _type(type) {}

std::string TRCMEntry::toTxt() {
  std::string line = _id + " = ";
  if (_type == STRING) {
    for (size_t i = 0; i < _value.size(); ++i) {
      if (i > 0) line += ", ";
      line += '"';
      line += _value[i];
      line += '"';
    }
  }
  if (!_value.empty() && _value[0].empty()) _value[0].push_back('0');
  if (_type == FLOAT) {
    for (size_t i = 0; i < _value.size(); ++i) {
      if (i > 0) line += ", ";
      line += FloatValueText(_value[i]);
    }
  }
  return line;
}

void TRCMEntry::setValue(const std::string& value, int index) {
  if (index < 0) return;
  const auto slot = static_cast<size_t>(index);
  if (slot >= _value.size()) _value.resize(slot + 1);
  _value[slot] = value;
}

std::vector<std::string> TRCMEntry::createArray(int size) {
  return std::vector<std::string>(size > 0 ? static_cast<size_t>(size) : 0);
}

std::string TRCMEntry::getString(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= _value.size()) return "";
  return _value[static_cast<size_t>(index)];
}

float TRCMEntry::getFloat(int index) const { return readFloat(getString(index)); }

float TRCMEntry::readFloat(std::string_view text) {
  const size_t start = SkipBlanks(text);
  size_t i = start;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const size_t numberStart = i;
  size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return 0.0f;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    if (k < text.size() && (text[k] == '-' || text[k] == '+')) ++k;
    if (k < text.size() && IsDigit(text[k])) {
      for (i = k; i < text.size() && IsDigit(text[i]); ++i) {
      }
    }
  }
  const char* first = text.data() + numberStart;
  const char* last = text.data() + i;
  float value = 0.0f;
  if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
    double wide = 0.0;
    if (std::from_chars(first, last, wide).ec == std::errc::result_out_of_range) {
      // Only the exponent can push a double out of range: a huge one or a tiny one.
      const std::string_view number(first, static_cast<size_t>(last - first));
      const size_t e = number.find_first_of("eE");
      const bool tiny =
          e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
      wide = tiny ? 0.0 : HUGE_VAL;
    }
    value = static_cast<float>(wide);
  }
  return negative ? -value : value;
}

std::string TRCMEntry::formatFloat(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%#.9g", static_cast<double>(value));
  return buffer;
}
