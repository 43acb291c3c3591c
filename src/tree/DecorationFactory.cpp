#include "tree/DecorationFactory.h"

#include "tree/TBombkaData.h"
#include "tree/TDekorData.h"
#include "tree/TOzdobkaData.h"

std::shared_ptr<TBombka> createBombka(const std::shared_ptr<TBombkaData>& data, float x, float y) {
  return std::make_shared<TBombka>(data, x, y);
}

std::shared_ptr<TOzdobka> createOzdobka(const std::shared_ptr<TOzdobkaData>& data, float x,
                                        float y) {
  return std::make_shared<TOzdobka>(data, x, y);
}

std::shared_ptr<TLampka> createLampka(const std::shared_ptr<TLampkaData>& data, float x, float y) {
  return std::make_shared<TLampka>(data, x, y);
}

std::shared_ptr<TDekor> createDekor(const std::shared_ptr<TDekorData>& data, float x, float y) {
  return std::make_shared<TDekor>(data, x, y);
}

std::shared_ptr<TLancuch> createLancuch(const std::shared_ptr<TLancuchData>& data, float x1,
                                        float y1, float x2, float y2) {
  return std::make_shared<TLancuch>(data, x1, y1, x2, y2);
}
