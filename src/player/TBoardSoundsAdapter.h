#pragma once
#include <string>

#include "match3/IBoardSounds.h"

class TGlobalSnd;

// Plays a board's sounds through the sound catalogue.
class TBoardSoundsAdapter : public IBoardSounds {
 public:
  explicit TBoardSoundsAdapter(TGlobalSnd& snd) : snd_(snd) {}

  void playMySound(const std::string& name) override;
  void playBonus() override;
  void playChain() override;
  void playPlates() override;
  void bomb() override;
  void crossFire(int moc) override;

 private:
  TGlobalSnd& snd_;
};
