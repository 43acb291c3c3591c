#pragma once
#include <string>

// A caption as shown: "[file|n]" is line n of that text file, anything else itself.
std::string guiCaption(const std::string& value);
