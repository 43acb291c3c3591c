#include "datafile/Teksty.h"

#include <iostream>

#include "datafile/TTxtFile.h"

void Teksty::setup() {
  const TTxtFile file = loadTxtFile("txt/popup.txt");
  popUpTxt1 = file.getTxt(1);
  popUpTxt2 = file.getTxt(2);
  popUpTxt3 = file.getTxt(3);
  std::cout << "USUNIECIE : " << popUpTxt3 << "\n";
}
