#include "datafile/Teksty.h"

#include "datafile/AssetNames.h"
#include "datafile/TTxtFile.h"
#include "platform/Log.h"

void Teksty::setup() {
  const TTxtFile file = loadTxtFile(assets::TEXT_POPUP);
  popUpTxt1 = file.getTxt(1);
  popUpTxt2 = file.getTxt(2);
  popUpTxt3 = file.getTxt(3);
  platform::Log("USUNIECIE : " + popUpTxt3);
}
