#include "tree/TLancuch.h"

#include "datafile/TRCMEntry.h"
#include "platform/Log.h"
#include "tree/TLancuchData.h"

std::string TLancuch::getPosString() const {
  return TRCMEntry::formatFloat(x1) + " " + TRCMEntry::formatFloat(y1) + " " +
         TRCMEntry::formatFloat(x2) + " " + TRCMEntry::formatFloat(y2);
}

void TLancuch::drawM(float dx, float dy) {
  if (data) static_cast<TLancuchData&>(*data).drawMe(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

int TLancuch::_updateOver() {
  if (!data) return 0;
  const int over = static_cast<TLancuchData&>(*data).checkOver(x1, y1, x2, y2);
  if (over) platform::Log("OVER");
  return over;
}
