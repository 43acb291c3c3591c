// The pop-up prompts, read once while the shared resources load.
#pragma once

#include <string>

class Teksty {
 public:
  // Lines 1, 2 and 3 of "txt/popup.txt" become the three prompts; logs the third one.
  static void setup();
};

inline std::string popUpTxt1;
inline std::string popUpTxt2;
inline std::string popUpTxt3;
