#pragma once
#include <string>

// One action a tutorial hint performs when it shows: a name and up to five parameters, all
// upper case.
struct TAkcja {
  std::string name;
  std::string p1, p2, p3, p4, p5;
};
