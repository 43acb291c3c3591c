#include "player/TBoardSoundsAdapter.h"

#include "player/TGlobalSnd.h"

void TBoardSoundsAdapter::playMySound(const std::string& name) { snd_.playMySound(name); }
void TBoardSoundsAdapter::playBonus() { snd_.playBonus(); }
void TBoardSoundsAdapter::playChain() { snd_.playChain(); }
void TBoardSoundsAdapter::playPlates() { snd_.playPlates(); }
void TBoardSoundsAdapter::bomb() { snd_.bomb(); }
void TBoardSoundsAdapter::crossFire(int moc) { snd_.crossFire(moc); }
