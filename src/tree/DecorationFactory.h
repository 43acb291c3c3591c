// The only way decorations are made: from a product and where it hangs. A null product makes
// a decoration that draws nothing and is never under the pointer.
#pragma once

#include <memory>

#include "tree/TBombka.h"
#include "tree/TDekor.h"
#include "tree/TLampka.h"
#include "tree/TLancuch.h"
#include "tree/TOzdobka.h"

class TBombkaData;
class TDekorData;
class TOzdobkaData;

std::shared_ptr<TBombka> createBombka(const std::shared_ptr<TBombkaData>& data, float x, float y);
std::shared_ptr<TOzdobka> createOzdobka(const std::shared_ptr<TOzdobkaData>& data, float x,
                                        float y);
std::shared_ptr<TLampka> createLampka(const std::shared_ptr<TLampkaData>& data, float x, float y);
std::shared_ptr<TDekor> createDekor(const std::shared_ptr<TDekorData>& data, float x, float y);
std::shared_ptr<TLancuch> createLancuch(const std::shared_ptr<TLancuchData>& data, float x1,
                                        float y1, float x2, float y2);
