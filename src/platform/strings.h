// Text helpers shared by every subsystem. Names, ids, keys and states compare
// case-insensitively by their upper-case forms: always through these.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::string Upper(std::string_view text);
std::string Lower(std::string_view text);
bool SameText(std::string_view a, std::string_view b);  // case-insensitive equality
std::string Trim(std::string_view text);

// UTF-8 helpers. Invalid bytes decode as Latin-1 characters, so any byte string is usable.
std::vector<int> DecodeUtf8(std::string_view text);
std::string EncodeUtf8(int codepoint);
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace platform
