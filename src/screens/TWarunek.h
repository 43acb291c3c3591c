#pragma once
#include <string>

// One condition of a tutorial hint: a name and its parameter, both upper case.
struct TWarunek {
  std::string name;
  std::string param;
};
