#include "gui/GuiUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/strings.h"

void guiError(const std::string& message) { platform::Notify(" >> BLAD! << : " + message); }

float guiNumber(const std::string& text) {
  constexpr float kLimit = 1e9f;
  const float value = std::strtof(text.c_str(), nullptr);
  if (std::isnan(value)) return 0.0f;
  return std::clamp(value, -kLimit, kLimit);
}

int guiInt(const std::string& text) { return static_cast<int>(guiNumber(text)); }

std::vector<float> guiNumbers(const std::string& value) {
  std::vector<float> numbers;
  size_t pos = 0;
  while (pos < value.size()) {
    while (pos < value.size() && static_cast<unsigned char>(value[pos]) < 33) ++pos;
    size_t end = pos;
    while (end < value.size() && static_cast<unsigned char>(value[end]) >= 33) ++end;
    if (end > pos) numbers.push_back(guiNumber(value.substr(pos, end - pos)));
    pos = end;
  }
  return numbers;
}

bool guiTrue(const std::string& value) { return platform::SameText(value, "TRUE"); }

std::shared_ptr<TRGB> guiRGB(const std::string& value) {
  std::vector<float> n = guiNumbers(value);
  n.resize(3, 0.0f);
  return createRGB(int(n[0]), int(n[1]), int(n[2]));
}
