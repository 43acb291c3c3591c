#include "app/SessionProfile.h"

#include "match3/TLevel.h"
#include "match3/TMainGame.h"

int SessionProfile::nrLeveluQuest() const { return game_.level ? game_.level->id : 0; }
