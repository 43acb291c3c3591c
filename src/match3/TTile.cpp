#include "match3/TTile.h"

#include "match3/TTileBack.h"
#include "match3/TTileData.h"
#include "platform/platform.h"

TTile::TTile(TLevel* parent) : _parent(parent), blinkTime(platform::MilliSecs() + 6000000) {}

int TTile::tileBackId() const { return tileBack ? tileBack->id : 0; }

int TTile::tileId() const { return td ? td->id : 0; }
